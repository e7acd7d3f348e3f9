// The recorder against a simulated meter, in-process: the program's settings as defaults and
// its file left alone, one record across an unplugged meter and across a full disk, the daily
// split at midnight with nothing lost, the end of --duration and --until, a memory dump passed
// over, and with --mqtt and --alert the alert's starts and ends on a mosquitto of the test's
// own on 127.0.0.1. The readings there are the command's test, the broker away the publisher's.

#include "tests/tools/RecorderRig.h"

#include "device/MeterConnection.h"
#include "model/Units.h"
#include "publish/BrokerUrl.h"
#include "storage/DateTimeConvert.h"
#include "storage/LastSettings.h"
#include "storage/LogFile.h"
#include "tests/publish/LocalBroker.h"
#include "tests/publish/TestClient.h"
#include "tests/support/FakeServices.h"
#include "tests/support/FullDisk.h"
#include "tests/support/QtPrinters.h"
#include "tests/support/RecordFiles.h"
#include "tests/support/TempAppDir.h"
#include "tools/meter-sim/MeterLines.h"

#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// What MeasureSeries sent, series after series: each a count and its first reading.
std::vector<float> Series(std::initializer_list<std::pair<int, double>> series)
{
    std::vector<float> values;
    for (const auto &[count, first] : series)
        for (const float value : SentValues(count, first))
            values.push_back(value);
    return values;
}

class RecorderTest : public ::testing::Test {
protected:
    TempAppDir App;
    TFakeServices Services{QDateTime(QDate(2026, 3, 14), QTime(23, 59, 58))};
};

TEST_F(RecorderTest, TakesTheProgramsSettingsUnderTheCommandLinesAndNeverWritesTheirFile)
{
    // Five of the eight lines: V/m, "1 sec", 60 points, 3 dB; the reading stops at the sixth.
    const QByteArray settings = "no\r\nV/m\r\n1\r\n60\r\n3\r\n";
    const QString settingsFile = App.WriteFile("Settings/" + QString(LastSettingsFileName), settings);
    TRecorderOptions options;
    options.Correction = 6;
    options.Operator = "Ann";
    options.Place = "Roof";
    {
        TRecorderRig rig(App.Paths(), options);
        // Found as the program finds it: the highest port of the device folder.
        rig.Options.Port.clear();
        rig.PlugIn();
        ASSERT_TRUE(rig.Start());
        rig.MeasureSeries(3);
        rig.Recorder->SaveBeforeExit();
        ASSERT_EQ(rig.Logs().size(), 1);
        const QString log = rig.Logs()[0];
        EXPECT_EQ(StoredValues(LogRecords(log)), (std::vector<float>{0.5f, 0.75f, 1.0f})); // 6 dB on V/m: x2
        const TMetaData meta = RecordMeta(log);
        EXPECT_EQ(std::tuple(meta.Unit, meta.Interval, meta.Correction), std::tuple(std::uint8_t(0), 1.0, std::int8_t(6)));
        EXPECT_EQ(QStringList({meta.Operator.Text(), meta.Place.Text(), meta.Notes.Text()}),
                  QStringList({"Ann", "Roof", "None"}));
        EXPECT_TRUE(QFileInfo::exists(CompanionName(log, ".histo")));
        EXPECT_EQ(rig.StateLines,
                  (QStringList{"meter found on " + rig.Devices.filePath("ttyUSB0"), "recording to " + log,
                               "record complete: " + log}));
    }
    EXPECT_EQ(ReadWholeFile(settingsFile), settings);
}

TEST_F(RecorderTest, KeepsOneRecordWhileTheMeterIsAwayAndWaitsForTheFirstOne)
{
    TRecorderRig rig(App.Paths());
    EXPECT_FALSE(rig.Start());
    EXPECT_EQ(rig.StateLines, QStringList{"waiting for the meter"});
    rig.PlugIn();
    ASSERT_TRUE(QTest::qWaitFor([&] { return rig.Recorder->Session.State() == Recording; }, 5000));
    rig.MeasureSeries(4);
    rig.Unplug();
    // What the buffer held is in the log while the meter is away.
    const QString log = rig.Logs().value(0);
    EXPECT_EQ(LogRecords(log).size(), 4u);
    rig.PlugIn();
    ASSERT_TRUE(QTest::qWaitFor([&] { return rig.Recorder->Connection->ComPort1.isOpen(); }, 5000));
    rig.MeasureSeries(3, 5.0);
    rig.Recorder->SaveBeforeExit();

    ASSERT_EQ(rig.Logs(), QStringList{log});
    EXPECT_EQ(StoredValues(LogRecords(log)), Series({{4, 0.25}, {3, 5.0}}));
    EXPECT_EQ(rig.StateLines.mid(rig.StateLines.indexOf("meter lost")),
              (QStringList{"meter lost", "meter back", "record complete: " + log}));
}

TEST_F(RecorderTest, QuietTellsNoChangeOfStateAndRecordsAllTheSame)
{
    TRecorderOptions options;
    options.Quiet = true;
    TRecorderRig rig(App.Paths(), options);
    rig.PlugIn();
    ASSERT_TRUE(rig.Start());
    rig.MeasureSeries(3);
    rig.Unplug();
    rig.PlugIn();
    ASSERT_TRUE(QTest::qWaitFor([&] { return rig.Recorder->Connection->ComPort1.isOpen(); }, 5000));
    rig.Recorder->SaveBeforeExit();

    EXPECT_TRUE(rig.StateLines.isEmpty()) << rig.StateLines.join(" | ").toStdString();
    EXPECT_EQ(StoredValues(LogRecords(rig.Logs().value(0))), SentValues(3));
}

TEST_F(RecorderTest, ALogTheDiskRefusesIsToldOnceAndTheRecordGetsItsSamplesWhenThereIsRoomAgain)
{
    TRecorderRig rig(App.Paths());
    rig.PlugIn();
    ASSERT_TRUE(rig.Start());
    rig.MeasureSeries(3);
    {
        const TFullDisk full;
        rig.MeasureSeries(20, 2.0);
        EXPECT_EQ(Services.Shown.size(), 1u) << Services.Texts().join('\n').toStdString();
    }
    rig.MeasureSeries(2, 9.0);
    rig.Recorder->SaveBeforeExit();
    EXPECT_EQ(StoredValues(LogRecords(rig.Logs().value(0))), Series({{3, 0.25}, {20, 2.0}, {2, 9.0}}));
    EXPECT_TRUE(QFileInfo::exists(CompanionName(rig.Logs().value(0), ".histo")));
}

TEST_F(RecorderTest, DailySplitCompletesTheDayAtMidnightAndGoesOnInTheNextRecord)
{
    TRecorderOptions options;
    options.SplitDaily = true;
    options.Notes = "Kitchen";
    TRecorderRig rig(App.Paths(), options);
    rig.PlugIn();
    ASSERT_TRUE(rig.Start());
    rig.MeasureSeries(3);
    // Not yet: the clock is short of midnight.
    Services.Now = QDateTime(QDate(2026, 3, 14), QTime(23, 59, 59, 999));
    rig.Recorder->ClockTimerTimer();
    EXPECT_EQ(rig.Logs().size(), 1);
    const QDateTime afterMidnight(QDate(2026, 3, 15), QTime(0, 0, 0, 200));
    Services.Now = afterMidnight;
    rig.Recorder->ClockTimerTimer();
    rig.MeasureSeries(2, 4.0);
    Services.Now = QDateTime(QDate(2026, 3, 15), QTime(13, 0));
    rig.Recorder->ClockTimerTimer();
    rig.Recorder->SaveBeforeExit();

    const QStringList logs = rig.Logs();
    ASSERT_EQ(logs.size(), 2);
    EXPECT_EQ(StoredValues(LogRecords(logs[0])), SentValues(3));
    EXPECT_EQ(StoredValues(LogRecords(logs[1])), SentValues(2, 4.0));
    for (const QString &log : logs) {
        EXPECT_TRUE(QFileInfo::exists(CompanionName(log, ".histo"))) << log.toStdString();
        EXPECT_EQ(RecordMeta(log).Notes.Text(), "Kitchen");
    }
    EXPECT_EQ(FromTDateTime(RecordMeta(logs[1]).StartTime), afterMidnight);
    EXPECT_TRUE(rig.StateLines.contains("record complete: " + logs[0]));
    EXPECT_EQ(rig.StateLines.filter("recording to").size(), 2);
}

TEST_F(RecorderTest, DurationEndsTheRecordThatLongAfterItBeganAndUntilEndsEvenWithoutAMeter)
{
    TRecorderOptions options;
    options.DurationSeconds = 30;
    TRecorderRig rig(App.Paths(), options);
    rig.PlugIn();
    ASSERT_TRUE(rig.Start());
    rig.MeasureSeries(2);
    Services.Now = Services.Now.addSecs(29);
    rig.Recorder->ClockTimerTimer();
    EXPECT_FALSE(rig.ExitCode);
    Services.Now = Services.Now.addSecs(1);
    rig.Recorder->ClockTimerTimer();
    EXPECT_EQ(rig.ExitCode, 0);
    EXPECT_TRUE(QFileInfo::exists(CompanionName(rig.Logs().value(0), ".histo")));
    EXPECT_FALSE(rig.Recorder->Connection->ComPort1.isOpen());
    EXPECT_EQ(rig.StateLines.last(), "recording ended");

    TRecorderOptions until;
    until.Until = Services.Now.addSecs(60);
    TRecorderRig waiting(App.Paths(), until);
    EXPECT_FALSE(waiting.Start());
    Services.Now = Services.Now.addSecs(60);
    waiting.Recorder->ClockTimerTimer();
    EXPECT_EQ(waiting.ExitCode, ExitNoMeter);
    EXPECT_TRUE(waiting.Logs().isEmpty());
}

TEST_F(RecorderTest, AMemoryDumpIsPassedOverButStrayLinesEndTheRecorderWithTheRecordComplete)
{
    TRecorderRig rig(App.Paths());
    rig.PlugIn();
    ASSERT_TRUE(rig.Start());
    rig.MeasureSeries(2);
    QList<QByteArray> dump = DumpHeaderLines(0.5, 3);
    for (double reading : {7.0, 8.0, 9.0})
        dump << MeasurementLine(reading, 0, false);
    rig.Send(dump);
    ASSERT_TRUE(QTest::qWaitFor([&] { return rig.StateLines.last() == "recording live readings again"; }, 5000));
    rig.MeasureSeries(2, 3.0);
    EXPECT_TRUE(Services.Shown.empty()) << Services.Texts().join('\n').toStdString();

    // The program's rule: one stray line is let pass at the short intervals, the next ends it.
    rig.Send({"stray\r\n", "another stray line\r\n"});
    EXPECT_EQ(Services.ExitCodes, std::vector<int>{ExitFileError});
    EXPECT_EQ(StoredValues(LogRecords(rig.Logs().value(0))), Series({{2, 0.25}, {2, 3.0}}));
    EXPECT_TRUE(QFileInfo::exists(CompanionName(rig.Logs().value(0), ".histo")));
    // Without a settings file the record has the program's defaults, and none is made.
    const TMetaData meta = RecordMeta(rig.Logs().value(0));
    EXPECT_EQ(std::tuple(meta.Unit, meta.Interval, meta.Correction), std::tuple(std::uint8_t(1), 0.5, std::int8_t(0)));
    EXPECT_FALSE(QFileInfo::exists(App.Paths().SettingsDir + LastSettingsFileName));
}

const QString Readings = QStringLiteral("zeltar/meter/reading");
const QString Alerts = QStringLiteral("zeltar/meter/alert");

TEST_F(RecorderTest, TheAlertsStartAndEndAreKeptOnItsTopicAndEachReadingSaysWhetherItIsOn)
{
    TLocalBroker broker;
    ASSERT_TRUE(broker.Start());
    TTestClient consumer(broker.Port(), {Readings, Alerts});
    ASSERT_TRUE(consumer.WaitSubscribed());
    TRecorderOptions options;
    options.Publish = TPublishOptions();
    options.Publish->Enabled = true;
    options.Publish->Discovery = false;
    ApplyBrokerUrl(QStringLiteral("mqtt://127.0.0.1:%1").arg(broker.Port()), *options.Publish);
    options.Unit = UnitVm;
    options.Alert = TAlertLimit{.Category = std::nullopt, .Level = 1.0, .HoldSeconds = 0.75};
    TRecorderRig rig(App.Paths(), options);
    rig.PlugIn();
    ASSERT_TRUE(rig.Start());
    ASSERT_TRUE(QTest::qWaitFor([&] { return rig.StateLines.contains("broker connected"); }, 8000));
    // One line half a second after the last, as the meter sends them; returns its time.
    const auto measure = [&](double value) {
        Services.Now = Services.Now.addMSecs(500);
        rig.Send({MeasurementLine(value, 0, false)});
        return Services.Now.toMSecsSinceEpoch();
    };
    // At or above 1 from the second reading; the third below it comes after the hold.
    const std::vector<double> values{0.5, 1.5, 2.0, 0.5, 0.75, 0.5, 0.25};
    std::vector<qint64> times;
    for (const double value : values)
        times.push_back(measure(value));
    ASSERT_TRUE(QTest::qWaitFor([&] { return consumer.PayloadsOn(Readings).size() >= values.size(); }, 5000));
    // Each reading says whether the alert is on; which ones is the session publisher's test.
    for (const QByteArray &payload : consumer.PayloadsOn(Readings))
        EXPECT_TRUE(QJsonDocument::fromJson(payload)["alert"].isBool()) << payload.toStdString();

    // The start says the reading that reached the limit, the end the highest of the alert.
    std::vector<QByteArray> alerts = consumer.PayloadsOn(Alerts);
    alerts.erase(std::unique(alerts.begin(), alerts.end()), alerts.end());
    ASSERT_EQ(alerts.size(), 2u);
    const auto summary = [](const QByteArray &payload) {
        const QJsonObject json = QJsonDocument::fromJson(payload).object();
        return QString("%1 peak %2 limit %3 %4 at %5")
            .arg(json["state"].toString())
            .arg(json["peak"].toDouble())
            .arg(json["limit"].toDouble())
            .arg(json["unit"].toString())
            .arg(QDateTime::fromString(json["time"].toString(), Qt::ISODateWithMs).toMSecsSinceEpoch());
    };
    EXPECT_EQ(summary(alerts[0]), QString("on peak 1.5 limit 1 V/m at %1").arg(times[1]));
    EXPECT_EQ(summary(alerts[1]), QString("off peak 2 limit 1 V/m at %1").arg(times[5]));
    EXPECT_EQ(rig.StateLines.filter("alert"),
              (QStringList{"alert: the readings have reached 1 V/m (peak 1.5000 V/m)", "alert over (peak 2.0000 V/m)"}));

    // Whoever comes later learns that the alert is over.
    TTestClient late(broker.Port(), {Alerts});
    ASSERT_TRUE(QTest::qWaitFor([&] { return !late.MessagesOn(Alerts).empty(); }, 5000));
    EXPECT_TRUE(late.MessagesOn(Alerts).back().Retained);
    EXPECT_EQ(late.MessagesOn(Alerts).back().Payload, alerts[1]);

    // An alert still on when the recorder ends is over before the broker hears "offline".
    measure(3.0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return rig.StateLines.filter("alert:").size() == 2; }, 5000));
    rig.Recorder->SaveBeforeExit();
    const auto lastAlert = [&] { return QJsonDocument::fromJson(late.MessagesOn(Alerts).back().Payload).object(); };
    ASSERT_TRUE(QTest::qWaitFor([&] { return lastAlert()["state"] == "off" && lastAlert()["peak"] == 3.0; }, 5000));
    EXPECT_EQ(rig.StateLines.filter("alert").last(), "alert over (peak 3.0000 V/m)");
}

} // namespace
