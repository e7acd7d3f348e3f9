#include "model/Units.h"

#include <array>
#include <cmath>

namespace {

struct TIntervalEntry {
    const char16_t *Text;
    double Seconds;
};

// In the order of the interval list of the main window: its index is what the settings keep.
constexpr std::array<TIntervalEntry, 7> Intervals{{
    {u"0.5 sec", 0.5},
    {u"1 sec", 1},
    {u"10 sec", 10},
    {u"30 sec", 30},
    {u"1 min", 60},
    {u"2 min", 120},
    {u"3 min", 180},
}};

const QString &PowerDensityName()
{
    static const QString name = QStringLiteral("mW/m\u00B2");
    return name;
}

} // namespace

std::optional<QString> UnitName(std::uint8_t unit)
{
    switch (unit) {
    case UnitVm: return QStringLiteral("V/m");
    case UnitMWm2: return PowerDensityName();
    default: return std::nullopt;
    }
}

std::uint8_t UnitFromName(const QString &text)
{
    return text == PowerDensityName() ? UnitMWm2 : UnitVm;
}

std::optional<QString> IntervalName(double seconds)
{
    for (const TIntervalEntry &interval : Intervals)
        if (std::fabs(seconds - interval.Seconds) < 0.1)
            return QString::fromUtf16(interval.Text);
    return std::nullopt;
}

std::optional<double> IntervalSeconds(const QString &text)
{
    for (const TIntervalEntry &interval : Intervals)
        if (text == QStringView(interval.Text))
            return interval.Seconds;
    return std::nullopt;
}

std::optional<double> IntervalSecondsAt(int index)
{
    if (index < 0 || index >= static_cast<int>(Intervals.size()))
        return std::nullopt;
    return Intervals[static_cast<std::size_t>(index)].Seconds;
}
