// The main window's side of the settings file: the eight settings as its panels hold them, and
// loaded settings put back into the panels.

#include "app/AcquisitionBar.h"
#include "app/AcquisitionSettingsPanel.h"
#include "app/LiveChartsPanel.h"
#include "app/MainWindow.h"
#include "windows/StatisticsPanel.h"

TLastSettings TMainWindow::CurrentSettings() const
{
    TLastSettings settings;
    settings.AlertsOn = Bar->AlertsOn();
    settings.Unit = Session.CurrentMetaData().Unit;
    SettingsPanel->WriteSettings(settings);
    settings.StatisticsExpanded = Charts->Statistics->Expanded();
    return settings;
}

void TMainWindow::ApplyLoadedSettings(const TLastSettings &settings, int linesInEffect)
{
    if (linesInEffect < 1)
        return;
    Bar->SetAlertsOn(settings.AlertsOn);

    SettingsPanel->ApplyLoadedSettings(settings, linesInEffect);
    if (linesInEffect < 8)
        return;
    Charts->Statistics->SetExpanded(settings.StatisticsExpanded);
}
