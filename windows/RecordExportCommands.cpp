#include "windows/RecordExportCommands.h"

#include "model/FileError.h"
#include "model/ProgramVersion.h"
#include "model/Services.h"
#include "report/ChartPicture.h"
#include "report/RecordExport.h"
#include "report/RecordReport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <algorithm>
#include <cerrno>
#include <functional>

namespace {

constexpr int ProgressSteps = 1000;
constexpr int ProgressDelayMs = 500;

QString &LastFolder()
{
    static QString folder;
    return folder;
}

QString BaseNameOf(const QString &logPath)
{
    return QFileInfo(logPath).completeBaseName();
}

// The chosen path, or empty for Cancel; the folder is remembered for the next dialog.
QString AskExportFile(QWidget *parent, const QString &title, const QString &filter, const QString &suffix,
                      const QString &baseName)
{
    const QString folder = ExportFolder();
    const QString chosen =
        AskSaveFileName({title, filter, suffix, folder, QDir(folder).filePath(baseName + u'.' + suffix)}, parent);
    if (!chosen.isEmpty())
        LastFolder() = QFileInfo(chosen).absolutePath();
    return chosen;
}

void RefuseRecordFile(const QString &path, const QString &logPath)
{
    if (IsFileOfRecord(path, logPath))
        throw EInOutError(QCoreApplication::translate("RecordExportCommands",
                                                     "%1 is a file of the record itself and cannot be replaced by the export")
                              .arg(path));
}

// A command runs the way the windows' handlers run: whatever fails ends it in one error box.
// It returns the file written, or nothing.
QString Guarded(const std::function<QString()> &command)
{
    try {
        return command();
    } catch (const EInOutError &error) {
        ShowMessageBox(TMsgKind::Error, error.Message);
    } catch (const std::exception &error) {
        ShowMessageBox(TMsgKind::Error, QString::fromLocal8Bit(error.what()));
    }
    return {};
}

} // namespace

QString ExportFolder()
{
    if (!LastFolder().isEmpty() && QFileInfo(LastFolder()).isDir())
        return LastFolder();
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

QString SaveReportCommand(QWidget *parent, const TReportRequest &request)
{
    return Guarded([&]() -> QString {
        const QString path = AskExportFile(parent, QCoreApplication::translate("RecordExportCommands", "Give a name to save the report"),
                                           QCoreApplication::translate("RecordExportCommands", "PDF Documents (*.pdf)"), QStringLiteral("pdf"),
                                           BaseNameOf(request.LogPath));
        if (path.isEmpty())
            return {};
        RefuseRecordFile(path, request.LogPath);
        const TBusyCursor busy;
        SaveRecordReport(path, request);
        return path;
    });
}

QString ExportCsvCommand(QWidget *parent, const TReportRequest &request)
{
    return Guarded([&]() -> QString {
        const QString path = AskExportFile(parent, QCoreApplication::translate("RecordExportCommands", "Give a name to save the CSV file"),
                                           QCoreApplication::translate("RecordExportCommands", "CSV Files (*.csv)"), QStringLiteral("csv"),
                                           BaseNameOf(request.LogPath));
        if (path.isEmpty())
            return {};
        RefuseRecordFile(path, request.LogPath);
        QSaveFile file(path);
        errno = 0;
        // The writer hands over blocks of a megabyte: a second buffer would only copy them.
        if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            throw FileError(file, path, errno);

        TProgressWindow progress(
            {.Title = ProgramName,
             .Text = QCoreApplication::translate("RecordExportCommands", "Exporting \"%1\" as CSV…").arg(QFileInfo(request.LogPath).fileName()),
             .CancelText = QCoreApplication::translate("RecordExportCommands", "Cancel"),
             .Maximum = ProgressSteps,
             .DelayMs = ProgressDelayMs},
            parent);
        const auto write = [&](const char *data, std::size_t size) {
            errno = 0;
            if (file.write(data, qint64(size)) != qint64(size))
                throw FileError(file, path, errno);
        };
        const auto step = [&](std::uint64_t done, std::uint64_t total) {
            return !progress.CancelledAt(int(double(done) / double(std::max<std::uint64_t>(total, 1)) * (ProgressSteps - 1)));
        };
        if (!WriteCsv(write, request.LogPath, request.Meta, request.Population, request.State, step)) {
            file.cancelWriting();
            return {};
        }
        errno = 0;
        if (!file.commit())
            throw FileError(file, path, errno);
        return path;
    });
}

QString SavePictureCommand(QWidget *parent, const QString &baseName, const std::vector<const TChartWidget *> &charts,
                           const std::vector<TPictureLegendLine> &legend)
{
    return Guarded([&] {
        const QString path = AskExportFile(parent, QCoreApplication::translate("RecordExportCommands", "Give a name to save the picture"),
                                           QCoreApplication::translate("RecordExportCommands",
                                                                       "PNG Pictures (*.png);;SVG Pictures (*.svg)"),
                                           QStringLiteral("png"), baseName);
        if (!path.isEmpty())
            SaveChartPicture(path, charts, legend);
        return path;
    });
}

QString SavedFileStatus(const QString &sentence, const QString &path)
{
    return sentence.arg(QDir::toNativeSeparators(path));
}
