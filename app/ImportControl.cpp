// The import of the meter's memory as the main window starts it: the menu entry, and what only
// the window can give it (the settings in its panel, the save and metadata dialogs). The session
// holds the import's state and rules; the panels show its progress and its replay.

#include "app/AcquisitionSettingsPanel.h"
#include "app/ImportSaveDialog.h"
#include "app/AcquisitionControl.h"
#include "session/AcquisitionSession.h"
#include "dialogs/MetaDataDialog.h"
#include "model/Services.h"

void TAcquisitionControl::Import1Click()
{
    const TImportConsent consent = Session.AskToImport();
    // A recording that has ended must not go on looking as if it ran.
    if (consent != TImportConsent::Declined)
        PressStopButton();
    if (consent != TImportConsent::Agreed)
        return;
    Session.BeginImport();
    ConnectDevice(false);
}

void TAcquisitionControl::WatchImport()
{
    Session.ImportWindow = {
        [this] { return SettingsPanel->ImportSettingsInControls(); },
        [this](const QString &proposed) { return AskSaveFileName(ImportSaveRequest(Paths.LogDir, proposed), &Window); },
        [this] { return MetaDataDialog->Execute(); },
    };
    connect(&Session, &TAcquisitionSession::ImportEnded, this, &TAcquisitionControl::ClosePort);
    connect(&Session, &TAcquisitionSession::Error, this,
            [](const QString &text) { ShowMessageBox(TMsgKind::Error, text); });
}
