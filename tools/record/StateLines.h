#pragma once
// The recorder's account of itself on standard error: one line per change of state
// ("recording to ...", "meter lost", "meter back", "broker connected" ...), so that a journal
// or a terminal shows what it is doing. A state told again is not repeated; --quiet silences
// them all. Errors are not states: they go out as messages, also when quiet.

#include <QString>

#include <functional>

class TStateLines {
public:
    using TWriter = std::function<void(const QString &line)>;

    // Without a writer the lines go to standard error.
    explicit TStateLines(bool quiet, TWriter writer = {});

    void Tell(const QString &state);

private:
    bool Quiet;
    TWriter Writer;
    QString Last;
};

// A line on standard error, flushed at once: the journal shows it when it happens.
void WriteToStandardError(const QString &line);
