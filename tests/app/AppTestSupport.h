#pragma once
// A main window in a temporary application folder holding the installation's resources, with
// fake services: the boxes recorded, the clock where the test sets it.

#include "app/AcquisitionBar.h"
#include "app/AcquisitionControl.h"
#include "app/AcquisitionSettingsPanel.h"
#include "app/LiveChartsPanel.h"
#include "app/MainWindow.h"
#include "app/StatusLine.h"
#include "tests/support/FakeServices.h"
#include "tests/support/TempAppDir.h"

#include <gtest/gtest.h>

#include <memory>

// Copies the generated resources of the build into paths.ResourcesDir and loads the palette.
void InstallResources(const TAppPaths &paths);

class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest();

    // One measurement as the connection form hands it over.
    void Feed(float value, int frequency = 0) { Form->Session.ProcessSample(frequency, value); }
    // The settings of the controls applied for listening, as Play does.
    void Listen() { Form->SettingsPanel->ApplySettings(Listening); }
    // A recording at 0.5 s in mW/m2 without correction, its log named by Now.
    void Record() { Form->Session.StartRecording({UnitMWm2, 0.5, 0, 60}); }
    // The window's menu entry of that text; a missing one fails the test.
    QAction *MenuItem(const QString &text) const;

    TempAppDir App;
    TFakeServices Services{QDateTime(QDate(2026, 12, 6), QTime(8, 0, 0))};
    std::unique_ptr<TMainWindow> Form;
};
