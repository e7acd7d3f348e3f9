// A published reading's JSON: the sample as the display shows it, with its own time.

#include "publish/PublishedReading.h"

#include "model/Risk.h"
#include "model/Units.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTimeZone>

#include <gtest/gtest.h>

#include <ctime>
#include <utility>

namespace {

QJsonObject JsonOf(const TPublishedReading &reading)
{
    return QJsonDocument::fromJson(ReadingJson(reading)).object();
}

// The local time zone set for the test's lifetime.
class TLocalZone {
public:
    explicit TLocalZone(const char *zone) : Previous(qgetenv("TZ")), HadOne(qEnvironmentVariableIsSet("TZ"))
    {
        qputenv("TZ", zone);
        tzset();
    }
    ~TLocalZone()
    {
        if (HadOne)
            qputenv("TZ", Previous);
        else
            qunsetenv("TZ");
        tzset();
    }

private:
    QByteArray Previous;
    bool HadOne;
};

} // namespace

TEST(PublishedReadingTest, TheJsonCarriesTheReadingItsUnitLevelAndRiskAndLeavesOutWhatTheSampleLacks)
{
    const QDateTime at(QDate(2026, 12, 7), QTime(10, 49, 20, 500), Qt::OffsetFromUTC, 3600);
    // 0.1 V/m is 0.02654 mW/m², -15.76 dB; +14 dB re 1 µW/m², -10 awake: "Low".
    const TPublishedReading field = MakePublishedReading(at, UnitVm, 0.1f, 0, TPopulation::General, TTargetState::Wake);
    const QByteArray json = ReadingJson(field);
    EXPECT_EQ(json, R"({"level_db":-15.76,"risk":"Low","time":"2026-12-07T10:49:20.500+01:00","unit":"V/m","value":0.1})");

    // 2.5 mW/m² is 3.98 dB; +34 dB re 1 µW/m², +10 sensitive, asleep: "Extreme". How the
    // other fields are written is the next tests'.
    const QJsonObject object =
        JsonOf(MakePublishedReading(at, UnitMWm2, 2.5f, 2400, TPopulation::Sensitive, TTargetState::Sleep));
    EXPECT_EQ(std::pair(object["level_db"].toDouble(), object["risk"].toString()), std::pair(3.98, QString("Extreme")));

    // A reading at the bottom of the scale has the scale's level, and still a number.
    const QJsonObject zero = JsonOf(MakePublishedReading(at, UnitMWm2, 0.0f, 0, TPopulation::General, TTargetState::Wake));
    EXPECT_EQ(zero["level_db"].toDouble(), -33.0);
    EXPECT_EQ(zero["value"].toDouble(-1), 0.0);
    EXPECT_EQ(zero["risk"].toString(), "Very low");
}

TEST(PublishedReadingTest, AnyNumberAndRecordNameIsValidJsonAsQtWouldWriteIt)
{
    const QDateTime at(QDate(2026, 12, 7), QTime(10, 49, 20, 500), Qt::OffsetFromUTC, 3600);
    const std::pair<float, QString> cases[] = {
        {0.1f, "Bedroom"},
        {1234567.0f, "Say \"hi\" \\ there"},
        {3.0e-7f, "tab\there\nline\x01 end"},
        {42.0f, QString::fromUtf8("Küche – Süd")},
        {1.0e20f, {}},
    };
    for (const auto &[value, record] : cases) {
        TPublishedReading reading =
            MakePublishedReading(at, UnitMWm2, value, 2450, TPopulation::Sensitive, TTargetState::Sleep, record);
        reading.Alert = value > 1.0f;
        // Read and written again by Qt: the same keys in order, numbers and escapes.
        const QByteArray json = ReadingJson(reading);
        EXPECT_EQ(QJsonDocument::fromJson(json).toJson(QJsonDocument::Compact), json) << record.toStdString();
        EXPECT_EQ(static_cast<float>(JsonOf(reading)["value"].toDouble()), value);
        EXPECT_EQ(JsonOf(reading)["record"].toString(), record);
        EXPECT_EQ(JsonOf(reading)["alert"].toBool(), value > 1.0f);
    }
}

TEST(PublishedReadingTest, TimesCarryTheirOwnOffsetFromUtcAndMillisecondsAlsoAroundAChangeOfTheClock)
{
    const QTimeZone berlin("Europe/Berlin");
    EXPECT_EQ(IsoTimeWithOffset(QDateTime(QDate(2026, 12, 7), QTime(10, 49, 20, 500), berlin)),
              "2026-12-07T10:49:20.500+01:00");
    EXPECT_EQ(IsoTimeWithOffset(QDateTime(QDate(2026, 7, 1), QTime(23, 59, 59, 999), berlin)),
              "2026-07-01T23:59:59.999+02:00");
    EXPECT_EQ(IsoTimeWithOffset(QDateTime(QDate(2026, 3, 1), QTime(0, 0), Qt::OffsetFromUTC, -(3 * 3600 + 1800))),
              "2026-03-01T00:00:00.000-03:30");
    EXPECT_EQ(IsoTimeWithOffset(QDateTime(QDate(2026, 3, 1), QTime(6, 5, 4, 3), Qt::UTC)),
              "2026-03-01T06:05:04.003+00:00");

    // Local times read back as the same instant, even where the local hour from 02:00 comes
    // twice: summer time ends on 25 October 2026 at 01:00 UTC.
    const TLocalZone localBerlin("Europe/Berlin");
    const QDateTime change = QDateTime(QDate(2026, 10, 25), QTime(1, 0), Qt::UTC);
    for (const qint64 minutes : {-90, -61, -30, -1, 0, 1, 30, 59, 60, 61, 90, 150}) {
        const QDateTime local = change.addSecs(minutes * 60).toLocalTime();
        // Once in the same hour before: a kept offset would show here.
        IsoTimeWithOffset(local.addSecs(-60));
        const QByteArray text = IsoTimeWithOffset(local);
        EXPECT_EQ(QDateTime::fromString(QString::fromLatin1(text), Qt::ISODateWithMs).toMSecsSinceEpoch(),
                  local.toMSecsSinceEpoch())
            << minutes << " " << text.toStdString();
    }
}
