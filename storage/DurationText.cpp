#include "storage/FileUtils.h"

#include <QCoreApplication>

#include <cmath>
#include <limits>

namespace {

// The parts of a duration, one and several: the whole phrase for each, so that each language
// writes its own plural.
struct TCountWords {
    const char *One;
    const char *Several;
};
constexpr TCountWords DayWords{QT_TRANSLATE_NOOP("DurationText", "%1 day"),
                               QT_TRANSLATE_NOOP("DurationText", "%1 days")};
constexpr TCountWords HourWords{QT_TRANSLATE_NOOP("DurationText", "%1 hour"),
                                QT_TRANSLATE_NOOP("DurationText", "%1 hours")};
constexpr TCountWords MinuteWords{QT_TRANSLATE_NOOP("DurationText", "%1 minute"),
                                  QT_TRANSLATE_NOOP("DurationText", "%1 minutes")};
constexpr TCountWords SecondWords{QT_TRANSLATE_NOOP("DurationText", "%1 second"),
                                  QT_TRANSLATE_NOOP("DurationText", "%1 seconds")};

// "1 day", "2 days"; nothing for 0.
QString CountText(std::uint32_t count, const TCountWords &words)
{
    if (count == 0)
        return {};
    return QCoreApplication::translate("DurationText", count >= 2 ? words.Several : words.One).arg(count);
}

double RoundHalfToEven(double value)
{
    const double nearest = std::round(value);  // halves away from zero
    if (std::fabs(value - std::trunc(value)) == 0.5)
        return 2.0 * std::round(value / 2.0);
    return nearest;
}

} // namespace

TDuration SplitDuration(std::uint32_t seconds)
{
    const std::uint32_t restOfDay = seconds % 86400;
    const std::uint32_t restOfHour = restOfDay % 3600;
    return {seconds / 86400, static_cast<std::uint8_t>(restOfDay / 3600), static_cast<std::uint8_t>(restOfHour / 60),
            static_cast<std::uint8_t>(restOfHour % 60)};
}

QString DurationText(std::uint32_t seconds)
{
    const TDuration duration = SplitDuration(seconds);
    QString text = QStringLiteral("~ ") + CountText(duration.Days, DayWords);
    bool partWritten = duration.Days > 0;
    // The first separator has its blank before the comma, the others after it.
    if (partWritten && duration.Hours > 0)
        text += QStringLiteral(" ,");
    text += CountText(duration.Hours, HourWords);
    partWritten = partWritten || duration.Hours > 0;
    if (partWritten && duration.Minutes > 0)
        text += QStringLiteral(", ");
    text += CountText(duration.Minutes, MinuteWords);
    partWritten = partWritten || duration.Minutes > 0;
    if (partWritten && duration.Seconds > 0)
        text += QStringLiteral(", ");
    text += CountText(duration.Seconds, SecondWords);
    return text;
}

QString RecordDurationText(std::uint64_t samples, double interval)
{
    if (samples == 0)
        return QStringLiteral("0");
    const double seconds = RoundHalfToEven(static_cast<double>(samples) * interval);
    constexpr double Longest = std::numeric_limits<std::uint32_t>::max();
    // NaN fails both comparisons and ends as 0, like a negative interval from a damaged file.
    const double held = seconds > Longest ? Longest : (seconds > 0 ? seconds : 0.0);
    return DurationText(static_cast<std::uint32_t>(held));
}
