#include "tools/screenshots/WindowPictures.h"

#include "app/AcquisitionBar.h"
#include "app/AcquisitionControl.h"
#include "app/AcquisitionSettingsPanel.h"
#include "app/LiveChartsPanel.h"
#include "app/MainWindow.h"
#include "charts/ChartWidget.h"
#include "model/UnitHistogram_COMMON.h"
#include "tools/screenshots/FieldReadings.h"
#include "windows/FolderChainFilter.h"
#include "windows/RecordViewer.h"
#include "windows/DensityAnalyser.h"
#include "windows/FileManager.h"
#include "windows/FolderPicker.h"
#include "windows/RecordInfoPanel.h"
#include "windows/StatisticsPanel.h"

#include <QApplication>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QMouseEvent>
#include <QToolButton>

#include <functional>
#include <stdexcept>

namespace {

// Waits for what the windows do in the background (activation, the file manager's folder tree).
bool ProcessEventsUntil(const std::function<bool()> &done, int milliseconds)
{
    const QDeadlineTimer deadline(milliseconds);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}

void SavePicture(QWidget &window, const QString &pngFile)
{
    window.show();
    // Layouts follow the new texts and sizes over a few turns of the event loop.
    for (int turn = 0; turn < 3; ++turn)
        QApplication::processEvents();
    if (!window.grab().toImage().save(pngFile, "PNG"))
        throw std::runtime_error(QStringLiteral("cannot write %1").arg(pngFile).toStdString());
}

void HoverOverChart(TChartWidget &chart, double x, double y)
{
    const TPlotMapping mapping = chart.Mapping();
    const QPointF point(mapping.Column(x), mapping.Row(y));
    QMouseEvent move(QEvent::MouseMove, point, chart.mapToGlobal(point), Qt::NoButton, Qt::NoButton, {});
    QCoreApplication::sendEvent(&chart, &move);
}

} // namespace

void SaveMainWindowPicture(TMainWindow &mainWindow, const QString &pngFile)
{
    mainWindow.SettingsPanel->IntervalCB->setCurrentText(QStringLiteral("1 sec"));
    mainWindow.SettingsPanel->ApplySettings(Listening);
    mainWindow.Control->SetStateIcons(Listening);
    mainWindow.Charts->Statistics->SetExpanded(true);
    mainWindow.show();
    mainWindow.Bar->PlayB->setChecked(true);

    // A minute beside a Wi-Fi router, the meter naming the strongest band on every line.
    TFieldReadings field({0.45, 2.5, 3.0, 40, 1, 7});
    for (int second = 0; second < 60; ++second) {
        const TFieldReading reading = field.Next(mainWindow.Session.CurrentMetaData().Unit);
        mainWindow.Session.ProcessSample(reading.Frequency, static_cast<float>(reading.Value));
    }
    // The pointer rests on the histogram's tallest bar, so that its read-out shows.
    const int mode = mainWindow.Session.LiveHistogram().ModeIndex + LevelFloorDb;
    mainWindow.Charts->HChart->OnMouseMoveInChart(mainWindow.Charts->HChart, true, {}, mode, 1.0);
    SavePicture(mainWindow, pngFile);
}

void SaveViewerPicture(TRecordViewer &viewer, const QString &logFile, const QString &pngFile)
{
    viewer.OpenRecord(logFile, false);
    if (viewer.TChart->ItemCount() == 0)
        throw std::runtime_error(QStringLiteral("the viewer shows nothing of %1").arg(logFile).toStdString());
    SavePicture(viewer, pngFile);
}

void SaveFileManagerPicture(TFileManager &fileManager, const QString &pngFile)
{
    fileManager.ShowFileManager(TFileManagerMode::OpenRecord);
    // The preview is drawn once the window is active.
    if (!ProcessEventsUntil([&] { return fileManager.InfoPanel->HChart->ItemCount() > 0; }, 5000))
        throw std::runtime_error("the file manager shows no preview");
    const QModelIndex logFolder = fileManager.FolderPicker->DirectoryChain->IndexOf(fileManager.ListedFolder());
    if (!ProcessEventsUntil([&] { return fileManager.FolderPicker->DirectoryChain->rowCount(logFolder) > 0; }, 5000))
        throw std::runtime_error("the file manager's folder tree did not fill in");
    SavePicture(fileManager, pngFile);
}

void SaveAnalyserPicture(TDensityAnalyser &analyser, const QStringList &histogramFiles, const QString &pngFile)
{
    analyser.LoadDensities(histogramFiles);
    if (!analyser.HasDensity())
        throw std::runtime_error("the density analyser draws no curve");
    analyser.show();
    QApplication::processEvents();
    // The pointer over the first record's peak, so that the read-out shows.
    const THistogram first = THistogram::ReadFromFile(histogramFiles.first());
    if (first.Total > 0)
        HoverOverChart(*analyser.HChart, first.Lower + first.ModeIndex, 0.5 * first.MaxCount / first.Total);
    // A text cursor blinking in the line-width box would look like a stray mark.
    analyser.HChart->setFocus();
    SavePicture(analyser, pngFile);
}
