#include "windows/RecordCommands.h"

#include "model/Services.h"
#include "storage/FileUtils.h"
#include "storage/LogFile.h"
#include "windows/RecordFileMoves.h"
#include "windows/RecordWindowsHost.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

QString CleanPath(const QString &path)
{
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

} // namespace

TRecordCommands::TRecordCommands(const IRecordWindowsHost &host, const TAppPaths &paths) : Host(host), Paths(paths)
{
}

bool TRecordCommands::FolderIs(const QString &folder, const QString &dir) const
{
    return CleanPath(folder) == CleanPath(dir);
}

// CurrentLogFile names the Log folder while nothing records, which is no log of the list.
bool TRecordCommands::IsRecordInProgress(const QString &logPath) const
{
    return CleanPath(logPath) == CleanPath(Host.CurrentLogFile());
}

bool TRecordCommands::Spares(const QString &logPath, const QString &notice) const
{
    if (!IsRecordInProgress(logPath))
        return false;
    ShowMessageBox(TMsgKind::Plain, notice.arg(Host.CurrentLogFile()));
    return true;
}

bool TRecordCommands::IsBeingWritten(const QString &logPath) const
{
    return Host.IsRecording() && IsRecordInProgress(logPath);
}

void TRecordCommands::DeleteRecords(const QString &folder, const QStringList &logPaths,
                                    const std::function<void()> &filesChanged)
{
    if (!FolderIs(folder, Paths.LogDir) && !FolderIs(folder, Paths.ArchiveDir)) {
        ShowMessageBox(TMsgKind::Plain,
                       QCoreApplication::translate("RecordCommands", "File deletion is allowed only within the \"Log\" or \"Archive\" directory"));
        return;
    }
    if (!Confirmed) {
        if (ShowMessageBox(TMsgKind::Confirmation, QCoreApplication::translate("RecordCommands", "Do you really want to delete the highlighted files ?"),
                           TMsgButtons::YesCancel) != TMsgAnswer::Yes)
            return;
        Confirmed = true;
    }
    QList<TRecycleFailure> stayed;
    for (const QString &logPath : logPaths)
        if (!Spares(logPath, QCoreApplication::translate(
                                    "RecordCommands",
                                    "You have highlighted the file currently being recorded (%1). It will not be deleted.")))
            RecycleRecordFiles(logPath, stayed);
    filesChanged();
    // No desktop dialog tells of a failed move to the trash here, so the user is told once.
    if (!stayed.isEmpty())
        ShowMessageBox(TMsgKind::Warning,
                       QCoreApplication::translate("RecordCommands", "These files could not be moved to the recycle bin and were not deleted:\n") +
                           RecycleFailureLines(stayed));
}

void TRecordCommands::ArchiveRecords(const QString &folder, const QStringList &logPaths,
                                     const std::function<void()> &filesChanged)
{
    QString destination;
    if (FolderIs(folder, Paths.LogDir)) {
        destination = Paths.ArchiveDir;
    } else if (FolderIs(folder, Paths.ArchiveDir)) {
        destination = Paths.LogDir;
    } else {
        ShowMessageBox(TMsgKind::Plain,
                       QCoreApplication::translate("RecordCommands",
                                                   "You can archive or restore files only if the current directory is the "
                                      "default \"Log\" directory or its \"Archive\" folder, respectively"));
        return;
    }
    // Moving the log in recording away would make the recording's next batch fail.
    for (const QString &logPath : logPaths)
        if (!Spares(logPath, QCoreApplication::translate(
                                    "RecordCommands",
                                    "You have highlighted the file currently being recorded (%1). It will not be moved.")))
            MoveRecordFiles(logPath, destination);
    filesChanged();
}

QStringList TRecordCommands::HistogramsToCompare(const QStringList &logPaths) const
{
    QStringList existing;
    int missing = 0;
    for (const QString &logPath : logPaths) {
        const QString histogramFile = CompanionName(logPath, QStringLiteral(".histo"));
        if (QFileInfo(histogramFile).isFile())
            existing << histogramFile;
        else
            ++missing;
    }
    if (existing.isEmpty()) {
        ShowMessageBox(TMsgKind::Plain, QCoreApplication::translate("RecordCommands", "The Histogram files corresponding to the Log files you have "
                                                       "selected do not exist. Densities cannot be shown."));
        return {};
    }
    if (missing > 0)
        ShowMessageBox(TMsgKind::Plain,
                       QCoreApplication::translate("RecordCommands",
                                                   "%1 Histogram files corresponding to the Log files you have selected do not "
                                                   "exist. The density will be shown only for the existing files")
                           .arg(missing));
    return existing;
}
