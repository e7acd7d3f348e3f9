#pragma once
// Files of options, one "Key=Value" line each, UTF-8: the program's own options and the
// publishing options. A backslash, a line break or a carriage return in a value is written as
// \\, \n or \r, so that any text stays on its line.

#include <QFileDevice>
#include <QString>

#include <optional>
#include <utility>
#include <vector>

using TKeyValues = std::vector<std::pair<QString, QString>>;

// The lines of the file in their order; a missing or unreadable file has none, and a line
// without a key is skipped.
TKeyValues ReadKeyValueFile(const QString &path);
// Replaces the file with lines (see ReplaceFileContent for permissions); throws EInOutError.
void WriteKeyValueFile(const QString &path, const TKeyValues &lines,
                       std::optional<QFileDevice::Permissions> permissions = std::nullopt);
