// The connection form against a fake main window, with simulated meters plugged in under the
// port names of a test folder.

#include "device/MeterConnection.h"
#include "model/InOutError.h"
#include "tests/support/FakeServices.h"
#include "tests/support/QtPrinters.h"
#include "tests/support/TempAppDir.h"
#include "tools/meter-sim/MeterTerminal.h"
#include "tools/meter-sim/TerminalLink.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <vector>

namespace {

// Plays the main window for the form and records what the form asks of it.
struct FakeConnectionClient : IConnectionClient {
    void StartListening() override { ++StartListeningCalls; }
    void ShowStatus(const QString &text) override { Statuses << text; }
    void ShowNotice(const QString &text) override { Statuses << text; }
    TLastSettings CurrentSettings() const override { return Events << "settings read", Settings; }
    void ApplyLoadedSettings(const TLastSettings &, int) override {}
    void SaveRecordingBeforeExit() override
    {
        Events << "recording saved";
        if (SaveRecordingError)
            throw EInOutError(*SaveRecordingError);
    }

    QStringList Statuses;
    int StartListeningCalls = 0;
    TLastSettings Settings;
    mutable QStringList Events;
    std::optional<QString> SaveRecordingError;
};

// Plays the session: its state as the test sets it, and what the form delivers to it.
struct FakeReceiver : IMeterReceiver {
    TRecordingState State() const override { return Mode; }
    bool IsOnHold() const override { return Held; }
    void ProcessSample(int peakFrequency, float value) override
    {
        Samples.emplace_back(peakFrequency, value);
        if (SampleError)
            throw EInOutError(*SampleError);
    }
    void ImportLine(const QString &line) override { Imported << line; }
    double SampleInterval() const override { return Interval; }
    void SetLineHold(ILineHold *hold) override { LineHold = hold; }

    TRecordingState Mode = Listening;
    bool Held = false;
    double Interval = 0.5;
    ILineHold *LineHold = nullptr;
    std::vector<std::pair<int, float>> Samples;
    QStringList Imported;
    std::optional<QString> SampleError;
};

// A simulated meter plugged in under a port name of the test's device folder.
struct PluggedMeter {
    PluggedMeter(const QTemporaryDir &devices, const QString &name)
        : Terminal(TMeterTerminal::OpenPseudoTerminal()), Link(devices.filePath(name), Terminal->Path()) {}
    std::unique_ptr<TMeterTerminal> Terminal;
    TTerminalLink Link;
};

class ConnectionForm : public ::testing::Test {
protected:
    std::unique_ptr<TMeterConnection> CreateForm()
    {
        return std::make_unique<TMeterConnection>(Client, Receiver, App.Paths(), Devices.path());
    }

    void ExpectWaiting(const TMeterConnection &form)
    {
        EXPECT_EQ(form.Panel1 + "|" + form.Panel2, "Please connect the ZELTAR via USB cable to the PC|Waiting...");
        EXPECT_TRUE(form.Timer1.isActive() && form.Timer1.interval() == 1000 && !form.ComPort1.isOpen());
        EXPECT_EQ(Client.Statuses.value(Client.Statuses.size() - 1),
                  "  Connect a ZELTAR device or open a record (from the \"Data\" menu or just click here)");
    }
    void ExpectListening(const TMeterConnection &form, const QString &portName)
    {
        EXPECT_TRUE(form.ComPort1.isOpen() && !form.Timer1.isActive() && (form.Panel1 + form.Panel2).isEmpty());
        EXPECT_EQ(std::make_pair(form.ComPort1.Port(), Client.StartListeningCalls),
                  std::make_pair(Devices.filePath(portName), 1));
    }

    TempAppDir App;
    QTemporaryDir Devices;
    FakeConnectionClient Client;
    FakeReceiver Receiver;
    TFakeServices Services;
};

// Settings that cannot be read or written are reported and start-up goes on.
TEST_F(ConnectionForm, WaitsForAPortThenListensOnTheHighestUntilDestroyed)
{
    ASSERT_TRUE(QDir().mkpath(App.Paths().SettingsDir + "LastSettings.ls"));
    std::unique_ptr<TMeterConnection> form = CreateForm();
    ExpectWaiting(*form);
    form->Timer1Timer();
    ExpectWaiting(*form);
    EXPECT_EQ(Client.Statuses.size(), 1) << "rewritten while nothing changed";

    PluggedMeter lower(Devices, "ttyUSB0"), higher(Devices, "ttyACM1"), highest(Devices, "ttyUSB1");
    form->Timer1Timer();
    ExpectListening(*form, "ttyUSB1");
    ASSERT_TRUE(highest.Terminal->HasReader());
    form.reset();
    EXPECT_FALSE(highest.Terminal->HasReader());
    EXPECT_EQ(Services.Shown.size(), 2u);
}

TEST_F(ConnectionForm, APortThatCannotBeOpenedIsReportedOnceAndWaitedFor)
{
    const std::unique_ptr<TMeterConnection> form = CreateForm();
    ASSERT_TRUE(QFile(Devices.filePath("ttyUSB0")).open(QIODevice::WriteOnly)); // listed, but no terminal
    form->Timer1Timer();
    ASSERT_EQ(Services.Shown.size(), 1u);
    EXPECT_TRUE(Services.Shown[0].Text.startsWith("TCOMPORT : cannot open " + Devices.filePath("ttyUSB0") + "\r"));
    // Each retry meets the same failure and keeps waiting without a box.
    form->Timer1Timer();
    form->Timer1Timer();
    EXPECT_EQ(Services.Shown.size(), 1u);
    EXPECT_EQ(form->ListBoxPorts.Items.size(), 1);
    ExpectWaiting(*form);
    ASSERT_TRUE(QFile::remove(Devices.filePath("ttyUSB0")));
    PluggedMeter meter(Devices, "ttyUSB0");
    form->Timer1Timer();
    ExpectListening(*form, "ttyUSB0");
}

// The session holds the port's lines through the form for as long as the form lives.
TEST_F(ConnectionForm, TheReceiverHoldsThePortsLinesThroughTheForm)
{
    PluggedMeter meter(Devices, "ttyUSB0");
    std::unique_ptr<TMeterConnection> form = CreateForm();
    ASSERT_EQ(Receiver.LineHold, form.get());
    Receiver.LineHold->HoldLines();
    ASSERT_EQ(meter.Terminal->Write("  0.1234  900\r\n"), 15);
    QTest::qWait(50);
    EXPECT_TRUE(Receiver.Samples.empty());
    Receiver.LineHold->ReleaseLines();
    ASSERT_TRUE(QTest::qWaitFor([this] { return !Receiver.Samples.empty(); }, 5000));
    EXPECT_EQ(Receiver.Samples.front(), std::make_pair(900, 0.1234f));
    form.reset();
    EXPECT_EQ(Receiver.LineHold, nullptr);
}

// A form without a port, fed the lines its port would deliver.
class ConnectionFormReceive : public ConnectionForm {
protected:
    ConnectionFormReceive()
    {
        Services.AtExit = [this](int exitCode) {
            Client.Events << QString("process ended with %1").arg(exitCode);
            SettingsAtExit = ReadWholeFile(App.Paths().SettingsDir + "LastSettings.ls");
        };
    }
    void Receive(const QStringList &lines)
    {
        for (const QString &line : lines)
            Form->ComPort1ReceiveCallBack(line);
    }

    const QString Measurement = "  0.1234  900\r\n", Dbm = "  -23.5 dBm\r\n", Stray = "ZELTAR\r\n";
    const QString StrayWarning = "Please connect your ZELTAR device to the PC via USB port and run this application "
                                 "again. If you have already connected the device, just start the application again. "
                                 "If this message appears again, re-connect the device.";
    QByteArray SettingsAtExit;
    const std::unique_ptr<TMeterConnection> Form = CreateForm();
};

TEST_F(ConnectionFormReceive, OnHoldIgnoresEveryLineAndAnImportTakesEveryLength)
{
    Receiver.Interval = 30.0;
    Receiver.Held = true;
    for (TRecordingState state : {Listening, Importing}) {
        Receiver.Mode = state;
        Receive({Measurement, Dbm, Stray, Stray});
    }
    EXPECT_TRUE(Receiver.Imported.isEmpty());

    Receiver.Held = false;
    Receive({Measurement, Dbm, Dbm, Stray, "\r\n"});
    EXPECT_EQ(Receiver.Imported, (QStringList{Measurement, Dbm, Dbm, Stray, "\r\n"}));
    EXPECT_TRUE(Receiver.Samples.empty() && Services.Shown.empty() && !Form->StrayLineSeen);
}

TEST_F(ConnectionFormReceive, DbmWarningOncePerRunOfDbmLines)
{
    Receive({Dbm, Dbm, Measurement, Dbm, Dbm, Stray, Dbm});
    const QString warning = "Logging is not supported in dBm unit. Please change unit by clicking on the \"UNIT\" "
                            "button of ZELTAR device";
    EXPECT_EQ(Services.Texts(), (QStringList{warning, warning, warning}));
    EXPECT_EQ(Services.Shown[0].Kind, TMsgKind::Warning);
}

// Which separators a number may have is NumberText's rule.
TEST_F(ConnectionFormReceive, MeasurementsAreHandedOnAndGarbledOnesDropped)
{
    Receive({"  0,1234  900\r\n", "  0.12x4  900\r\n", "  0.1234  9o0\r\n"});
    EXPECT_EQ(Receiver.Samples, (std::vector<std::pair<int, float>>{{900, 0.1234f}}));
    Receiver.SampleError = "disk full";
    EXPECT_THROW(Receive({Measurement}), EInOutError);
}

// Up to 10 s intervals one stray line is tolerated; the end goes on when the save fails.
TEST_F(ConnectionFormReceive, SecondStrayLineEndsTheRunAfterSavingRecordingAndSettings)
{
    Receiver.Interval = 10.0;
    Client.Settings.VisibleSamples = 321;
    Client.SaveRecordingError = "x.zlog: No space left on device (28)";
    Receive({Stray, Measurement});
    EXPECT_TRUE(Services.Shown.empty());
    EXPECT_TRUE(Client.Events.isEmpty());

    Receive({Stray});
    EXPECT_EQ(Services.Texts(), (QStringList{StrayWarning, "x.zlog: No space left on device (28)"}));
    EXPECT_EQ(Client.Events, (QStringList{"recording saved", "settings read", "process ended with 1"}));
    EXPECT_EQ(SettingsAtExit.split('\n').value(3), "321\r");
}

TEST_F(ConnectionFormReceive, AtThirtySecondIntervalsTheFirstStrayLineEndsTheRun)
{
    Receiver.Interval = 30.0;
    Receive({Stray});
    EXPECT_EQ(Services.Texts(), QStringList{StrayWarning});
    EXPECT_EQ(Services.ExitCodes, std::vector<int>{1});
}

} // namespace
