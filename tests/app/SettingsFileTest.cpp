// The settings file through the connection form: read into the main window's controls at
// start-up, written from them at the end. The file's own format is tested in tests/storage.

#include "tests/app/AppTestSupport.h"

#include "app/AlertsControl.h"
#include "device/MeterConnection.h"
#include "dialogs/AlertsDialog.h"
#include "tests/dialogs/ModalHookGuard.h"
#include "windows/StatisticsPanel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QToolButton>
#include <QTemporaryDir>

namespace {

class SettingsFileTest : public MainWindowTest {
protected:
    // A connection form that finds no port: it only loads the settings, and saves them when destroyed.
    std::unique_ptr<TMeterConnection> ConnectionForm(const QByteArray &settings)
    {
        App.WriteFile("Settings/LastSettings.ls", settings);
        auto form = std::make_unique<TMeterConnection>(*Form, Form->Session, App.Paths(), NoPorts.path());
        Form->AttachConnectionForm(*form);
        return form;
    }

    QTemporaryDir NoPorts;
};

} // namespace

// The alert options go to their own file and come back from it; the settings file keeps the
// switch, byte for byte.
TEST_F(SettingsFileTest, TheFileSetsTheControlsTheValuesInEffectAreWrittenBackAndTheAlertOptionsKeptBesideIt)
{
    auto connection = ConnectionForm("TRUE\r\nmw/m\xB2\r\n4\r\n120\r\n3\r\nSENSITIVE\r\nSLEEP\r\nYES\r\n");
    EXPECT_EQ(Form->Charts->Statistics->maximumHeight(), 120);
    // Box texts that are no numbers are saved as the values in effect, which the file set.
    Form->SettingsPanel->VisibleSamplesCB->setCurrentText("12a");
    Form->SettingsPanel->CorrectionCB->setCurrentText("");
    {
        ModalHookGuard<TAlertsDialog> guard([](TAlertsDialog &dialog) {
            dialog.CategoryCB->setCurrentIndex(4);
            dialog.HoldSB->setValue(30);
            dialog.ToneCB->setChecked(false);
            dialog.OkB->click();
        });
        Form->Alerts->EditOptions();
    }
    connection.reset();
    Form.reset();
    const QByteArray written = "True\r\nV/m\r\n4\r\n120\r\n3\r\nSensitive\r\nSleep\r\nyes\r\n";
    EXPECT_EQ(ReadWholeFile(App.Paths().SettingsDir + "LastSettings.ls"), written);

    Form = std::make_unique<TMainWindow>(App.Paths());
    const TAlertOptions options{{.Category = 4, .Level = std::nullopt, .HoldSeconds = 30}, false};
    EXPECT_EQ(Form->Alerts->Options(), options);
    connection = ConnectionForm(written);
    EXPECT_TRUE(Form->Bar->AlertsOn() && Form->Session.Alert.On());
    EXPECT_EQ(Form->Session.Alert.Limit(), options.Limit);
}

// Which lines take effect is the file's rule; here the error reaches the user.
TEST_F(SettingsFileTest, ABadNumberLineIsReportedAfterTheLinesBeforeItTookEffect)
{
    auto connection = ConnectionForm("TRUE\r\nV/m\r\nfast\r\n120\r\n3\r\nSensitive\r\nSleep\r\nyes\r\n");
    EXPECT_TRUE(Form->Bar->AlertsOn());
    EXPECT_EQ(Form->SettingsPanel->IntervalCB->currentText(), "0.5 sec");
    ASSERT_EQ(Services.Shown.size(), 1u);
    EXPECT_TRUE(Services.Shown[0].Text.contains("line 3 is not an integer: 'fast'"))
        << Services.Shown[0].Text.toStdString();
}
