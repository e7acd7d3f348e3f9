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
#include "translations/Translators.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QStringList>

#include <clocale>
#include <cstdio>
#include <memory>

namespace {

int Fail(const QString &message)
{
    std::fprintf(stderr, "zeltar-export: %s\n", message.toLocal8Bit().constData());
    return 1;
}

// The report is drawn by the program's chart control, which needs a QApplication; a terminal
// without a display gets the off-screen platform. Everything else needs only the core.
std::unique_ptr<QCoreApplication> MakeApplication(int &argc, char **argv, bool drawsReport)
{
    if (!drawsReport)
        return std::make_unique<QCoreApplication>(argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt's own notices (no runtime folder, font substitutions) are not the tool's output: a
    // failure is told in one line of its own.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    return std::make_unique<QApplication>(argc, argv);
}

int WriteReport(const TExportArguments &arguments, const TExportMeta &meta)
{
    const QString &logPath = arguments.LogFile;
    if (IsFileOfRecord(arguments.ReportFile, logPath))
        return Fail(arguments.ReportFile + QCoreApplication::translate("ExportCommand",
                                                                       ": is a file of the record itself; choose "
                                                                       "another name for the report"));
    const QString resources = TAppPaths::ResourcesDirFor(QCoreApplication::applicationDirPath());
    if (!LoadRiskPalette(resources))
        return Fail(QCoreApplication::translate("ExportCommand", "cannot read the risk palette '%1'")
                        .arg(QDir(resources).filePath("Risk Palette.bmp")));
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
    // The messages on standard error and the report follow the locale, as a user at that terminal
    // reads them; what goes to standard output stays English for the scripts that read it.
    const std::unique_ptr<QCoreApplication> application =
        MakeApplication(argc, argv, arguments.contains("--report"));
    // The application object takes the locale's number notation for the C library; the CSV's
    // numbers keep the point.
    std::setlocale(LC_NUMERIC, "C");
    InstallTranslators(ProgramLanguage(std::nullopt, QLocale::system()));
    QString error;
    const std::optional<TExportArguments> parsed = ParseExportArguments(arguments, error);
    if (!parsed)
        return Fail(QCoreApplication::translate("ExportCommand", "%1 (see --help)").arg(error));

    const QString &logPath = parsed->LogFile;
    const QFileInfo log(logPath);
    if (!log.exists())
        return Fail(logPath + QCoreApplication::translate("ExportCommand", ": no such file"));
    if (!log.isFile())
        return Fail(logPath + QCoreApplication::translate("ExportCommand", ": not a record file"));
    try {
        const TExportMeta meta = ReadExportMeta(logPath);
        if (!meta.Found)
            std::fprintf(stderr, "zeltar-export: %s: %s\n", logPath.toLocal8Bit().constData(),
                         qPrintable(QCoreApplication::translate("ExportCommand",
                                                                "no .meta file beside it; using mW/m², 0.5 sec, "
                                                                "correction 0 and the current time as start")));
        // A recording that was never stopped (the program was killed) has no histogram file.
        if (!QFileInfo::exists(CompanionName(logPath, ".histo")))
            std::fprintf(stderr, "zeltar-export: %s: %s\n", logPath.toLocal8Bit().constData(),
                         qPrintable(QCoreApplication::translate("ExportCommand",
                                                                "no .histo file beside it; the recording may not "
                                                                "have been stopped")));
        // A damaged record is still exported, with what stands in for its damaged values.
        for (const QString &damage : meta.Damage)
            std::fprintf(stderr, "zeltar-export: %s: %s\n", logPath.toLocal8Bit().constData(),
                         damage.toLocal8Bit().constData());
        if (!parsed->ReportFile.isEmpty())
            return WriteReport(*parsed, meta);
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
        return Fail(QCoreApplication::translate("ExportCommand", "cannot write the output"));
    return 0;
}
