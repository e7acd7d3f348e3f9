// The real program, killed while it records, leaves a readable record of every sample but
// those still in the write buffer, each as the meter sent it. The unmodified binary runs in an
// application folder of the test's own, finds the simulated meter where it finds real ones,
// and a small library loaded into it presses Record and confirms the metadata dialog.

#include "model/SampleRecord.h"
#include "tests/support/BuiltProgram.h"
#include "tests/support/TempAppDir.h"
#include "tools/meter-sim/MeterLines.h"
#include "tools/meter-sim/MeterTerminal.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QTest>

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstring>
#include <memory>

namespace {

// The highest name the program looks for, so the one it opens whatever else is plugged in.
const QString MeterLink = QStringLiteral("/dev/ttyUSB255");
// The write buffer at the 0.5 s interval: what it holds is lost with the process.
constexpr int BufferedSamples = 10;

double Reading(int i) { return 0.25 + 0.125 * i; }

class KilledWhileRecording : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override
    {
        if (::geteuid() != 0)
            GTEST_SKIP() << "the program finds its meter only in /dev, and naming it there needs root";
        ASSERT_TRUE(Lock.tryLock(120000)) << "another run holds " << MeterLink.toStdString();
        const QFileInfo link(MeterLink);
        if (link.exists() && !link.isSymLink())
            GTEST_SKIP() << MeterLink.toStdString() << " is a device of this machine";
        QFile::remove(MeterLink); // left by a run that was itself killed
        ASSERT_TRUE(LinkMade = QFile::link(Meter->Path(), MeterLink));
        const QDir resources(BuiltProgramPath("Resources"));
        for (const QString &file : resources.entryList(QDir::Files))
            ASSERT_TRUE(QFile::copy(resources.filePath(file), App.Paths().ResourcesDir + file));
        ASSERT_TRUE(QFile::copy(BuiltProgramPath("zeltar-logger"), App.Paths().AppDir + "zeltar-logger"));
    }
    void TearDown() override
    {
        Program.reset();
        if (LinkMade)
            QFile::remove(MeterLink);
    }

    std::unique_ptr<TMeterTerminal> Meter = TMeterTerminal::OpenPseudoTerminal();
    QLockFile Lock{QDir::temp().filePath("zeltar-ttyUSB255.lock")};
    bool LinkMade = false;
    TempAppDir App;
    std::unique_ptr<TStartedProgram> Program;
};

TEST_P(KilledWhileRecording, LeavesEverySampleButTheBufferedOnesAsSentAndAReadableRecord)
{
    TProgramOptions options;
    options.Environment.insert("QT_QPA_PLATFORM", "offscreen");
    options.Environment.insert("LD_PRELOAD", ZELTAR_RECORD_CLICKER);
    // Under the sanitizers the library comes before their runtime.
    options.Environment.insert("ASAN_OPTIONS", options.Environment.value("ASAN_OPTIONS") + ":verify_asan_link_order=0");
    Program = std::make_unique<TStartedProgram>(App.Paths().AppDir + "zeltar-logger", QStringList(), options);
    // The .meta is written once the recording runs and its dialog is confirmed.
    const QDir logFolder(App.Paths().LogDir);
    ASSERT_TRUE(QTest::qWaitFor([&] { return logFolder.entryList({"*.meta"}).size() == 1; }, 60000))
        << "the recording did not start";
    const QString log = logFolder.filePath(logFolder.entryList({"*.zlog"}).value(0));

    // Sent faster than the meter's 0.5 s: the program's setting is what counts.
    const int sent = GetParam();
    for (int i = 0; i < sent; ++i) {
        const QByteArray line = MeasurementLine(Reading(i), 100 * (i + 1), false);
        ASSERT_EQ(Meter->Write(line), line.size());
        QTest::qWait(20);
    }
    const qint64 flushed = (sent / BufferedSamples) * BufferedSamples * qint64(sizeof(TSampleRecord));
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFileInfo(log).size() >= flushed; }, 20000))
        << QFileInfo(log).size() << " of " << flushed << " bytes";
    Program->Kill();

    const QByteArray bytes = ReadWholeFile(log);
    const int kept = int(bytes.size() / qsizetype(sizeof(TSampleRecord)));
    EXPECT_EQ(bytes.size() % qsizetype(sizeof(TSampleRecord)), 0);
    EXPECT_GE(kept, sent - (BufferedSamples - 1));
    EXPECT_LE(kept, sent);
    for (int i = 0; i < kept; ++i) {
        TSampleRecord expected{};
        MakeSampleRecord(std::uint16_t(100 * (i + 1)), 0, expected, float(Reading(i)));
        EXPECT_EQ(std::memcmp(bytes.constData() + i * sizeof(TSampleRecord), &expected, sizeof expected), 0)
            << "sample " << i;
    }

    const TProgramRun exporter = RunBuiltProgram("zeltar-export", {"--summary", log});
    EXPECT_EQ(exporter.ExitCode, 0);
    EXPECT_TRUE(exporter.OutputText().split('\n').contains(QStringLiteral("samples: %1").arg(kept)))
        << exporter.OutputText().toStdString();
    EXPECT_TRUE(exporter.Errors.contains("no .histo file beside it")) << exporter.Errors.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Samples, KilledWhileRecording, ::testing::Values(7, 23, 40));

} // namespace
