#include "publish/PublishedReading.h"

#include "model/Risk.h"
#include "model/Units.h"

#include <QLocale>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

// As QJsonDocument writes a number: the shortest text that reads back the same, "null" for
// what is not one.
void AppendNumber(QByteArray &json, double value)
{
    if (std::isfinite(value))
        json += QByteArray::number(value, 'g', QLocale::FloatingPointShortest);
    else
        json += "null";
}

// A JSON string: quotes, backslashes and control characters escaped, the rest as UTF-8.
void AppendString(QByteArray &json, const QString &text)
{
    static constexpr char Hex[] = "0123456789abcdef";
    json += '"';
    for (const char c : text.toUtf8()) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            json += '\\';
            json += c;
        } else if (byte >= 0x20) {
            json += c;
        } else if (c == '\b' || c == '\f' || c == '\n' || c == '\r' || c == '\t') {
            json += '\\';
            json += c == '\b' ? 'b' : c == '\f' ? 'f' : c == '\n' ? 'n' : c == '\r' ? 'r' : 't';
        } else {
            json += "\\u00";
            json += Hex[byte >> 4];
            json += Hex[byte & 0xF];
        }
    }
    json += '"';
}

// The offset of a local time costs a look-up of the system's time zone (a mktime and a stat
// of /etc/localtime) each time, and readings come by the thousand in the same hour. An hour
// of the local clock with the same offset from the last millisecond before it to the first
// after it has no change of the clock in it, and is not repeated: its offset is kept. An hour
// at a change is looked up for every time.
int OffsetFromUtc(const QDateTime &time)
{
    if (time.timeSpec() != Qt::LocalTime)
        return time.offsetFromUtc();
    struct TKeptHour {
        qint64 Day = -1;
        int Hour = -1;
        int Offset = 0;
    };
    thread_local TKeptHour kept;
    const QDate date = time.date();
    const int hour = time.time().hour();
    if (date.toJulianDay() == kept.Day && hour == kept.Hour)
        return kept.Offset;
    const int offset = time.offsetFromUtc();
    const auto offsetAt = [](const QDate &day, const QTime &clock) {
        return QDateTime(day, clock, Qt::LocalTime).offsetFromUtc();
    };
    const QDateTime before = hour == 0 ? QDateTime(date.addDays(-1), QTime(23, 59, 59, 999), Qt::LocalTime)
                                       : QDateTime(date, QTime(hour - 1, 59, 59, 999), Qt::LocalTime);
    const QDateTime after = hour == 23 ? QDateTime(date.addDays(1), QTime(0, 0), Qt::LocalTime)
                                       : QDateTime(date, QTime(hour + 1, 0), Qt::LocalTime);
    if (before.offsetFromUtc() == offset && offsetAt(date, QTime(hour, 0)) == offset
        && offsetAt(date, QTime(hour, 59, 59, 999)) == offset && after.offsetFromUtc() == offset)
        kept = {date.toJulianDay(), hour, offset};
    return offset;
}

} // namespace

double PublishedNumber(float value)
{
    if (!std::isfinite(value))
        return 0.0;
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, value).ptr;
    double result = 0.0;
    std::from_chars(text, end, result);
    return result;
}

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
    const int offsetSeconds = OffsetFromUtc(time);
    const QDate date = time.date();
    const QTime clock = time.time();
    const int offsetMinutes = std::abs(offsetSeconds) / 60;
    // Digit by digit: snprintf's parsing of its format costs more than the rest of the reading.
    char text[40];
    char *end = text;
    const auto digits = [&end](int value, int count) {
        for (int i = count - 1; i >= 0; --i, value /= 10)
            end[i] = static_cast<char>('0' + value % 10);
        end += count;
    };
    const auto put = [&end](char c) { *end++ = c; };
    const int year = date.year();
    if (year < 0 || year > 9999) {
        end += std::snprintf(text, sizeof text, "%04d", year);
    } else {
        digits(year, 4);
    }
    put('-');
    digits(date.month(), 2);
    put('-');
    digits(date.day(), 2);
    put('T');
    digits(clock.hour(), 2);
    put(':');
    digits(clock.minute(), 2);
    put(':');
    digits(clock.second(), 2);
    put('.');
    digits(clock.msec(), 3);
    put(offsetSeconds < 0 ? '-' : '+');
    digits(offsetMinutes / 60, 2);
    put(':');
    digits(offsetMinutes % 60, 2);
    return QByteArray(text, end - text);
}

QByteArray ReadingJson(const TPublishedReading &reading)
{
    // Written directly rather than through QJsonObject, which costs a dozen allocations per
    // reading: the keys in the order QJsonDocument sorts them, the numbers as it writes them.
    QByteArray json;
    json.reserve(192);
    json += '{';
    if (reading.Alert)
        json += *reading.Alert ? "\"alert\":true," : "\"alert\":false,";
    if (reading.PeakFrequencyMHz != 0) {
        json += "\"frequency_mhz\":";
        json += QByteArray::number(reading.PeakFrequencyMHz);
        json += ',';
    }
    // Hundredths of a dB: the meter's readings carry no more.
    json += "\"level_db\":";
    AppendNumber(json, std::round(reading.LevelDb * 100.0) / 100.0);
    if (!reading.RecordName.isEmpty()) {
        json += ",\"record\":";
        AppendString(json, reading.RecordName);
    }
    json += ",\"risk\":";
    AppendString(json, reading.RiskCategory);
    json += ",\"time\":\"";
    json += IsoTimeWithOffset(reading.Time);
    json += "\",\"unit\":";
    AppendString(json, UnitName(reading.Unit).value_or(QString()));
    json += ",\"value\":";
    AppendNumber(json, PublishedNumber(reading.Value));
    json += '}';
    return json;
}
