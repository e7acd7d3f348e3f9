#include "device/Form2_Port.h"
#include "model/GlobalState.h"
#include "tests/device/FakeConnectionClient.h"
#include "tests/support/FakeServices.h"
#include "tests/support/QtPrinters.h"
#include "tests/support/TempAppDir.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QString Measurement = "  0.1234  900\r\n";
const QString Dbm = "  -23.5 dBm\r\n";
const QString Stray = "ZELTAR\r\n";
const QString DbmWarning =
    "Logging is not supported in dBm unit. Please change unit by clicking on the \"UNIT\" button of ZELTAR device";
const QString StrayWarning =
    "Please connect your ZELTAR device to the PC via USB port and run this application again. If you have already "
    "connected the device, just start the application again. If this message appears again, re-connect the device.";

// A form without a port, fed the lines its port would deliver.
class ConnectionFormReceive : public ::testing::Test {
protected:
    ConnectionFormReceive()
    {
        DecSeparators = {u'.', u','};
        Services.AtExit = [this](int exitCode) {
            Client.Events << QString("process ended with %1").arg(exitCode);
            SettingsAtExit = ReadWholeFile(App.Paths().SettingsDir + "LastSettings.ls");
        };
    }

    void Receive(const QStringList &lines)
    {
        for (const QString &line : lines)
            Form.ComPort1ReceiveCallBack(line);
    }
    bool Ended() const { return !Client.Events.filter("process ended").isEmpty(); }

    TempAppDir App;
    QTemporaryDir Devices;
    FakeConnectionClient Client;
    TFakeServices Services;
    QByteArray SettingsAtExit;
    TForm2 Form{Client, App.Paths(), Devices.path()};
};

TEST_F(ConnectionFormReceive, OnHoldIgnoresEveryLineAndAnImportTakesEveryLength)
{
    Client.Interval = 30.0;
    OnHold = true;
    for (TRecordingState state : {Listening, Importing}) {
        RecordingState = state;
        Receive({Measurement, Dbm, Stray, Stray});
    }
    EXPECT_TRUE(Client.Imported.isEmpty());

    OnHold = false;
    Receive({Measurement, Dbm, Dbm, Stray, "\r\n"});
    EXPECT_EQ(Client.Imported, (QStringList{Measurement, Dbm, Dbm, Stray, "\r\n"}));
    EXPECT_TRUE(Client.Samples.empty() && Services.Shown.empty() && !Form.StrayLineSeen);
}

TEST_F(ConnectionFormReceive, DbmWarningOncePerRunOfDbmLines)
{
    Receive({Dbm, Dbm, Measurement, Dbm, Dbm, Stray, Dbm});
    EXPECT_EQ(Services.Texts(), (QStringList{DbmWarning, DbmWarning, DbmWarning}));
    EXPECT_EQ(Services.Shown[0].Kind, TMsgKind::Warning);
}

TEST_F(ConnectionFormReceive, MeasurementsAreHandedOnAndGarbledOnesDropped)
{
    // Which separators a number may have is NumberText's rule.
    Receive({"  0,1234  900\r\n", "  0.12x4  900\r\n", "  0.1234  9o0\r\n"});
    ASSERT_EQ(Client.Samples.size(), 1u);
    EXPECT_EQ(std::make_pair(Client.Samples[0].PeakFrequency, Client.Samples[0].Value), std::make_pair(900, 0.1234f));

    Client.SampleError = "disk full";
    EXPECT_THROW(Receive({Measurement}), EInOutError);
}

TEST_F(ConnectionFormReceive, SecondStrayLineEndsTheRunAfterSavingRecordingAndSettings)
{
    Client.Interval = 10.0;  // the longest interval at which one stray line is tolerated
    Client.Settings.VisibleSamples = 321;
    Receive({Stray, Measurement});
    EXPECT_TRUE(Services.Shown.empty());
    EXPECT_FALSE(Ended());

    Receive({Stray});
    EXPECT_EQ(Services.Texts(), QStringList{StrayWarning});
    EXPECT_EQ(Client.Events, (QStringList{"recording saved", "settings read", "process ended with 1"}));
    EXPECT_EQ(SettingsAtExit.split('\n').value(3), "321\r");
}

// At 30 s intervals the first stray line already ends the run.
TEST_F(ConnectionFormReceive, AFailedSaveOfTheRecordingIsShownAndTheEndGoesOn)
{
    Client.Interval = 30.0;
    Client.SaveRecordingError = "x.zlog: No space left on device (28)";
    Receive({Stray});
    EXPECT_EQ(Services.Texts(), (QStringList{StrayWarning, "x.zlog: No space left on device (28)"}));
    EXPECT_EQ(Client.Events, (QStringList{"recording saved", "settings read", "process ended with 1"}));
}

} // namespace
