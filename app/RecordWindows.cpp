#include "app/RecordWindows.h"

#include "windows/ExportChoiceDialog.h"
#include "app/AcquisitionSettingsPanel.h"
#include "app/MainWindow.h"

TRecordWindows::TRecordWindows(TMainWindow &mainWindow, const TAppPaths &paths)
    : DensityAnalyser(paths, &mainWindow), RecordViewer(*this, paths, &mainWindow), FileManager(*this, paths, &mainWindow),
      MainWindow(mainWindow)
{
    FileManager.OnOpenRecord = [this](const QString &logFile, bool useTempCopy) { RecordViewer.OpenRecord(logFile, useTempCopy); };
    FileManager.OnShowDensities = [this](const QStringList &histogramFiles) { DensityAnalyser.LoadDensities(histogramFiles); };
    FileManager.OnExportRecord = [this](const QString &logFile) {
        ExportPickedRecord(&MainWindow, logFile, RiskPopulation(), RiskState());
    };
    RecordViewer.OnOpenAnotherRecord = [this] { FileManager.ShowFileManager(TFileManagerMode::OpenRecord); };

    MainWindow.OpenFileManager = [this](TFileManagerMode mode) { FileManager.ShowFileManager(mode); };
    MainWindow.ShowDensityAnalyser = [this] { DensityAnalyser.ShowDensityAnalyser(); };
    MainWindow.LogFileCreated = [this] { FileManager.RefreshFileList(); };
}

TRecordWindows::~TRecordWindows()
{
    MainWindow.OpenFileManager = nullptr;
    MainWindow.ShowDensityAnalyser = nullptr;
    MainWindow.LogFileCreated = nullptr;
}

QString TRecordWindows::CurrentLogFile() const
{
    return MainWindow.Session.CurrentLogFile();
}

bool TRecordWindows::IsRecording() const
{
    return MainWindow.Session.State() == Recording;
}

void TRecordWindows::HoldLineDelivery(bool hold)
{
    MainWindow.Session.HoldLineDelivery(hold);
}

TPopulation TRecordWindows::RiskPopulation() const
{
    return MainWindow.SettingsPanel->Population();
}

TTargetState TRecordWindows::RiskState() const
{
    return MainWindow.SettingsPanel->TargetState();
}
