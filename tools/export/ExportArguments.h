#pragma once
// Command line of zeltar-export.

#include <QString>
#include <QStringList>

#include <optional>

struct TExportArguments {
    bool Summary = false;
    QString ReportFile; // --report: the PDF to write instead of the CSV
    int Population = 0; // 0 General, 1 Sensitive
    int State = 0;      // 0 Wake, 1 Sleep
    QString LogFile;
};

// The arguments after the program name; on a bad command line, nullopt and the reason in error.
std::optional<TExportArguments> ParseExportArguments(const QStringList &arguments, QString &error);

extern const char *const ExportUsage;
