#pragma once
// The log file (.zlog): a plain sequence of 8-byte TSampleRecords, no header, no trailer.
// n = size div 8; the bytes of an incomplete last record are ignored by every reader and
// overwritten by the next append. Its companions share its base name (.meta, .histo).

#include "model/SampleRecord.h"
#include "storage/PosixFile.h"

#include <QDateTime>
#include <QString>

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

// logDir (ending with '/') + now as "yyyy MM dd - HH mm ss" in local time + ".zlog".
QString LogFileName(const QString &logDir, const QDateTime &now);

// logPath with its extension (from the last '.' after the last path separator) replaced by
// extension (".meta", ".histo"); appended when the name has none.
QString CompanionName(const QString &logPath, const QString &extension);
// The same, for writing: a path without a record's name (the Log folder itself, or a bare
// ".zlog") has no companion, and EInOutError says so instead of a hidden ".histo" or ".meta".
QString CompanionToWrite(const QString &logPath, const QString &extension);

// Creates the file, or truncates an existing one, to 0 bytes.
void CreateLogFile(const QString &path);

// One open-write-close cycle: writes records after the last whole record of the existing
// file. A file that has disappeared is an EInOutError; it is never created again here.
// A failed write leaves the file as it was (records written before the failure are cut off
// again), so the same records can be appended once more later.
void AppendSamples(const QString &path, const std::vector<TSampleRecord> &records);

// Streams a log in large blocks, so memory does not depend on the log's length.
class TLogReader {
public:
    explicit TLogReader(const QString &path);  // EInOutError when it cannot be opened

    // Whole records in the file when it was opened.
    std::uint64_t Count() const { return TotalCount; }

    // Fills out with the next records; returns how many, 0 at the end. EInOutError on failure.
    std::size_t Read(std::span<TSampleRecord> out);
    // The next Read begins at record index (counted from 0); beyond the end it finds none.
    void SkipTo(std::uint64_t index);

private:
    bool FillBlock();

    TPosixFile File;
    std::uint64_t TotalCount = 0;
    std::uint64_t CountLeftInFile = 0;
    std::unique_ptr<TSampleRecord[]> Block;
    std::size_t BlockStart = 0;
    std::size_t BlockEnd = 0;
};
