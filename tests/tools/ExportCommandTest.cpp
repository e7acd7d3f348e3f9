// zeltar-export run as a user runs it, on records written by the program's own file routines.

#include "storage/LogFile.h"
#include "tests/support/BuiltProgram.h"
#include "tests/support/RecordFiles.h"
#include "tests/support/TempAppDir.h"

#include <QDateTime>
#include <QFileInfo>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

TProgramRun RunExport(const QStringList &arguments, const TProgramOptions &options = {})
{
    return RunBuiltProgram("zeltar-export", arguments, options);
}

class ExportCommand : public ::testing::Test {
protected:
    TempAppDir App;

    // A record as a stopped recording leaves it, in the unit given with a correction of 3 dB.
    QString MakeRecord(const QString &name, std::uint8_t unit, const std::vector<TSampleRecord> &samples,
                       const QDateTime &start = QDateTime(QDate(2025, 1, 7), QTime(9, 5, 3)), double interval = 0.5,
                       const QString &operatorName = "Anna Müller", const QString &notes = "Router on")
    {
        return WriteRecord(App.Paths().LogDir, name, samples,
                           MakeMeta(unit, interval, start, operatorName, "Bedroom, 2nd floor", notes, 3));
    }
};

QStringList Lines(const QString &text)
{
    return text.split('\n', Qt::SkipEmptyParts);
}

TEST_F(ExportCommand, CsvRowsCarryTimeLevelAndRiskOfEverySample)
{
    const QString log = MakeRecord("rec", 1, {{1.0f, 2450}, {0.001f, 0}, {0.0f, 900}, {123.456f, 7001}});
    const TProgramRun run = RunExport({log});
    ASSERT_EQ(run.ExitCode, 0) << run.Errors.toStdString();
    EXPECT_EQ(Lines(run.OutputText()), QStringList({
                                  "index,time,value,unit,peak_frequency,level_db,risk_index,risk_category",
                                  "1,2025-01-07 09:05:03.000,1,mW/m²,2450,0.00,20,Moderate",
                                  "2,2025-01-07 09:05:03.500,0.00100000005,mW/m²,0,-30.00,-10,Very low",
                                  "3,2025-01-07 09:05:04.000,0,mW/m²,900,-33.00,-109,Very low",
                                  "4,2025-01-07 09:05:04.500,123.456001,mW/m²,7001,20.92,41,Extreme",
                              }));
    EXPECT_TRUE(run.Errors.isEmpty());
}

TEST_F(ExportCommand, PopulationAndStateShiftTheRiskIndex)
{
    const QString log = MakeRecord("rec", 1, {{1.0f, 0}});
    EXPECT_TRUE(Lines(RunExport({"--population", "sensitive", "--state", "sleep", log}).OutputText())
                    .value(1)
                    .endsWith(",40,Very high"));
    EXPECT_TRUE(Lines(RunExport({"--state", "sleep", log}).OutputText()).value(1).endsWith(",30,High"));
}

// Field strength is converted to density levels; numbers take a point whatever the locale.
TEST_F(ExportCommand, FieldStrengthRecordsInAGermanLocale)
{
    const QString log = MakeRecord("vm", 0, {{1.0f, 0}, {0.6138f, 0}});
    TProgramOptions german;
    german.Environment.insert("LC_ALL", "de_DE.UTF-8");
    german.Environment.insert("LANG", "de_DE.UTF-8");
    const TProgramRun run = RunExport({log}, german);
    ASSERT_EQ(run.ExitCode, 0);
    EXPECT_EQ(Lines(run.OutputText()).mid(1), QStringList({"1,2025-01-07 09:05:03.000,1,V/m,0,4.24,24,High",
                                                           "2,2025-01-07 09:05:03.500,0.613799989,V/m,0,0.00,20,Moderate"}));
}

TEST_F(ExportCommand, SummaryOfAPowerDensityRecord)
{
    const QString log = MakeRecord("2025 01 07 - 09 05 03", 1, {{1.0f, 0}, {4.0f, 0}});
    const TProgramRun run = RunExport({"--summary", log});
    ASSERT_EQ(run.ExitCode, 0) << run.Errors.toStdString();
    QString histogram;
    for (int i = 0; i < 67; ++i)
        histogram += QString(i ? " " : "") + (i == 33 || i == 39 ? "1" : "0");
    EXPECT_EQ(Lines(run.OutputText()), QStringList({
                                  "file: 2025 01 07 - 09 05 03.zlog",
                                  "operator: Anna Müller",
                                  "place: Bedroom, 2nd floor",
                                  "notes: Router on",
                                  "start: 2025-01-07 09:05:03.000",
                                  "unit: mW/m²",
                                  "correction: 3",
                                  "interval: 0.5 sec",
                                  "samples: 2",
                                  "maximum: 4",
                                  "minimum: 1",
                                  "mean: 2.5",
                                  "range_db: 6",
                                  "mode_class_db: 0",
                                  "mode_value: 1",
                                  "histogram: " + histogram,
                                  "risk_index_max: 26",
                                  "risk_category_max: High",
                              }));
}

TEST_F(ExportCommand, MissingMetaFallsBackToTheViewerDefaults)
{
    const QString log = MakeRecord("bare", 0, {{2.0f, 0}});
    ASSERT_TRUE(QFile::remove(CompanionName(log, ".meta")));
    const TProgramRun run = RunExport({"--summary", log});
    ASSERT_EQ(run.ExitCode, 0);
    EXPECT_TRUE(run.Errors.contains("bare.zlog"));
    const QStringList lines = Lines(run.OutputText());
    ASSERT_EQ(lines.size(), 18);
    EXPECT_EQ(lines[1], "operator: ");
    EXPECT_EQ(lines.mid(5, 3), QStringList({"unit: mW/m²", "correction: 0", "interval: 0.5 sec"}));
    EXPECT_TRUE(lines[4].startsWith("start: " + QDate::currentDate().toString("yyyy-MM-dd")) ||
                lines[4].startsWith("start: " + QDate::currentDate().addDays(-1).toString("yyyy-MM-dd")));
}

TEST_F(ExportCommand, AMissingHistogramIsAWarningAndTheSummaryFollows)
{
    const QString log = MakeRecord("killed", 1, {{2.0f, 0}});
    ASSERT_TRUE(QFile::remove(CompanionName(log, ".histo")));
    const TProgramRun run = RunExport({"--summary", log});
    ASSERT_EQ(run.ExitCode, 0);
    EXPECT_TRUE(run.Errors.contains("killed.zlog: no .histo file beside it")) << run.Errors.toStdString();
    EXPECT_EQ(run.Errors.count('\n'), 1);
    EXPECT_EQ(Lines(run.OutputText()).at(8), "samples: 1");
}

TEST_F(ExportCommand, NonFiniteReadingsCountAsZeroAndADamagedIntervalAsHalfASecond)
{
    const float infinity = std::numeric_limits<float>::infinity();
    for (const double interval : {std::nan(""), std::numeric_limits<double>::infinity(), -1.0, 0.0}) {
        const QString log = MakeRecord("damaged", 1, {{infinity, 0}, {std::nanf(""), 0}, {2.0f, 0}, {-infinity, 0}},
                                       QDateTime(QDate(2025, 1, 7), QTime(9, 5, 3)), interval);
        const TProgramRun csv = RunExport({log});
        ASSERT_EQ(csv.ExitCode, 0) << csv.Errors.toStdString();
        EXPECT_EQ(Lines(csv.OutputText()).mid(1), QStringList({
                                             "1,2025-01-07 09:05:03.000,0,mW/m²,0,-33.00,-109,Very low",
                                             "2,2025-01-07 09:05:03.500,0,mW/m²,0,-33.00,-109,Very low",
                                             "3,2025-01-07 09:05:04.000,2,mW/m²,0,3.01,23,High",
                                             "4,2025-01-07 09:05:04.500,0,mW/m²,0,-33.00,-109,Very low",
                                         }))
            << interval;

        const QStringList summary = Lines(RunExport({"--summary", log}).OutputText());
        ASSERT_EQ(summary.size(), 18);
        EXPECT_EQ(summary[7], "interval: 0.5 sec");
        EXPECT_EQ(summary.mid(9, 4), QStringList({"maximum: 2", "minimum: 0", "mean: 0.5", "range_db: 36"}));
        EXPECT_FALSE(summary.join('\n').contains("nan"));
    }
}

TEST_F(ExportCommand, ControlCharactersOfTheMetaTextsStayInsideTheirLine)
{
    const QString operatorName = QString("Anna\r\nunit: V/m") + QChar(0) + "x";
    const QString notes = QString("a") + QChar(0x1b) + "[2J" + QChar(0x7f) + QChar(0x9d) + "\tb";
    const QString log = MakeRecord("ctl", 1, {{1.0f, 0}}, QDateTime(QDate(2025, 1, 7), QTime(9, 5, 3)), 0.5,
                                   operatorName, notes);
    const QStringList lines = Lines(RunExport({"--summary", log}).OutputText());
    ASSERT_EQ(lines.size(), 18);
    EXPECT_EQ(lines[1], "operator: Anna\uFFFD\uFFFDunit: V/m\uFFFDx");
    EXPECT_EQ(lines[3], "notes: a\uFFFD[2J\uFFFD\uFFFD\uFFFDb");
    EXPECT_EQ(lines[5], "unit: mW/m²");
}

TEST_F(ExportCommand, AnIncompleteLastRecordIsIgnored)
{
    const QString log = MakeRecord("torn", 1, {{1, 0}, {2, 0}});
    QFile file(log);
    ASSERT_TRUE(file.open(QIODevice::Append));
    file.write("abc", 3);
    file.close();
    EXPECT_EQ(Lines(RunExport({"--summary", log}).OutputText()).at(8), "samples: 2");
    EXPECT_EQ(Lines(RunExport({log}).OutputText()).size(), 3);
}

TEST_F(ExportCommand, FailuresEndWithOneLineNamingTheCauseAndTouchNothing)
{
    const QString log = MakeRecord("rec", 1, {{1, 0}});
    const QString meta = CompanionName(log, ".meta");
    const QByteArray logBytes = ReadWholeFile(log), metaBytes = ReadWholeFile(meta);
    const QDateTime logTime = QFileInfo(log).lastModified();
    const QString blocked = App.WriteFile("blocker", "x") + "/rec.pdf";

    const TProgramRun missing = RunExport({App.Paths().LogDir + "nothing.zlog"});
    EXPECT_EQ(missing.ExitCode, 1);
    EXPECT_TRUE(missing.Errors.contains("nothing.zlog"));
    EXPECT_TRUE(missing.OutputText().isEmpty());

    for (const QStringList &bad : {QStringList{"--population", "children", log}, QStringList{"--colour", log},
                                   QStringList{}, QStringList{log, log}, QStringList{"--state"},
                                   QStringList{"--report", blocked, log}, QStringList{"--report", log, log},
                                   QStringList{"--report", meta, log}, QStringList{"--summary", "--report", "x.pdf", log},
                                   QStringList{log, "--report"}}) {
        const TProgramRun run = RunExport(bad);
        EXPECT_EQ(run.ExitCode, 1) << bad.join(' ').toStdString();
        EXPECT_EQ(run.Errors.count('\n'), 1) << run.Errors.toStdString();
    }
    EXPECT_FALSE(QFileInfo::exists(blocked));
    EXPECT_EQ(ReadWholeFile(meta), metaBytes);

    App.WriteFile("Log/rec.meta", QByteArray(100, '\0'));
    const TProgramRun shortMeta = RunExport({"--summary", log});
    EXPECT_EQ(shortMeta.ExitCode, 1);
    EXPECT_TRUE(shortMeta.Errors.contains("rec.meta")) << shortMeta.Errors.toStdString();

    EXPECT_EQ(ReadWholeFile(log), logBytes);
    EXPECT_EQ(QFileInfo(log).lastModified(), logTime);
    EXPECT_EQ(ReadWholeFile(meta).size(), 100);
}

TEST_F(ExportCommand, ReportIsWrittenWithoutADisplayInTheChosenRiskColumns)
{
    EXPECT_TRUE(RunExport({"--help"}).OutputText().contains("--report OUT.pdf"));
    const QString log = MakeRecord("rec", 1, {{1.0f, 2450}, {0.001f, 2450}, {0.02f, 900}});
    const QString pdf = App.Paths().AppDir + "rec.pdf";
    TProgramOptions noDisplay;
    noDisplay.Environment.remove("QT_QPA_PLATFORM");
    noDisplay.Environment.remove("DISPLAY");
    const TProgramRun run = RunExport({"--report", pdf, "--population", "sensitive", "--state", "sleep", log}, noDisplay);
    ASSERT_EQ(run.ExitCode, 0) << run.Errors.toStdString();
    EXPECT_TRUE(run.OutputText().isEmpty());
    const QString report = RunProgram("pdftotext", {"-layout", pdf, "-"}).OutputText();
    EXPECT_TRUE(report.contains("population: Sensitive, state: Sleep"));
    // 1 mW/m² is "Very high" for sensitive sleepers, 0.02 mW/m² "Moderate", 0.001 "Low".
    EXPECT_TRUE(report.contains(QRegularExpression(R"(Very high\s+1\s+33.3 %)"))) << report.toStdString();
    EXPECT_TRUE(report.contains(QRegularExpression(R"(2450\s+2\s+66.7 %)")));
}

} // namespace
