#include "app/AcquisitionControl.h"

#include "app/AcquisitionBar.h"
#include "device/MeterConnection.h"
#include "dialogs/MetaDataDialog.h"
#include "dialogs/ScheduleDialog.h"
#include "model/HandlerErrors.h"
#include "session/AcquisitionSession.h"

#include <QToolButton>

#include <utility>

TAcquisitionControl::TAcquisitionControl(QWidget &window, TAcquisitionSession &session, TAcquisitionBar &bar,
                                         TAcquisitionSettingsPanel &settings, TLiveChartsPanel &charts,
                                         const TAppPaths &paths)
    : QObject(&window), Window(window), Session(session), Bar(&bar), SettingsPanel(&settings), Charts(&charts),
      Paths(paths)
{
    MetaDataDialog = new TMetaDataDialog(Session.DescriptionToEdit(), &window);
    ScheduleDialog = new TScheduleDialog(&window);
    connect(Bar->PlayB, &QToolButton::clicked, this, ShowingErrors(this, &TAcquisitionControl::PlayBClick));
    connect(Bar->PauseB, &QToolButton::clicked, this, ShowingErrors(this, &TAcquisitionControl::PauseBClick));
    connect(Bar->RecB, &QToolButton::clicked, this, ShowingErrors(this, &TAcquisitionControl::RecBClick));
    connect(Bar->StopB, &QToolButton::clicked, this, ShowingErrors(this, &TAcquisitionControl::StopBClick));
    connect(Bar->RestartB, &QToolButton::clicked, this, ShowingErrors(this, &TAcquisitionControl::RestartBClick));
    connect(&Session.ScheduledEnd().InterruptREC, &QTimer::timeout, this,
            ShowingErrors(this, &TAcquisitionControl::InterruptRECTimer));
    connect(&Session, &TAcquisitionSession::StateChanged, this, &TAcquisitionControl::SetStateIcons);
    WatchImport();
}

void TAcquisitionControl::AttachConnectionForm(TMeterConnection &form)
{
    ConnectionForm = &form;
    connect(&form, &QObject::destroyed, this, [this] { ConnectionForm = nullptr; });
    if (std::exchange(ListenWhenAttached, false))
        StartListening();
}

bool TAcquisitionControl::PortIsOpen() const
{
    return ConnectionForm && ConnectionForm->ComPort1.isOpen();
}

void TAcquisitionControl::ConnectDevice(bool startListening)
{
    if (ConnectionForm)
        ConnectionForm->ConnectDevice(startListening);
}

void TAcquisitionControl::ClosePort()
{
    if (ConnectionForm)
        ConnectionForm->ClosePort();
}

void TAcquisitionControl::StartListening()
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
