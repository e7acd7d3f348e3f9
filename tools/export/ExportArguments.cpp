#include "tools/export/ExportArguments.h"

#include <QCoreApplication>

const char *const ExportUsage =
    "usage: zeltar-export [--summary | --report OUT.pdf] [--population general|sensitive] [--state wake|sleep]\n"
    "                     FILE.zlog\n"
    "Writes the samples of a ZELTAR record as CSV to standard output, or with --summary\n"
    "its metadata, statistics and histogram as 'key: value' lines, or with --report a PDF\n"
    "report of the record (metadata, statistics, charts, risk categories, exposure, alert\n"
    "episodes, peak frequencies) to OUT.pdf. --population and --state choose the risk columns\n"
    "(default general, wake). A damaged record is exported with a warning on standard error.\n";

namespace {

bool TakeChoice(const QStringList &arguments, int &i, const QString &option, const QString &first,
                const QString &second, int &choice, QString &error)
{
    if (i + 1 >= arguments.size()) {
        error = QCoreApplication::translate("ExportCommand", "%1 needs a value: %2 or %3").arg(option, first, second);
        return false;
    }
    const QString value = arguments[++i];
    if (value == first)
        choice = 0;
    else if (value == second)
        choice = 1;
    else {
        error = QCoreApplication::translate("ExportCommand", "bad value for %1: '%2' (expected %3 or %4)")
                    .arg(option, value, first, second);
        return false;
    }
    return true;
}

} // namespace

std::optional<TExportArguments> ParseExportArguments(const QStringList &arguments, QString &error)
{
    TExportArguments parsed;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        if (argument == "--summary")
            parsed.Summary = true;
        else if (argument == "--report") {
            if (i + 1 >= arguments.size() || arguments[i + 1].isEmpty()) {
                error = QCoreApplication::translate("ExportCommand", "--report needs the name of the PDF to write");
                return std::nullopt;
            }
            parsed.ReportFile = arguments[++i];
        }
        else if (argument == "--population") {
            if (!TakeChoice(arguments, i, argument, "general", "sensitive", parsed.Population, error))
                return std::nullopt;
        } else if (argument == "--state") {
            if (!TakeChoice(arguments, i, argument, "wake", "sleep", parsed.State, error))
                return std::nullopt;
        } else if (argument.startsWith("--")) {
            error = QCoreApplication::translate("ExportCommand", "unknown option %1").arg(argument);
            return std::nullopt;
        } else if (!parsed.LogFile.isEmpty()) {
            error = QCoreApplication::translate("ExportCommand",
                                                "only one record can be exported at a time (got '%1' and '%2')")
                        .arg(parsed.LogFile, argument);
            return std::nullopt;
        } else
            parsed.LogFile = argument;
    }
    if (parsed.LogFile.isEmpty()) {
        error = QCoreApplication::translate("ExportCommand", "no record given");
        return std::nullopt;
    }
    if (parsed.Summary && !parsed.ReportFile.isEmpty()) {
        error = QCoreApplication::translate("ExportCommand", "--summary and --report cannot be combined");
        return std::nullopt;
    }
    return parsed;
}
