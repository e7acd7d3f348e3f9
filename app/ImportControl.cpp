// The import of the meter's memory as the main window shows it: the menu entry that starts
// it, its progress bar and status texts, the charts of its replay, and what only the window
// can give it (the settings in its controls, the save and metadata dialogs). The session
// holds the import's state and rules.

#include "app/ImportSaveDialog.h"
#include "app/AcquisitionSettingsPanel.h"
#include "app/MainWindow.h"
#include "charts/LevelHistogram.h"
#include "charts/ChartWidget.h"
#include "model/InOutError.h"
#include "model/Services.h"
#include "dialogs/MetaDataDialog.h"
#include "windows/ChoiceGroup.h"


void TMainWindow::Import1Click()
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

void TMainWindow::WatchImport()
{
    Session.ImportWindow = {
        [this] { return SettingsPanel->ImportSettingsInControls(); },
        [this](const QString &proposed) { return AskSaveFileName(ImportSaveRequest(Paths.LogDir, proposed), this); },
        [this] { return MetaDataDialog->Execute(); },
    };
    // The pipeline leaves the histogram alone while importing: it is drawn once, here.
    connect(&Session, &TAcquisitionSession::ImportReplayed, this, [this] {
        DrawLevelHistogram(*HChart, Session.LiveHistogram(), SettingsPanel->RiskPopulationRG->ItemIndex(), SettingsPanel->RiskStateRG->ItemIndex(),
                           true);
    });
    connect(&Session, &TAcquisitionSession::ImportEnded, this, &TMainWindow::ClosePort);
    connect(&Session, &TAcquisitionSession::Error, this,
            [](const QString &text) { ShowMessageBox(TMsgKind::Error, text); });
}
