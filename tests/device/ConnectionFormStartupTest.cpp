#include "device/Form2_Port.h"
#include "device/PortPermission.h"
#include "tests/device/FakeConnectionClient.h"
#include "tests/support/FakeServices.h"
#include "tests/support/QtPrinters.h"
#include "tests/support/TempAppDir.h"
#include "tools/meter-sim/MeterTerminal.h"
#include "tools/meter-sim/TerminalLink.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <unistd.h>

namespace {

const QString Invitation = "  Connect a ZELTAR device or open a record (from the \"Data\" menu or just click here)";

// A simulated meter plugged in under a port name of the test's device folder.
struct PluggedMeter {
    PluggedMeter(const QTemporaryDir &devices, const QString &name)
        : Terminal(TMeterTerminal::OpenPseudoTerminal()), Link(devices.filePath(name), Terminal->Path()) {}
    std::unique_ptr<TMeterTerminal> Terminal;
    TTerminalLink Link;
};

class ConnectionFormStartup : public ::testing::Test {
protected:
    std::unique_ptr<TForm2> CreateForm() { return std::make_unique<TForm2>(Client, App.Paths(), Devices.path()); }
    // Listed as openable, but no terminal.
    void PlugNonTerminal(const QString &name) { ASSERT_TRUE(QFile(Devices.filePath(name)).open(QIODevice::WriteOnly)); }

    void ExpectWaiting(const TForm2 &form, const QString &status = Invitation)
    {
        EXPECT_EQ(form.Panel1 + "|" + form.Panel2, "Please connect the ZELTAR via USB cable to the PC|Waiting...");
        EXPECT_TRUE(form.Timer1.isActive());
        EXPECT_EQ(form.Timer1.interval(), 1000);
        EXPECT_EQ(Client.Statuses.value(Client.Statuses.size() - 1), status);
        EXPECT_FALSE(form.ComPort1.isOpen());
    }
    void ExpectListening(const TForm2 &form, const QString &portName)
    {
        EXPECT_TRUE(form.ComPort1.isOpen());
        EXPECT_EQ(form.ComPort1.Port(), Devices.filePath(portName));
        EXPECT_EQ(Client.StartListeningCalls, 1);
        EXPECT_FALSE(form.Timer1.isActive());
        EXPECT_TRUE((form.Panel1 + form.Panel2).isEmpty());
    }

    TempAppDir App;
    QTemporaryDir Devices;
    FakeConnectionClient Client;
    TFakeServices Services;
};

// Loading and saving the settings is the settings file's application test.
TEST_F(ConnectionFormStartup, OpensTheHighestPortAndStartsListeningUntilDestroyed)
{
    PluggedMeter lower(Devices, "ttyUSB0"), higher(Devices, "ttyACM1"), highest(Devices, "ttyUSB1");
    std::unique_ptr<TForm2> form = CreateForm();
    ExpectListening(*form, "ttyUSB1");
    EXPECT_TRUE(Client.Statuses.isEmpty());
    ASSERT_TRUE(highest.Terminal->HasReader());
    form.reset();
    EXPECT_FALSE(highest.Terminal->HasReader());
}

TEST_F(ConnectionFormStartup, WithoutAPortItWaitsAndTheNextTickConnects)
{
    const std::unique_ptr<TForm2> form = CreateForm();
    ExpectWaiting(*form);
    form->Timer1Timer();
    ExpectWaiting(*form);
    EXPECT_EQ(Client.Statuses.size(), 1) << "rewritten while nothing changed";

    PluggedMeter meter(Devices, "ttyACM3");
    form->Timer1Timer();
    ExpectListening(*form, "ttyACM3");
}

TEST_F(ConnectionFormStartup, APortThatCannotBeOpenedIsReportedAtStartUpAndFromTheTimer)
{
    for (const bool atStartUp : {true, false}) {
        QTemporaryDir devices;
        const QString port = devices.filePath("ttyUSB0");
        QFile portFile(port); // listed as openable, but no terminal
        Services.Shown.clear();
        if (atStartUp) {
            ASSERT_TRUE(portFile.open(QIODevice::WriteOnly));
        }
        TForm2 form(Client, App.Paths(), devices.path());
        if (!atStartUp) {
            ASSERT_TRUE(portFile.open(QIODevice::WriteOnly));
            form.Timer1Timer();
        }
        ASSERT_EQ(Services.Shown.size(), 1u);
        EXPECT_TRUE(Services.Shown[0].Text.startsWith("TCOMPORT : cannot open " + port + "\r"));
        EXPECT_FALSE(form.ComPort1.isOpen() || form.Timer1.isActive());
    }
}

TEST_F(ConnectionFormStartup, SettingsThatCannotBeReadOrWrittenAreReportedAndStartUpGoesOn)
{
    ASSERT_TRUE(QDir().mkpath(App.Paths().SettingsDir + "LastSettings.ls"));
    std::unique_ptr<TForm2> form = CreateForm();
    EXPECT_TRUE(Client.Applied.empty());
    ExpectWaiting(*form);
    form.reset();
    EXPECT_EQ(Services.Shown.size(), 2u);
}

TEST_F(ConnectionFormStartup, APortThisUserMayNotOpenIsNamedInTheWaitingStatus)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "permissions do not deny the superuser";
    const std::unique_ptr<TForm2> form = CreateForm();
    PlugNonTerminal("ttyUSB0");
    ASSERT_TRUE(QFile::setPermissions(Devices.filePath("ttyUSB0"), QFileDevice::Permissions()));
    form->Timer1Timer();
    ExpectWaiting(*form, Invitation + PortPermissionHint({Devices.filePath("ttyUSB0")}));
}

} // namespace
