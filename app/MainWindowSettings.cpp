// The settings file as the main window's panels hold it: each writes and takes its own lines.

#include "app/AcquisitionBar.h"
#include "app/AcquisitionSettingsPanel.h"
#include "app/LiveChartsPanel.h"
#include "app/MainWindow.h"

TLastSettings TMainWindow::CurrentSettings() const
{
    TLastSettings settings;
    Bar->WriteSettings(settings);
    SettingsPanel->WriteSettings(settings);
    Charts->WriteSettings(settings);
    return settings;
}

void TMainWindow::ApplyLoadedSettings(const TLastSettings &settings, int linesInEffect)
{
    Bar->ApplyLoadedSettings(settings, linesInEffect);
    SettingsPanel->ApplyLoadedSettings(settings, linesInEffect);
    Charts->ApplyLoadedSettings(settings, linesInEffect);
}
