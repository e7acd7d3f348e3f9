#pragma once
// Replacing a file's whole content so that readers see either the old or the new file.

#include <QFileDevice>
#include <QString>

#include <cstddef>
#include <optional>

// Writes data to a new file beside path, flushes it to disk and renames it over path.
// Any failure throws EInOutError and leaves the old file (or none) in place. With permissions
// the new file has them from before it holds any byte, whatever the old file had.
void ReplaceFileContent(const QString &path, const void *data, std::size_t size,
                        std::optional<QFileDevice::Permissions> permissions = std::nullopt);
