// zeltar-export: a record as CSV, as a summary or as a PDF report, for spreadsheets, for
// checking a record from a terminal and for handing it on. It only reads: nothing is ever
// written to the record's files.

#include "model/AppPaths.h"
#include "model/InOutError.h"
#include "storage/LogFile.h"
#include "model/Risk.h"
#include "report/RecordExport.h"
#include "report/RecordReport.h"
#include "tools/export/ExportArguments.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QStringList>

#include <cstdio>

namespace {

int Fail(const QString &message)
{
    std::fprintf(stderr, "zeltar-export: %s\n", message.toLocal8Bit().constData());
    return 1;
}

// The report is drawn by the program's chart control, which needs an application object; a
// terminal without a display gets the off-screen platform.
int WriteReport(int argc, char **argv, const TExportArguments &arguments, const TExportMeta &meta)
{
    const QString &logPath = arguments.LogFile;
    if (IsFileOfRecord(arguments.ReportFile, logPath))
        return Fail(arguments.ReportFile + ": is a file of the record itself; choose another name for the report");
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt's own notices (no runtime folder, font substitutions) are not the tool's output: a
    // failure is told in one line of its own.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    QApplication application(argc, argv);
    const QString resources = TAppPaths::ResourcesDirFor(QCoreApplication::applicationDirPath());
    if (!LoadRiskPalette(resources))
        return Fail("cannot read the risk palette '" + QDir(resources).filePath("Risk Palette.bmp") + "'");
    SaveRecordReport(arguments.ReportFile, {logPath, meta.Meta, PopulationOfIndex(arguments.Population),
                                            TargetStateOfIndex(arguments.State), meta.Damage});
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (arguments.contains("--help") || arguments.contains("-h")) {
        std::fputs(ExportUsage, stdout);
        return 0;
    }
    QString error;
    const std::optional<TExportArguments> parsed = ParseExportArguments(arguments, error);
    if (!parsed)
        return Fail(error + " (see --help)");

    const QString &logPath = parsed->LogFile;
    const QFileInfo log(logPath);
    if (!log.exists())
        return Fail(logPath + ": no such file");
    if (!log.isFile())
        return Fail(logPath + ": not a record file");
    try {
        const TExportMeta meta = ReadExportMeta(logPath);
        if (!meta.Found)
            std::fprintf(stderr, "zeltar-export: %s: no .meta file beside it; using mW/m², 0.5 sec, correction 0 "
                                 "and the current time as start\n",
                         logPath.toLocal8Bit().constData());
        // A recording that was never stopped (the program was killed) has no histogram file.
        if (!QFileInfo::exists(CompanionName(logPath, ".histo")))
            std::fprintf(stderr, "zeltar-export: %s: no .histo file beside it; the recording may not have been "
                                 "stopped\n",
                         logPath.toLocal8Bit().constData());
        // A damaged record is still exported, with what stands in for its damaged values.
        for (const QString &damage : meta.Damage)
            std::fprintf(stderr, "zeltar-export: %s: %s\n", logPath.toLocal8Bit().constData(),
                         damage.toLocal8Bit().constData());
        if (!parsed->ReportFile.isEmpty())
            return WriteReport(argc, argv, *parsed, meta);
        if (parsed->Summary)
            WriteSummary(stdout, logPath, meta.Meta, SummariseRecord(logPath, meta.Meta.Unit),
                         PopulationOfIndex(parsed->Population), TargetStateOfIndex(parsed->State));
        else
            WriteCsv(stdout, logPath, meta.Meta, PopulationOfIndex(parsed->Population),
                     TargetStateOfIndex(parsed->State));
    } catch (const EInOutError &e) {
        return Fail(e.Message);
    }
    if (std::fflush(stdout) != 0 || std::ferror(stdout))
        return Fail("cannot write the output");
    return 0;
}
