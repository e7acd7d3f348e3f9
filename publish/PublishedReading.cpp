#include "publish/PublishedReading.h"

#include "model/Risk.h"
#include "model/Units.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

// The float's shortest decimal text read as a double: 0.1f is published as 0.1, not as the
// 0.100000001490116 its exact value would print.
double ShortestDouble(float value)
{
    if (!std::isfinite(value))
        return 0.0;
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, value).ptr;
    double result = 0.0;
    std::from_chars(text, end, result);
    return result;
}

} // namespace

TPublishedReading MakePublishedReading(const QDateTime &time, std::uint8_t unit, float value,
                                       std::uint16_t peakFrequencyMHz, TPopulation population, TTargetState state,
                                       const QString &recordName)
{
    TPublishedReading reading;
    reading.Time = time;
    reading.Value = value;
    reading.Unit = unit;
    reading.LevelDb = LevelOf(unit, value);
    reading.PeakFrequencyMHz = peakFrequencyMHz;
    reading.RiskCategory = RiskCategoryName(EvaluateRisk(unit, value, population, state));
    reading.RecordName = recordName;
    return reading;
}

QByteArray IsoTimeWithOffset(const QDateTime &time)
{
    // Qt's ISO text of a local time leaves the offset out. The date and time of day are those
    // the time is kept in; only the offset takes a look-up of the time zone.
    const int offsetSeconds = time.offsetFromUtc();
    const QDate date = time.date();
    const QTime clock = time.time();
    const int offsetMinutes = std::abs(offsetSeconds) / 60;
    char text[40];
    const int length = std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d.%03d%c%02d:%02d", date.year(),
                                     date.month(), date.day(), clock.hour(), clock.minute(), clock.second(),
                                     clock.msec(), offsetSeconds < 0 ? '-' : '+', offsetMinutes / 60, offsetMinutes % 60);
    return QByteArray(text, length);
}

QByteArray ReadingJson(const TPublishedReading &reading)
{
    QJsonObject object;
    object.insert(QLatin1String("time"), QString::fromLatin1(IsoTimeWithOffset(reading.Time)));
    object.insert(QLatin1String("value"), ShortestDouble(reading.Value));
    object.insert(QLatin1String("unit"), UnitName(reading.Unit).value_or(QString()));
    // Hundredths of a dB: the meter's readings carry no more.
    object.insert(QLatin1String("level_db"), std::round(reading.LevelDb * 100.0) / 100.0);
    if (reading.PeakFrequencyMHz != 0)
        object.insert(QLatin1String("frequency_mhz"), reading.PeakFrequencyMHz);
    object.insert(QLatin1String("risk"), reading.RiskCategory);
    if (!reading.RecordName.isEmpty())
        object.insert(QLatin1String("record"), reading.RecordName);
    if (reading.Alert)
        object.insert(QLatin1String("alert"), *reading.Alert);
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}
