#pragma once
// The name proposed for a record imported from the meter's memory.

#include <QString>

// logDir (ending with '/') + "Import" + n + ".zlog", n the smallest whole number from 1 up
// whose file does not exist yet. The search stops at 2147483647, which is then proposed.
QString ProposedImportName(const QString &logDir);
