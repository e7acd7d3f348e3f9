// Listening and recording control: Play, Record, Pause, Stop and Restart, the icons of each
// state, and the settings that a recording locks.

#include "app/AcquisitionControl.h"

#include "app/AcquisitionBar.h"
#include "app/AcquisitionSettingsPanel.h"
#include "app/LiveChartsPanel.h"
#include "app/Version.h"
#include "dialogs/MetaDataDialog.h"
#include "model/InOutError.h"
#include "model/Services.h"
#include "session/AcquisitionSession.h"
#include "session/DeferredError.h"

#include <QCoreApplication>
#include <QApplication>
#include <QProgressBar>
#include <QToolButton>
#include <QWidget>

namespace {

QString ConnectFirstMessage()
{
    return QCoreApplication::translate("TAcquisitionControl", "Please connect a ZELTAR device first");
}

QString StateIconFile(TRecordingState state)
{
    switch (state) {
    case Listening: return QStringLiteral("Zeltar_Listen.ico");
    case Recording: return QStringLiteral("Zeltar_Rec.ico");
    case Importing: return QStringLiteral("Zeltar_import.ico");
    case Stopped: break;
    }
    return QStringLiteral("Zeltar.ico");
}

} // namespace

void TAcquisitionControl::PlayBClick()
{
    if (!PortIsOpen()) {
        // Once the port opens, the connection form starts listening through this action.
        ConnectDevice(true);
        if (!PortIsOpen())
            ShowMessageBox(TMsgKind::Information, ConnectFirstMessage());
        return;
    }
    Window.setWindowTitle(VersionCaption);
    if (Session.State() == Recording) {
        const TMsgAnswer answer = ShowMessageBox(TMsgKind::Confirmation,
                                                 QCoreApplication::translate("TAcquisitionControl", "Are you sure you want to stop recording?"),
                                                 TMsgButtons::YesCancel);
        // The scheduled end may have stopped the recording (and closed the port) meanwhile:
        // then listening starts as from there.
        if (Session.State() != Recording) {
            if (answer == TMsgAnswer::Yes)
                PlayBClick();
            return;
        }
        // The settings stay locked: the recording goes on.
        if (answer != TMsgAnswer::Yes) {
            Bar->RecB->setChecked(true);
            return;
        }
    }
    const TAcquisitionChoice choice = SettingsPanel->SettingsInControls();
    SettingsPanel->UnlockAcquisitionSettings();
    Bar->ProgressBar->hide();
    SettingsPanel->AppliedChoice = choice;
    Session.StartListening(choice);
}

void TAcquisitionControl::RecBClick()
{
    if (!PortIsOpen())
        ConnectDevice(false);
    if (!PortIsOpen()) {
        ShowMessageBox(TMsgKind::Information, ConnectFirstMessage());
        return;
    }
    Window.setWindowTitle(VersionCaption);
    // Nothing changes for a box holding no valid number: the run in progress goes on as it
    // was, its settings free to be corrected unless it is a recording.
    const TAcquisitionChoice choice = SettingsPanel->SettingsInControls();
    SettingsPanel->LockAcquisitionSettings();
    Bar->ProgressBar->hide();
    SettingsPanel->AppliedChoice = choice;
    try {
        Session.StartRecording(choice);
    } catch (const EInOutError &) {
        // No log could be made: the session listens instead.
        SettingsPanel->UnlockAcquisitionSettings();
        Bar->PlayB->setChecked(true);
        throw;
    }
    if (Session.IsRestarting())
        return;
    if (MetaDataDialog->Execute())
        Session.WriteRecordMeta();
}

void TAcquisitionControl::PauseBClick()
{
    if (Bar->PauseB->isChecked() && Bar->StopB->isChecked()) {
        // Nothing arrives while stopped, so there is nothing to hold.
        Bar->PauseB->setChecked(false);
    } else {
        Session.SetOnHold(Bar->PauseB->isChecked());
    }
}

void TAcquisitionControl::StopBClick()
{
    // A save that could not be written does not keep the recording from stopping.
    TDeferredError saveError;
    saveError.Run([this] { Session.Stop(); });
    ClosePort();
    SettingsPanel->UnlockAcquisitionSettings();
    Charts->Clear();
    saveError.Rethrow();
}

void TAcquisitionControl::RestartBClick()
{
    if (Session.State() == Listening) {
        SettingsPanel->ApplySettings(Listening);
        return;
    }
    if (Session.State() != Recording)
        return;
    if (ShowMessageBox(TMsgKind::Confirmation, QCoreApplication::translate("TAcquisitionControl", "Are you sure you want to start over the recording?"),
                       TMsgButtons::YesCancel) != TMsgAnswer::Yes
        || Session.State() != Recording)
        return;
    Session.RestartRecording([this] {
        PressStopButton();
        PressRecordButton();
    });
}

void TAcquisitionControl::PressRecordButton()
{
    Bar->RecB->setChecked(true);
    RecBClick();
}

void TAcquisitionControl::PressStopButton()
{
    Bar->StopB->setChecked(true);
    StopBClick();
}

void TAcquisitionControl::SetStateIcons(TRecordingState state)
{
    const QIcon icon(Paths.ResourcesDir + StateIconFile(state));
    Window.setWindowIcon(icon);
    QApplication::setWindowIcon(icon);
}
