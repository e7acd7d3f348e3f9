// zeltar-export: a record as CSV or as a summary, for spreadsheets and for checking a record
// from a terminal. It only reads: nothing is ever written to the record's files.

#include "model/InOutError.h"
#include "storage/LogFile.h"
#include "tools/export/ExportArguments.h"
#include "tools/export/RecordExport.h"

#include <QFileInfo>
#include <QStringList>

#include <cstdio>

namespace {

int Fail(const QString &message)
{
    std::fprintf(stderr, "zeltar-export: %s\n", message.toLocal8Bit().constData());
    return 1;
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
        if (parsed->Summary)
            WriteSummary(stdout, logPath, meta.Meta, SummariseRecord(logPath, meta.Meta.Unit), parsed->Population,
                         parsed->State);
        else
            WriteCsv(stdout, logPath, meta.Meta, parsed->Population, parsed->State);
    } catch (const EInOutError &e) {
        return Fail(e.Message);
    }
    if (std::fflush(stdout) != 0 || std::ferror(stdout))
        return Fail("cannot write the output");
    return 0;
}
