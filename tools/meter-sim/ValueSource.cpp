#include "tools/meter-sim/ValueSource.h"

#include <algorithm>

TValueSource::TValueSource(QList<double> values) : Values(std::move(values)) {}

TValueSource::TValueSource(const TPatternSettings &settings)
    : Settings(settings), Current(settings.Level), Random(settings.Seed)
{
}

double TValueSource::Next()
{
    if (Values.isEmpty())
        return NextOfPattern();
    const double value = Values[Index];
    Index = (Index + 1) % Values.size();
    return value;
}

double TValueSource::NextOfPattern()
{
    if (!Started) {
        Started = true;
        return Current;
    }
    switch (Settings.Pattern) {
    case TValuePattern::Steady:
        break;
    case TValuePattern::Ramp:
        Current += Settings.Step;
        if (Current > Settings.Max)
            Current = Settings.Level;
        break;
    case TValuePattern::Walk: {
        // Mapped by hand rather than with a distribution, whose output the standard leaves open.
        const double unit = static_cast<double>(Random()) / 4294967295.0;
        Current = std::clamp(Current + (2.0 * unit - 1.0) * Settings.Step, 0.0, Settings.Max);
        break;
    }
    }
    return Current;
}
