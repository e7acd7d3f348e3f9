// zeltar-record as a service runs it: ended by SIGTERM it completes the record, tells the
// broker it is offline and exits 0; killed outright it leaves every sample but those its write
// buffer held, as sent, and the broker says it is offline for it. Its exit codes tell a wrong
// command line from a record it cannot make. It runs from an application folder of the test's
// own, so its defaults are that folder's.

#include "model/SampleRecord.h"
#include "storage/LogFile.h"
#include "tests/publish/LocalBroker.h"
#include "tests/publish/TestClient.h"
#include "tests/support/BuiltProgram.h"
#include "tests/support/RecordFiles.h"
#include "tests/support/TempAppDir.h"
#include "tools/meter-sim/MeterLines.h"
#include "tools/meter-sim/MeterTerminal.h"
#include "tools/record/RecorderOptions.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

namespace {

// The write buffer at the 0.5 s interval: what it holds is lost with a killed process.
constexpr int BufferedSamples = 10;

const QString Readings = QStringLiteral("zeltar/meter/reading");
const QString Availability = QStringLiteral("zeltar/meter/availability");

double Reading(int i) { return 0.25 + 0.125 * i; }

class RecordCommand : public ::testing::Test {
protected:
    // Starts the command and waits until its record has begun; returns the log.
    QString StartRecording(const QStringList &options = {})
    {
        const QString program = App.Paths().AppDir + "zeltar-record";
        EXPECT_TRUE(QFile::copy(BuiltProgramPath("zeltar-record"), program));
        Program = std::make_unique<TStartedProgram>(program, QStringList{"--port", Meter->Path()} + options);
        const QDir logs(App.Paths().LogDir);
        EXPECT_TRUE(QTest::qWaitFor([&] { return logs.entryList({"*.meta"}).size() == 1; }, 20000))
            << "the recording did not start";
        return logs.filePath(logs.entryList({"*.zlog"}).value(0));
    }
    // Sent faster than the meter's 0.5 s: the recorder's setting is what counts.
    void Send(int count)
    {
        for (int i = 0; i < count; ++i) {
            const QByteArray line = MeasurementLine(Reading(i), 100 * (i + 1), false);
            ASSERT_EQ(Meter->Write(line), line.size());
            QTest::qWait(20);
        }
    }
    // The recorder's --mqtt to the test's broker, and a consumer of the readings and availability.
    QStringList PublishTo(const TLocalBroker &broker)
    {
        Consumer = std::make_unique<TTestClient>(broker.Port(), QStringList{Readings, Availability});
        EXPECT_TRUE(Consumer->WaitSubscribed());
        return {"--mqtt", QString("mqtt://127.0.0.1:%1").arg(broker.Port()), "--ha-discovery", "off"};
    }
    bool WaitForAvailability(const QByteArray &state) const
    {
        return QTest::qWaitFor([&] {
            const std::vector<QByteArray> states = Consumer->PayloadsOn(Availability);
            return !states.empty() && states.back() == state;
        }, 5000);
    }
    static bool LogHolds(const QString &log, int samples)
    {
        return QFileInfo(log).size() >= samples * qint64(sizeof(TSampleRecord));
    }

    TempAppDir App;
    std::unique_ptr<TMeterTerminal> Meter = TMeterTerminal::OpenPseudoTerminal();
    std::unique_ptr<TStartedProgram> Program;
    std::unique_ptr<TTestClient> Consumer;
};

TEST_F(RecordCommand, SigtermCompletesTheRecordInTheProgramsFolderTellsTheBrokerOfflineAndExitsZero)
{
    TLocalBroker broker;
    ASSERT_TRUE(broker.Start());
    const QString log = StartRecording(PublishTo(broker));
    ASSERT_TRUE(WaitForAvailability("online"));
    Send(7);
    // Fewer than the buffer holds, so the log shows nothing yet: time for the recorder to
    // read them, which the signal must not overtake.
    QTest::qWait(300);
    const TProgramRun run = Program->Terminate();
    EXPECT_EQ(run.ExitCode, 0) << run.Errors.toStdString();
    EXPECT_EQ(LogRecords(log).size(), 7u);
    QStringList histo = QString::fromLatin1(ReadWholeFile(CompanionName(log, ".histo"))).split("\r\n");
    EXPECT_EQ(histo.value(3), "7");
    EXPECT_EQ(RecordMeta(log).Operator.Text(), "Unknown");
    EXPECT_TRUE(run.Errors.contains("recording to " + log)) << run.Errors.toStdString();
    EXPECT_TRUE(run.Errors.contains("record complete: " + log)) << run.Errors.toStdString();
    EXPECT_TRUE(run.Errors.contains("broker connected")) << run.Errors.toStdString();
    EXPECT_TRUE(WaitForAvailability("offline"));
    const std::vector<QByteArray> readings = Consumer->PayloadsOn(Readings);
    ASSERT_GE(readings.size(), 7u);
    const QJsonObject first = QJsonDocument::fromJson(readings.front()).object();
    EXPECT_EQ(first["value"].toDouble(), Reading(0));
    // Without --alert nobody judges the readings: they say nothing of an alert.
    EXPECT_FALSE(first.contains("alert"));
}

TEST_F(RecordCommand, KilledItLosesNoMoreThanTheBufferedSamplesAndItsLastWillSaysOffline)
{
    TLocalBroker broker;
    ASSERT_TRUE(broker.Start());
    const QString log = StartRecording(PublishTo(broker));
    ASSERT_TRUE(WaitForAvailability("online"));
    const int sent = 23;
    Send(sent);
    ASSERT_TRUE(QTest::qWaitFor([&] { return LogHolds(log, (sent / BufferedSamples) * BufferedSamples); }, 20000));
    Program->Kill();
    EXPECT_TRUE(WaitForAvailability("offline"));

    const QByteArray bytes = ReadWholeFile(log);
    const int kept = int(bytes.size() / qsizetype(sizeof(TSampleRecord)));
    EXPECT_EQ(bytes.size() % qsizetype(sizeof(TSampleRecord)), 0);
    EXPECT_GE(kept, sent - (BufferedSamples - 1));
    for (int i = 0; i < kept; ++i) {
        TSampleRecord expected{};
        MakeSampleRecord(std::uint16_t(100 * (i + 1)), 0, expected, float(Reading(i)));
        EXPECT_EQ(std::memcmp(bytes.constData() + i * sizeof(TSampleRecord), &expected, sizeof expected), 0)
            << "sample " << i;
    }
}

TEST_F(RecordCommand, AMistakeInTheOptionsExits2WithTheUsageAndARecordThatCannotBeMadeExits1)
{
    const TProgramRun usage = RunBuiltProgram("zeltar-record", {"--interval", "7"});
    EXPECT_EQ(usage.ExitCode, ExitUsage);
    EXPECT_TRUE(usage.Errors.startsWith("zeltar-record: bad value for --interval: '7'")) << usage.Errors.toStdString();
    EXPECT_TRUE(usage.Errors.contains("usage: zeltar-record"));
    const TProgramRun help = RunBuiltProgram("zeltar-record", {"--help"});
    EXPECT_EQ(help.ExitCode, 0);
    EXPECT_TRUE(help.OutputText().contains("Exit status: 0"));

    ASSERT_TRUE(QFile::copy(BuiltProgramPath("zeltar-record"), App.Paths().AppDir + "zeltar-record"));
    // A folder in which nobody, root included, makes a file.
    const TProgramRun run = RunProgram(App.Paths().AppDir + "zeltar-record",
                                       {"--port", Meter->Path(), "--log-dir", "/proc/sys"}, {.TimeoutMs = 10000});
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_TRUE(run.Errors.contains("zeltar-record: ")) << run.Errors.toStdString();
    EXPECT_TRUE(run.Errors.endsWith("recording ended\n")) << run.Errors.toStdString();
}

// A machine without a desktop runs it: the widget library is not linked.
TEST(RecordCommandLinks, NoWidgetLibrary)
{
    const TProgramRun ldd = RunProgram("ldd", {BuiltProgramPath("zeltar-record")});
    ASSERT_EQ(ldd.ExitCode, 0) << ldd.Errors.toStdString();
    EXPECT_TRUE(ldd.OutputText().contains("libQt6Core")) << ldd.OutputText().toStdString();
    EXPECT_FALSE(ldd.OutputText().contains("libQt6Widgets")) << ldd.OutputText().toStdString();
}

} // namespace
