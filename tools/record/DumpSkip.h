#pragma once
// The meter sends its memory when its button asks for it: header lines naming the "Interval",
// then data lines as fast as the line goes, then silence. The program imports it only when
// the user has asked; the recorder takes live readings only. So a dump is passed over whole,
// from its first header line until the line has been quiet as long as an import waits for
// the end of a transfer: its data lines are not readings, and its headers are no stray lines
// that end the run.

#include <QObject>
#include <QTimer>

#include <functional>

class TComPort;

class TDumpSkip : public QObject {
public:
    // Stands between port and the receiver it has now.
    explicit TDumpSkip(TComPort &port, QObject *parent = nullptr);

    bool Skipping() const { return Silence.isActive(); }
    std::function<void()> OnDumpBegun;
    std::function<void(int lines)> OnDumpPassed;

private:
    void Receive(const QString &line);
    void Passed();

    std::function<void(const QString &)> Receiver;
    QTimer Silence;
    int Skipped = 0;
};
