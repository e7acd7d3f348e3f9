#pragma once
// A main window in a temporary application folder that holds the installation's resources,
// with fake services (the message boxes recorded, the clock the test sets) and the shared
// state of a fresh start.

#include "app/UnitMain.h"
#include "tests/support/FakeServices.h"
#include "tests/support/TempAppDir.h"

#include <gtest/gtest.h>

#include <memory>

// Copies the generated resources of the build into paths.ResourcesDir and loads the palette.
void InstallResources(const TAppPaths &paths);
// The window's menu entry of that text; a missing one fails the test.
QAction *MenuItem(const TForm1 &form, const QString &text);

class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest();
    ~MainWindowTest() override;

    // One measurement as the connection form hands it over.
    void Feed(float value, int frequency = 0) { Form->ProcessSample(frequency, value); }
    // The settings of the controls applied for listening, as Play does.
    void Listen() { Form->ApplySettings(Listening); }
    // A recording at 0.5 s in mW/m2 without correction, its log named by Now.
    void Record() { Form->Session.StartRecording({UnitMWm2, 0.5, 0, 60}); }
    void Expand();
    QAction *MenuItem(const QString &text) const { return ::MenuItem(*Form, text); }

    TempAppDir App;
    TFakeServices Services{QDateTime(QDate(2026, 12, 6), QTime(8, 0, 0))};
    std::unique_ptr<TForm1> Form;
};
