// zeltar-export run as a user runs it, on records written by the program's own file routines.

#include "storage/LogFile.h"
#include "tests/support/BuiltProgram.h"
#include "tests/support/RecordFiles.h"
#include "tests/support/TempAppDir.h"

#include <QFileInfo>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

static QStringList Lines(const TProgramRun &run)
{
    return run.OutputText().split('\n', Qt::SkipEmptyParts);
}

class ExportCommand : public ::testing::Test {
protected:
    static TProgramRun Export(const QStringList &arguments, const TProgramOptions &options = {})
    {
        return RunBuiltProgram("zeltar-export", arguments, options);
    }

    // A record as a stopped recording leaves it, in mW/m² with a correction of 3 dB.
    QString MakeRecord(const QString &name, const std::vector<TSampleRecord> &samples, double interval = 0.5,
                       const QString &operatorName = "Anna Müller", const QString &notes = "Router on")
    {
        return WriteRecord(App.Paths().LogDir, name, samples,
                           MakeMeta(1, interval, QDateTime(QDate(2025, 1, 7), QTime(9, 5, 3)), operatorName,
                                    "Bedroom, 2nd floor", notes, 3));
    }

    TempAppDir App;
};

TEST_F(ExportCommand, CsvRowsCarryTimeLevelAndRiskOfEverySampleForThePopulationAndState)
{
    const QString log = MakeRecord("rec", {{1.0f, 2450}, {0.001f, 0}, {0.0f, 900}, {123.456f, 7001}});
    const TProgramRun run = Export({log});
    ASSERT_EQ(run.ExitCode, 0) << run.Errors.toStdString();
    EXPECT_EQ(Lines(run), QStringList({"index,time,value,unit,peak_frequency,level_db,risk_index,risk_category",
                                       "1,2025-01-07 09:05:03.000,1,mW/m²,2450,0.00,20,Moderate",
                                       "2,2025-01-07 09:05:03.500,0.00100000005,mW/m²,0,-30.00,-10,Very low",
                                       "3,2025-01-07 09:05:04.000,0,mW/m²,900,-33.00,-109,Very low",
                                       "4,2025-01-07 09:05:04.500,123.456001,mW/m²,7001,20.92,41,Extreme"}));
    EXPECT_TRUE(Lines(Export({"--population", "sensitive", "--state", "sleep", log})).value(1).endsWith(",40,Very high"));
}

// Control characters of damaged .meta texts can never split or corrupt a line.
TEST_F(ExportCommand, SummaryKeepsEveryFieldOnItsOwnLine)
{
    const QString operatorName = QString("Anna\r\nunit: V/m") + QChar(0) + "x";
    const QString notes = QString("a") + QChar(0x1b) + "[2J" + QChar(0x7f) + QChar(0x9d) + "\tb";
    const TProgramRun run = Export({"--summary", MakeRecord("2025 01 07 - 09 05 03", {{1.0f, 0}, {4.0f, 0}}, 0.5,
                                                            operatorName, notes)});
    ASSERT_EQ(run.ExitCode, 0) << run.Errors.toStdString();
    QString histogram = QString("0 ").repeated(67).trimmed(); // one reading in class 33 and one in 39
    histogram[2 * 33] = histogram[2 * 39] = u'1';
    EXPECT_EQ(Lines(run), QStringList({"file: 2025 01 07 - 09 05 03.zlog", "operator: Anna\uFFFD\uFFFDunit: V/m\uFFFDx",
                                       "place: Bedroom, 2nd floor", "notes: a\uFFFD[2J\uFFFD\uFFFD\uFFFDb",
                                       "start: 2025-01-07 09:05:03.000", "unit: mW/m²", "correction: 3",
                                       "interval: 0.5 sec", "samples: 2", "maximum: 4", "minimum: 1", "mean: 2.5",
                                       "range_db: 6", "mode_class_db: 0", "mode_value: 1", "histogram: " + histogram,
                                       "risk_index_max: 26", "risk_category_max: High"}));
}

// As a killed recording leaves it: the viewer's defaults stand in for the .meta.
TEST_F(ExportCommand, MissingCompanionsAreWarningsAndTheSummaryFollows)
{
    const TProgramRun run = Export({"--summary", WriteLog(App.Paths().LogDir, "killed", {{2.0f, 0}})});
    ASSERT_EQ(run.ExitCode, 0);
    EXPECT_TRUE(run.Errors.contains("killed.zlog: no .meta file") && run.Errors.contains("killed.zlog: no .histo file"));
    EXPECT_EQ(Lines(run).mid(5, 4), QStringList({"unit: mW/m²", "correction: 0", "interval: 0.5 sec", "samples: 1"}));
}

TEST_F(ExportCommand, NonFiniteReadingsCountAsZeroAndADamagedIntervalAsHalfASecond)
{
    const float infinity = std::numeric_limits<float>::infinity();
    for (const double interval : {std::nan(""), std::numeric_limits<double>::infinity(), -1.0, 0.0}) {
        const QString log = MakeRecord("damaged", {{infinity, 0}, {std::nanf(""), 0}, {2.0f, 0}, {-infinity, 0}}, interval);
        const TProgramRun csv = Export({log});
        ASSERT_EQ(csv.ExitCode, 0) << csv.Errors.toStdString();
        EXPECT_EQ(Lines(csv).mid(1), QStringList({"1,2025-01-07 09:05:03.000,0,mW/m²,0,-33.00,-109,Very low",
                                                  "2,2025-01-07 09:05:03.500,0,mW/m²,0,-33.00,-109,Very low",
                                                  "3,2025-01-07 09:05:04.000,2,mW/m²,0,3.01,23,High",
                                                  "4,2025-01-07 09:05:04.500,0,mW/m²,0,-33.00,-109,Very low"}))
            << interval;
        const QStringList summary = Lines(Export({"--summary", log}));
        EXPECT_EQ(summary.mid(7, 6), QStringList({"interval: 0.5 sec", "samples: 4", "maximum: 2", "minimum: 0",
                                                  "mean: 0.5", "range_db: 36"}));
    }
}

// An export never replaces the record's own files.
TEST_F(ExportCommand, FailuresEndWithOneLineNamingTheCauseAndTouchNothing)
{
    const QString log = MakeRecord("rec", {{1, 0}});
    const QString meta = CompanionName(log, ".meta");
    const QByteArray logBytes = ReadWholeFile(log), metaBytes = ReadWholeFile(meta);
    const QString blocked = App.WriteFile("blocker", "x") + "/rec.pdf";
    for (const QStringList &bad :
         {QStringList{App.Paths().LogDir + "nothing.zlog"}, {"--population", "children", log}, {"--colour", log}, {},
          {log, log}, {"--state"}, {"--report", blocked, log}, {"--report", log, log}, {"--report", meta, log},
          {"--summary", "--report", "x.pdf", log}, {log, "--report"}}) {
        const TProgramRun run = Export(bad);
        EXPECT_EQ(run.ExitCode, 1) << bad.join(' ').toStdString();
        EXPECT_EQ(run.Errors.count('\n'), 1) << run.Errors.toStdString();
        EXPECT_TRUE(run.OutputText().isEmpty());
    }
    EXPECT_FALSE(QFileInfo::exists(blocked));
    EXPECT_EQ(ReadWholeFile(meta), metaBytes);
    EXPECT_EQ(ReadWholeFile(log), logBytes);
}

TEST_F(ExportCommand, ReportIsWrittenWithoutADisplayForTheChosenPopulationAndState)
{
    const QString pdf = App.Paths().AppDir + "rec.pdf";
    TProgramOptions noDisplay;
    noDisplay.Environment.remove("QT_QPA_PLATFORM");
    const TProgramRun run = Export({"--report", pdf, "--population", "sensitive", "--state", "sleep",
                                    MakeRecord("rec", {{1.0f, 2450}})}, noDisplay);
    ASSERT_EQ(run.ExitCode, 0) << run.Errors.toStdString();
    EXPECT_TRUE(RunProgram("pdftotext", {pdf, "-"}).OutputText().contains("population: Sensitive, state: Sleep"));
}

// A user in a French or Italian locale reads the messages and the report in that language;
// scripts reading standard output get the same English lines in any locale.
TEST_F(ExportCommand, MessagesAndReportFollowTheLocaleAndStandardOutputStaysEnglish)
{
    const QString log = MakeRecord("rec", {{2.0f, 900}, {0.5f, 0}});
    const QString killed = WriteLog(App.Paths().LogDir, "killed", {{2.0f, 900}}); // no .meta, no .histo
    const auto inLocale = [](const QString &locale) {
        TProgramOptions options;
        options.Environment.insert("LC_ALL", locale);
        options.Environment.insert("LANG", locale);
        return options;
    };
    const TProgramOptions english = inLocale("C.UTF-8");
    for (const auto &[locale, missingMeta, unknownOption, statistics] :
         {std::tuple("fr_FR.UTF-8", "pas de fichier .meta", "option inconnue --colour (voir --help)", "Statistiques"),
          std::tuple("it_IT.UTF-8", "nessun file .meta", "opzione sconosciuta --colour (vedere --help)", "Statistiche")}) {
        SCOPED_TRACE(locale);
        const TProgramOptions options = inLocale(locale);
        for (const QStringList &arguments : {QStringList{log}, QStringList{"--summary", log}}) {
            const TProgramRun run = Export(arguments, options);
            ASSERT_EQ(run.ExitCode, 0) << run.Errors.toStdString();
            EXPECT_EQ(run.Output, Export(arguments, english).Output);
        }
        const QString warnings = Export({"--summary", killed}, options).Errors;
        EXPECT_TRUE(warnings.contains(QString::fromUtf8(missingMeta))) << warnings.toStdString();
        EXPECT_EQ(Export({"--colour", log}, options).Errors.trimmed(), QString("zeltar-export: ") + unknownOption);
        const QString pdf = App.Paths().AppDir + locale + ".pdf";
        ASSERT_EQ(Export({"--report", pdf, log}, options).ExitCode, 0);
        EXPECT_TRUE(RunProgram("pdftotext", {pdf, "-"}).OutputText().contains(statistics));
    }
    EXPECT_TRUE(Export({"--colour", log}, english).Errors.contains("unknown option --colour (see --help)"));
}
