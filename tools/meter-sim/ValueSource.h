#pragma once
// The readings the simulated meter sends one after the other: a given list, repeated, or a
// named pattern.

#include <QList>

#include <random>

enum class TValuePattern {
    Steady, // Level every time
    Ramp,   // Level, Level + Step, ... up to Max, then from Level again
    Walk,   // from Level, each step a uniform random change within +-Step, kept in 0 ... Max
};

struct TPatternSettings {
    TValuePattern Pattern = TValuePattern::Steady;
    double Level = 1.0;
    double Step = 0.1;
    double Max = 100.0;
    quint32 Seed = 1; // the same seed gives the same walk
};

class TValueSource {
public:
    // values must not be empty.
    explicit TValueSource(QList<double> values);
    explicit TValueSource(const TPatternSettings &settings);

    double Next();

private:
    double NextOfPattern();

    QList<double> Values;
    qsizetype Index = 0;
    TPatternSettings Settings;
    double Current = 0.0;
    bool Started = false;
    std::mt19937 Random;
};
