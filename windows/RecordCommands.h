#pragma once
// What the file manager does with whole records, without a widget: it deletes them to the
// trash, archives or restores them between the Log folder and its Archive folder, says whether
// the viewer must read one from a copy and finds the histograms to compare. The log of the
// recording in progress is neither deleted nor moved: one guard, asking the host, spares it.
// Questions and boxes go through the program's services.

#include "model/AppPaths.h"

#include <QString>
#include <QStringList>

#include <functional>

class IRecordWindowsHost;

class TRecordCommands {
public:
    TRecordCommands(const IRecordWindowsHost &host, const TAppPaths &paths);

    // Whether the recording writes to logPath now, so that it is read from a copy.
    bool IsBeingWritten(const QString &logPath) const;

    // folder: the one listed; logPaths: its highlighted logs, in list order. filesChanged runs
    // once the records have gone, before any box about what stayed. Only within the Log folder
    // and its Archive folder; the first deletion of the run is confirmed.
    void DeleteRecords(const QString &folder, const QStringList &logPaths, const std::function<void()> &filesChanged);
    // From the Log folder to its Archive folder, or back, under a free name.
    void ArchiveRecords(const QString &folder, const QStringList &logPaths, const std::function<void()> &filesChanged);

    // The histogram files of logPaths that exist, in their order; how many are missing is told
    // first. None (and the box that says so) when none exists.
    QStringList HistogramsToCompare(const QStringList &logPaths) const;

    bool DeleteConfirmed() const { return Confirmed; }

private:
    // The guard: whether logPath is the log of the recording in progress.
    bool IsRecordInProgress(const QString &logPath) const;
    // Tells the user when logPath is that log, which is then left alone; notice is the whole
    // sentence for the command at hand ("... It will not be deleted."), %1 for the log.
    bool Spares(const QString &logPath, const QString &notice) const;
    bool FolderIs(const QString &folder, const QString &dir) const;

    const IRecordWindowsHost &Host;
    const TAppPaths Paths;
    bool Confirmed = false;
};
