// The alerts in the main window: the switch, the picture, the status line, the tone repeated
// while an alert lasts and the notification at its start through the program's services, and
// the dialog from the picture's right click and the menu. Their options over a restart are in
// SettingsFileTest.

#include "tests/app/AppTestSupport.h"

#include "app/AlertsControl.h"
#include "app/QtServices.h"
#include "dialogs/AlertsDialog.h"
#include "tests/dialogs/ModalHookGuard.h"
#include "tests/support/LanguageGuard.h"
#include "windows/ChoiceGroup.h"

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRadioButton>
#include <QToolButton>

namespace {

// General population awake, in mW/m2: 1.3 is High, 1.0 only Moderate (High for the sensitive).
constexpr float High = 1.3f, Moderate = 1.0f, Low = 0.01f;

class AlertsControlTest : public MainWindowTest {
protected:
    AlertsControlTest()
    {
        Form->SettingsPanel->IrrUnitGB->SetItemIndex(1);
        Form->SettingsPanel->IrrUnitGB->OnClick();
        Form->Bar->SetAlertsOn(!Form->Bar->AlertsOn());
        Listen();
    }

    bool Shows(const QString &picture) const
    {
        return Form->Bar->AlertsSwitch->pixmap().toImage().convertToFormat(QImage::Format_RGB32)
               == QImage(App.Paths().ResourcesDir + picture).convertToFormat(QImage::Format_RGB32);
    }
    void FeedAfter(int seconds, float value)
    {
        Services.Now = Services.Now.addSecs(seconds);
        Feed(value);
    }
    void RightClickPicture()
    {
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(3, 3), QPointF(3, 3), Qt::RightButton, Qt::RightButton,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(Form->Bar->AlertsSwitch, &press);
    }
    std::string Status() const { return Form->StatusLine->text().toStdString(); }
    QString Tone() const { return App.Paths().ResourcesDir + "Alert.wav"; }
};

// The language is installed before the window is made: texts are translated when set.
struct InFrench {
    TLanguageGuard Language{TLanguage::French};
};

class AlertsControlInFrench : private InFrench, public AlertsControlTest {};

} // namespace

TEST_F(AlertsControlInFrench, TheStatusLineAndTheNotificationNameTheCategoryInTheLanguage)
{
    FeedAfter(1, High);
    EXPECT_EQ(Status(), "   Alerte\u00a0: les mesures ont atteint Élevé (crête 1.3000 mW/m²)");
    ASSERT_EQ(Services.Notifications.size(), 1u);
    EXPECT_EQ(Services.Notifications[0].first, "Alerte\u00a0: les mesures ont atteint Élevé");
    EXPECT_EQ(Services.Notifications[0].second, "Mesure\u00a0: 1.3000 mW/m²");
}

// When an alert starts and ends is the session's rule (tests/session/LiveAlertTest); here the
// window follows it, with the risk population of the panel.
TEST_F(AlertsControlTest, AnAlertShowsSoundsAndNotifiesOnceUntilItEnds)
{
    ASSERT_TRUE(Form->Bar->AlertsOn() && Shows("Speaker.bmp"));
    Feed(Moderate);
    EXPECT_TRUE(Services.Sounds.isEmpty() && Services.Notifications.empty());

    FeedAfter(1, High);
    EXPECT_TRUE(Shows("Speakeralert.bmp"));
    EXPECT_EQ(Status(), "   Alert: the readings have reached High (peak 1.3000 mW/m²)");
    EXPECT_EQ(Services.Sounds, QStringList{Tone()});
    ASSERT_EQ(Services.Notifications.size(), 1u);
    EXPECT_EQ(Services.Notifications[0].first, "Alert: the readings have reached High");
    EXPECT_EQ(Services.Notifications[0].second, "Reading: 1.3000 mW/m²");
    // The tone repeats with its timer; a higher reading is the new peak, told once.
    QTimer &tone = Form->Alerts->ToneTimer;
    ASSERT_TRUE(tone.isActive());
    tone.start(0);
    QCoreApplication::processEvents();
    EXPECT_GE(Services.Sounds.size(), 2);
    EXPECT_EQ(Services.Sounds.back(), Tone());
    FeedAfter(1, 2.5f);
    EXPECT_EQ(Status(), "   Alert: the readings have reached High (peak 2.5000 mW/m²)");
    EXPECT_EQ(Services.Notifications.size(), 1u);

    // Moderate for the general population, but High for the sensitive one as the panel now
    // says: the alert goes on past the hold time of 10 s, and ends once the panel says general.
    Form->SettingsPanel->RiskPopulationRG->SetItemIndex(1);
    FeedAfter(11, Moderate);
    EXPECT_TRUE(Shows("Speakeralert.bmp"));
    Form->SettingsPanel->RiskPopulationRG->SetItemIndex(0);
    FeedAfter(1, Moderate);
    FeedAfter(10, Low);
    EXPECT_FALSE(tone.isActive());
    EXPECT_TRUE(Shows("Speaker.bmp"));
    EXPECT_EQ(Status().rfind("   Playing since ", 0), 0u) << Status();

    // Switched off during an alert: the session's alert is off, and the window is back at rest
    // with the alert's status gone, without waiting for a reading.
    FeedAfter(1, High);
    Form->Bar->SetAlertsOn(!Form->Bar->AlertsOn());
    EXPECT_FALSE(Form->Session.Alert.On());
    EXPECT_EQ(Status(), "");
    EXPECT_TRUE(Shows("Speakeroff.bmp"));
    EXPECT_TRUE(Services.Shown.empty());
}

// The dialog's own fields and Cancel are tests/dialogs/AlertsDialogTest's; here its answer
// reaches the session's alert, the tone and the options file.
TEST_F(AlertsControlTest, TheDialogFromTheRightClickOrTheMenuTakesEffectAtOnceAndIsKept)
{
    // A left click is the switch, a right click the dialog, in the run's unit.
    int shown = 0;
    {
        ModalHookGuard<TAlertsDialog> guard([&](TAlertsDialog &dialog) {
            ++shown;
            EXPECT_EQ(dialog.LevelUnit->text(), "mW/m²");
            dialog.LevelRB->setChecked(true);
            dialog.LevelEdit->setText("2");
            dialog.ToneCB->setChecked(false);
            dialog.OkB->click();
        });
        RightClickPicture();
    }
    EXPECT_EQ(shown, 1);
    EXPECT_TRUE(Form->Bar->AlertsOn());
    const TAlertOptions level{{.Category = 3, .Level = 2.0, .HoldSeconds = 10}, false};
    EXPECT_EQ(Form->Alerts->Options(), level);
    EXPECT_EQ(ReadAlertOptions(App.Paths().SettingsDir + ProgramOptionsFileName), level);

    // The session judges by the level, and the alert sounds no tone.
    Feed(2.0f);
    EXPECT_EQ(Status(), "   Alert: the readings have reached 2 mW/m² (peak 2.0000 mW/m²)");
    EXPECT_TRUE(Services.Sounds.isEmpty());
    EXPECT_FALSE(Form->Alerts->ToneTimer.isActive());

    // The tone turned on from the menu during the alert sounds from then on.
    {
        ModalHookGuard<TAlertsDialog> guard([](TAlertsDialog &dialog) {
            dialog.ToneCB->setChecked(true);
            dialog.OkB->click();
        });
        MenuItem("&Alerts…")->trigger();
    }
    EXPECT_TRUE(Form->Alerts->ToneTimer.isActive());
    EXPECT_TRUE(Services.Shown.empty());
}

// The real doors on a machine without a sound device or a desktop's notification service: the
// tone and the notification are missed, and no box is shown for them.
TEST(QtAlertServices, WithoutASoundDeviceOrANotificationServiceNothingHappensAndNoBoxIsShown)
{
    const TempAppDir app;
    InstallResources(app.Paths());
    TServices services = QtServices();
    int boxes = 0;
    services.MessageBox = [&boxes](TMsgKind, const QString &, TMsgButtons buttons) {
        ++boxes;
        return SafeAnswer(buttons);
    };
    const TServices previous = InstallServices(services);
    for (int i = 0; i < 2; ++i) {
        PlaySound(app.Paths().ResourcesDir + "Alert.wav");
        NotifyDesktop("Alert: the readings have reached High", "Reading: 1.3000 mW/m²");
        QCoreApplication::processEvents();
    }
    InstallServices(previous);
    EXPECT_EQ(boxes, 0);
}
