#include "app/MainWindow.h"

#include "app/AcquisitionBar.h"
#include "app/AcquisitionControl.h"
#include "app/AcquisitionSettingsPanel.h"
#include "app/AlertsControl.h"
#include "app/LiveChartsPanel.h"
#include "app/PublishingControl.h"
#include "app/StatusLine.h"
#include "app/Version.h"
#include "dialogs/DialogLook.h"
#include "dialogs/WidgetStyle.h"
#include "model/DecimalSeparators.h"
#include "model/HandlerErrors.h"
#include "model/InOutError.h"
#include "device/MeterConnection.h"
#include "model/Services.h"
#include "windows/ChoiceGroup.h"
#include "windows/ClickForwarder.h"

#include <QCloseEvent>

TMainWindow::TMainWindow(const TAppPaths &paths, QWidget *parent)
    : QMainWindow(parent), Paths(paths), Session(paths.LogDir)
{
    BuildLayout();
    Alerts = new TAlertsControl(
        Session, {Bar->AlertsSwitch, StatusLine, SettingsPanel->RiskPopulationRG, SettingsPanel->RiskStateRG}, Paths, this);
    Bar->OnAlertsSwitched = [this](bool on) { Alerts->SetSwitch(on); };
    StatusLine->ShowsAlert = [this] { return Alerts->ShowStatus(); };
    BuildMenu();
    WireHandlers();
    WatchSession();
    Publishing = std::make_unique<TPublishingControl>(
        Session, Paths.SettingsDir,
        TPublishingControl::TWindow{[this] {
                                        return std::pair(PopulationOfIndex(SettingsPanel->RiskPopulationRG->ItemIndex()),
                                                         TargetStateOfIndex(SettingsPanel->RiskStateRG->ItemIndex()));
                                    },
                                    [this](const QString &text) { ShowNotice(text); }},
        this);
    Publishing->Start();
    FormCreate();
}

TMainWindow::~TMainWindow() = default;

void TMainWindow::FormCreate()
{
    setWindowIcon(QIcon(Paths.ResourcesDir + "Zeltar.ico"));
    CheckDecimalSeparator();
    Session.ResetStatistics();
}

void TMainWindow::WireHandlers()
{
    auto *statusClicks = new TClickForwarder([this] { PanelStatusClick(); }, this);
    statusClicks->Watch({StatusLine});
}

void TMainWindow::WatchSession()
{
    connect(&Session, &TAcquisitionSession::LogFileCreated, this, [this] {
        if (LogFileCreated)
            LogFileCreated();
    });
    connect(&Session, &TAcquisitionSession::Error, this,
            [](const QString &text) { ShowMessageBox(TMsgKind::Error, text); });
}

void TMainWindow::AttachConnectionForm(TMeterConnection &form)
{
    // A meter unplugged during a run: the session keeps what was received, and once the same
    // port opens again the run goes on where it was.
    form.OnMeterLost = [this] { Session.MeterLost(); };
    form.OnMeterBack = [this] { StatusLine->ShowRunningStatus(); };
    Control->AttachConnectionForm(form);
}

void TMainWindow::OpenRecord1Click()
{
    if (OpenFileManager)
        OpenFileManager(TFileManagerMode::OpenRecord);
}

void TMainWindow::Density1Click()
{
    if (OpenFileManager)
        OpenFileManager(TFileManagerMode::ShowDensities);
}

void TMainWindow::DensityAnalyser1Click()
{
    if (ShowDensityAnalyser)
        ShowDensityAnalyser();
}

void TMainWindow::PanelStatusClick()
{
    OpenRecord1Click();
}

void TMainWindow::StartListening()
{
    Control->StartListening();
}

void TMainWindow::ShowStatus(const QString &text)
{
    StatusLine->ShowStatus(text);
}

void TMainWindow::ShowNotice(const QString &text)
{
    StatusLine->ShowNotice(text);
}

void TMainWindow::SaveRecordingBeforeExit()
{
    Session.SaveBeforeExit();
}

void TMainWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    FormShow();
}

void TMainWindow::FormShow()
{
    if (FirstShown)
        return;
    setWindowTitle(VersionCaption);
    CentreOnScreen(*this);
    FirstShown = true;
    Charts->PlaceChartReadouts();
}

void TMainWindow::closeEvent(QCloseEvent *event)
{
    if (FormCloseQuery())
        event->accept();
    else
        event->ignore();
}

bool TMainWindow::FormCloseQuery()
{
    if (Session.State() != Recording) {
        // A record that still lacks files gets its last chance to be completed.
        if (Session.HasUnsavedFiles())
            RunShowingErrors([this] { SaveRecordingBeforeExit(); });
        return true;
    }
    const TMsgAnswer answer = ShowMessageBox(
        TMsgKind::Confirmation,
        tr("Currently recording. Are you sure you want to stop recording and close the application?"),
        TMsgButtons::OkCancel);
    if (answer != TMsgAnswer::Ok)
        return false;
    try {
        SaveRecordingBeforeExit();
    } catch (const EInOutError &error) {
        // The user asked to close: what could be saved is saved, and the window goes.
        ShowMessageBox(TMsgKind::Error, error.Message);
    }
    return true;
}
