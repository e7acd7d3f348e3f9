// The recorder against a simulated meter, in-process: the program's settings as defaults and
// its file left alone, one record across an unplugged meter and across a full disk, the daily
// split at midnight with nothing lost, the end of --duration and --until, and a memory dump
// passed over.

#include "tests/tools/RecorderRig.h"

#include "device/MeterConnection.h"
#include "storage/DateTimeConvert.h"
#include "storage/LastSettings.h"
#include "storage/LogFile.h"
#include "tests/support/FakeServices.h"
#include "tests/support/FullDisk.h"
#include "tests/support/QtPrinters.h"
#include "tests/support/RecordFiles.h"
#include "tests/support/TempAppDir.h"
#include "tools/meter-sim/MeterLines.h"

#include <QFileInfo>
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
        EXPECT_EQ(meta.Unit, 0);
        EXPECT_EQ(meta.Interval, 1.0);
        EXPECT_EQ(meta.Correction, 6);
        EXPECT_EQ(meta.Operator.Text(), "Ann");
        EXPECT_EQ(meta.Place.Text(), "Roof");
        EXPECT_EQ(meta.Notes.Text(), "None");
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
    EXPECT_TRUE(rig.StateLines.contains("meter lost"));
    EXPECT_EQ(rig.StateLines.mid(rig.StateLines.indexOf("meter lost")),
              (QStringList{"meter lost", "meter back", "record complete: " + log}));
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

} // namespace
