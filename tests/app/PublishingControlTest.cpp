// The program's publishing: the answer of the "Publish readings…" dialog and its options file,
// and the readings of the main window going to a real broker while listening and recording, with
// a refused password told on the status line while the record goes on.

#include "tests/app/AppTestSupport.h"

#include "app/PublishingControl.h"
#include "dialogs/PublishDialog.h"
#include "publish/PublishOptionsFile.h"
#include "storage/LogFile.h"
#include "tests/dialogs/ModalHookGuard.h"
#include "tests/support/LanguageGuard.h"
#include "tests/publish/LocalBroker.h"
#include "tests/publish/TestClient.h"
#include "tests/support/BuiltProgram.h"
#include "windows/ChoiceGroup.h"
#include "windows/ElidedLabel.h"

#include <QAction>
#include <QCheckBox>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>

namespace {

class PublishingControlTest : public MainWindowTest {
protected:
    // The dialog of the menu entry filled by fill, then closed with OK.
    void EditOptions(const std::function<void(TPublishDialog &)> &fill)
    {
        const ModalHookGuard<TPublishDialog> answer([&](TPublishDialog &dialog) {
            fill(dialog);
            dialog.ImageOKb->click();
        });
        MenuItem(QStringLiteral("Publish readings…"))->trigger();
    }
    // Publishing switched on in the dialog towards the test's broker.
    void PublishTo(std::uint16_t port, const QString &user = {}, const QString &password = {})
    {
        EditOptions([&](TPublishDialog &dialog) {
            dialog.EnabledCB->setChecked(true);
            dialog.HostEdit->setText(QStringLiteral("127.0.0.1"));
            dialog.PortEdit->setValue(port);
            dialog.UserEdit->setText(user);
            dialog.PasswordEdit->setText(password);
            dialog.DiscoveryCB->setChecked(false);
        });
    }
    QString OptionsPath() const { return Form->Publishing->OptionsPath(); }
};

struct InItalian {
    TLanguageGuard Language{TLanguage::Italian};
};

// The language is installed before the window is made: texts are translated when set.
class PublishingControlInItalian : private InItalian, public PublishingControlTest {};

QJsonObject JsonOf(const QByteArray &payload)
{
    return QJsonDocument::fromJson(payload).object();
}

} // namespace

// What the file keeps, and who may read it, is the options file's to test, the fields the
// dialog's: here the dialog's answer reaches the file and comes back from it, and Cancel
// writes nothing.
TEST_F(PublishingControlTest, TheDialogsAnswerIsStoredAndShownAgainAndCancelChangesNothing)
{
    TPublishOptions answered;
    EditOptions([&](TPublishDialog &dialog) {
        dialog.HostEdit->setText("127.0.0.1");
        dialog.TlsCB->setChecked(true);
        dialog.PasswordEdit->setText("s3cret=\\!");
        dialog.BaseTopicEdit->setText("home/rf");
        dialog.DiscoveryCB->setChecked(false);
        answered = dialog.Edited();
    });
    const TPublishOptions stored = ReadPublishOptions(OptionsPath());
    EXPECT_EQ(stored, answered);
    EXPECT_FALSE(Form->Publishing->Publisher());

    const ModalHookGuard<TPublishDialog> cancel([&](TPublishDialog &dialog) {
        EXPECT_EQ(dialog.Edited(), stored);
        dialog.HostEdit->setText("elsewhere");
        dialog.ImageCancelb->click();
    });
    MenuItem(QStringLiteral("Publish readings…"))->trigger();
    EXPECT_EQ(ReadPublishOptions(OptionsPath()), stored);
}

TEST_F(PublishingControlTest, TheProgramPublishesWhileListeningAndRecordingWithThePanelsRiskChoice)
{
    TLocalBroker broker;
    ASSERT_TRUE(broker.Start());
    TTestClient consumer(broker.Port(), {"zeltar/meter/reading"});
    ASSERT_TRUE(consumer.WaitSubscribed());
    PublishTo(broker.Port());
    ASSERT_TRUE(Form->Publishing->Publisher());

    Listen();
    Feed(1.0f, 900);
    Form->SettingsPanel->RiskPopulationRG->SetItemIndex(1);
    Form->SettingsPanel->RiskStateRG->SetItemIndex(1);
    Record();
    const QString recordName = QFileInfo(Form->Session.CurrentLogFile()).completeBaseName();
    Feed(1.0f, 2400);
    ASSERT_TRUE(QTest::qWaitFor([&] { return consumer.PayloadsOn("zeltar/meter/reading").size() >= 2; }, 5000));
    const std::vector<QByteArray> readings = consumer.PayloadsOn("zeltar/meter/reading");
    EXPECT_EQ(JsonOf(readings[0])["risk"].toString(), "Moderate");
    EXPECT_FALSE(JsonOf(readings[0]).contains("record"));
    EXPECT_EQ(JsonOf(readings[1])["risk"].toString(), "Very high");
    EXPECT_EQ(JsonOf(readings[1])["record"].toString(), recordName);
    EXPECT_EQ(JsonOf(readings[1])["frequency_mhz"].toInt(), 2400);
    // The broker reached at once is no news for the status line.
    EXPECT_FALSE(Form->StatusLine->text().contains("Publishing"));

    // Switched off, nothing more goes out.
    EditOptions([](TPublishDialog &dialog) { dialog.EnabledCB->setChecked(false); });
    EXPECT_FALSE(Form->Publishing->Publisher());
    Feed(2.0f);
    QTest::qWait(100);
    EXPECT_EQ(consumer.PayloadsOn("zeltar/meter/reading").size(), 2u);
}

TEST_F(PublishingControlTest, AWrongPasswordIsToldOnTheStatusLineWithoutABoxAndTheRecordGoesOn)
{
    TLocalBroker broker({"allow_anonymous false", "password_file {dir}/passwords"});
    ASSERT_EQ(RunProgram("mosquitto_passwd", {"-b", "-c", broker.FilePath("passwords"), "meter", "right"}).ExitCode, 0);
    ASSERT_TRUE(broker.Start());
    PublishTo(broker.Port(), "meter", "wrong");
    Listen();
    Record();
    const auto feed = [&](int count) {
        for (int i = 0; i < count; ++i)
            Feed(0.5f);
    };
    feed(20);
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return Form->StatusLine->text() == "   Publishing: broker refused the user name or password"; }, 5000));
    feed(20);
    EXPECT_TRUE(Services.Shown.empty());
    const QString log = Form->Session.CurrentLogFile();
    Form->Session.Stop();
    EXPECT_EQ(TLogReader(log).Count(), 40u);
}

// The broker's state comes from the network thread and is shown in the program's language.
TEST_F(PublishingControlInItalian, ABrokerNotReachableIsToldInTheLanguage)
{
    const ModalHookGuard<TPublishDialog> answer([&](TPublishDialog &dialog) {
        dialog.EnabledCB->setChecked(true);
        dialog.HostEdit->setText(QStringLiteral("127.0.0.1"));
        dialog.PortEdit->setValue(1);
        dialog.ImageOKb->click();
    });
    Form->Publishing->EditOptions();
    const QString told = QStringLiteral("   Pubblicazione: broker non raggiungibile su 127.0.0.1:1 (");
    ASSERT_TRUE(QTest::qWaitFor([&] { return Form->StatusLine->text().startsWith(told); }, 5000))
        << Form->StatusLine->text().toStdString();
}
