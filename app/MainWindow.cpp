#include "app/MainWindow.h"

#include "app/AcquisitionBar.h"
#include "app/LiveChartsPanel.h"
#include "app/StatusLine.h"
#include "app/Version.h"
#include "device/MeterConnection.h"
#include "dialogs/DialogLook.h"
#include "dialogs/MetaDataDialog.h"
#include "dialogs/ScheduleDialog.h"
#include "dialogs/WidgetStyle.h"
#include "model/DecimalSeparators.h"
#include "model/HandlerErrors.h"
#include "model/InOutError.h"
#include "model/Services.h"
#include "windows/ClickForwarder.h"

#include <QCloseEvent>
#include <QToolButton>

#include <utility>

TMainWindow::TMainWindow(const TAppPaths &paths, QWidget *parent)
    : QMainWindow(parent), Paths(paths), Session(paths.LogDir)
{
    MetaDataDialog = new TMetaDataDialog(Session.DescriptionToEdit(), this);
    ScheduleDialog = new TScheduleDialog(this);
    BuildLayout();
    BuildMenu();
    WireHandlers();
    WatchSession();
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
    connect(Bar->PlayB, &QToolButton::clicked, this, ShowingErrors(this, &TMainWindow::PlayBClick));
    connect(Bar->PauseB, &QToolButton::clicked, this, ShowingErrors(this, &TMainWindow::PauseBClick));
    connect(Bar->RecB, &QToolButton::clicked, this, ShowingErrors(this, &TMainWindow::RecBClick));
    connect(Bar->StopB, &QToolButton::clicked, this, ShowingErrors(this, &TMainWindow::StopBClick));
    connect(Bar->RestartB, &QToolButton::clicked, this, ShowingErrors(this, &TMainWindow::RestartBClick));
    connect(&Session.ScheduledEnd().InterruptREC, &QTimer::timeout, this,
            ShowingErrors(this, &TMainWindow::InterruptRECTimer));

    auto *statusClicks = new TClickForwarder([this] { PanelStatusClick(); }, this);
    statusClicks->Watch({StatusLine});
}

void TMainWindow::WatchSession()
{
    connect(&Session, &TAcquisitionSession::StateChanged, this, &TMainWindow::SetStateIcons);
    connect(&Session, &TAcquisitionSession::LogFileCreated, this, [this] {
        if (LogFileCreated)
            LogFileCreated();
    });
    WatchImport();
}

void TMainWindow::AttachConnectionForm(TMeterConnection &form)
{
    ConnectionForm = &form;
    connect(&form, &QObject::destroyed, this, [this] { ConnectionForm = nullptr; });
    form.OnMeterLost = [this] { MeterDisconnected(); };
    form.OnMeterBack = [this] { MeterReconnected(); };
    if (std::exchange(ListenWhenAttached, false))
        StartListening();
}

bool TMainWindow::PortIsOpen() const
{
    return ConnectionForm && ConnectionForm->ComPort1.isOpen();
}

void TMainWindow::OpenRecord1Click()
{
    if (OpenFileManager)
        OpenFileManager(0);
}

void TMainWindow::Density1Click()
{
    if (OpenFileManager)
        OpenFileManager(1);
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

void TMainWindow::ConnectDevice(bool startListening)
{
    if (ConnectionForm)
        ConnectionForm->ConnectDevice(startListening);
}

void TMainWindow::ClosePort()
{
    if (ConnectionForm)
        ConnectionForm->ClosePort();
}

void TMainWindow::StartListening()
{
    // The connection form opens the port while it is being made, before it is attached.
    if (!ConnectionForm) {
        ListenWhenAttached = true;
        return;
    }
    // An import that waits for its port goes on once the port opens; only Play ends it.
    if (Session.State() == Importing && !Bar->PlayB->isChecked()) {
        Session.ImportPortOpened();
        return;
    }
    Bar->PlayB->setChecked(true);
    PlayBClick();
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
        QStringLiteral("Currently recording. Are you sure you want to stop recording and close the application?"),
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
