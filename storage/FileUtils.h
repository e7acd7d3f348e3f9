#pragma once
// File routines shared by the record viewer and the file manager: the block copy of a log
// that is being recorded, sizes, recycle-bin deletion, moves that never overwrite, and the
// text of a record's duration. Widget-free; boxes go through the program's services.

#include <QList>
#include <QString>
#include <QStringList>

#include <atomic>
#include <cstdint>
#include <functional>

// Set by anyone to end a running CopyFileByBlocks after its current block; cleared when a
// copy starts.
extern std::atomic<bool> CopyAbortFlag;

// Copies source to destination (created or truncated) in 8192-byte blocks, then gives the
// destination the source's modification time and, with keepAttributes, the source's
// permissions made writable for the owner. progress(done, total) is called with 0 before
// copying, with the bytes copied so far before each block and with the final count.
// Returns 0 on success (also when aborted), -1 when the source cannot be opened, -2 when
// the destination cannot be created (or is the source itself), -3 on a write error,
// -4 on a read error.
int CopyFileByBlocks(const QString &source, const QString &destination, bool keepAttributes,
                     const std::function<void(std::int64_t done, std::int64_t total)> &progress = {});

// Size in bytes; -1 when nothing of that name exists, 0 for a folder.
std::int64_t FileSizeOf(const QString &fileName);

bool IsDirectory(const QString &path);

// A file that could not be moved to the trash, with the system's reason.
struct TRecycleFailure {
    QString FileName;
    QString Reason;
};

// Moves each of the files to the trash. Names are taken as they stand: '*', '?' and brackets
// are ordinary characters of a record's name. Folders and names beginning with '.' are left
// alone. Returns how many went; each file that stayed is added to failures with the reason.
int RecycleFiles(const QStringList &fileNames, QList<TRecycleFailure> &failures);

// One "file: reason" line per file that stayed, for the box that tells the user.
QString RecycleFailureLines(const QList<TRecycleFailure> &failures);

// Moves one file to destination; when a file of that name is there, to "name (2).ext",
// "name (3).ext" ... An existing file is never overwritten. A failure is told in an error
// box naming the file and the system's reason, unless silent.
bool ShellMoveFile(const QString &source, const QString &destination, bool silent);

struct TDuration {
    std::uint32_t Days;
    std::uint8_t Hours, Minutes, Seconds;
};
TDuration SplitDuration(std::uint32_t seconds);

// "~ 1 day ,2 hours, 3 minutes, 4 seconds", "~ 1 hour, 1 second", "~ 2 minutes"; "~ " for 0.
QString DurationText(std::uint32_t seconds);

// "0" for no samples; otherwise the duration text of samples x interval seconds rounded to
// the nearest whole second (halves to even), held within 0 .. 2^32 - 1.
QString RecordDurationText(std::uint64_t samples, double interval);
