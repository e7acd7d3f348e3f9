#pragma once
// Replacing a file's whole content so that readers see either the old or the new file.

#include <QString>

#include <cstddef>

// Writes data to a new file beside path, flushes it to disk and renames it over path.
// Any failure throws EInOutError and leaves the old file (or none) in place.
void ReplaceFileContent(const QString &path, const void *data, std::size_t size);
