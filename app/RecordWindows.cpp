#include "app/RecordWindows.h"

#include "windows/ChoiceGroup.h"
#include "windows/ExportChoiceDialog.h"
#include "app/UnitMain.h"

TRecordWindows::TRecordWindows(TForm1 &mainWindow, const TAppPaths &paths)
    : Form4(paths, &mainWindow), Form3(*this, paths, &mainWindow), Form7(*this, paths, &mainWindow),
      MainWindow(mainWindow)
{
    Form7.OnOpenRecord = [this](const QString &logFile, bool useTempCopy) { Form3.OpenRecord(logFile, useTempCopy); };
    Form7.OnShowDensities = [this](const QStringList &histogramFiles) { Form4.LoadDensities(histogramFiles); };
    Form7.OnExportRecord = [this](const QString &logFile) {
        ExportPickedRecord(&MainWindow, logFile, RiskPopulationIndex(), RiskStateIndex());
    };
    Form3.OnOpenAnotherRecord = [this] { Form7.ShowFileManager(0); };

    MainWindow.OpenFileManager = [this](int mode) { Form7.ShowFileManager(mode); };
    MainWindow.ShowDensityAnalyser = [this] { Form4.ShowDensityAnalyser(); };
    MainWindow.LogFileCreated = [this] { Form7.RefreshFileList(); };
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
    MainWindow.HoldLineDelivery(hold);
}

int TRecordWindows::RiskPopulationIndex() const
{
    return MainWindow.RiskPopulationRG->ItemIndex();
}

int TRecordWindows::RiskStateIndex() const
{
    return MainWindow.RiskStateRG->ItemIndex();
}
