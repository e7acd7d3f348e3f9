// The alert of the live run: fed by the session's corrected readings while it listens or
// records, ended by the switch, a stop, an import or a change of unit, its peak kept however
// it ended.

#include "tests/session/SessionTestSupport.h"

class LiveAlertTest : public SessionTest {
protected:
    LiveAlertTest()
    {
        QObject::connect(&Session.Alert, &TLiveAlert::Started, [this] { Told << "started " + Peak(); });
        QObject::connect(&Session.Alert, &TLiveAlert::PeakChanged, [this] { Told << "peak " + Peak(); });
        QObject::connect(&Session.Alert, &TLiveAlert::Ended, [this] { Told << "ended " + Peak(); });
        Session.Alert.SetLimit({.Category = std::nullopt, .Level = 2.0, .HoldSeconds = 10});
        Session.Alert.SetOn(true);
    }

    QString Peak() const { return QString::number(Session.Alert.Peak()); }
    void FeedAfter(int seconds, float value)
    {
        Services.Now = Services.Now.addSecs(seconds);
        Feed(value);
    }
    void Listen(std::uint8_t unit = UnitVm, int correction = 0) { Session.StartListening({unit, 1.0, correction, 60}); }

    QStringList Told;
};

TEST_F(LiveAlertTest, TheCorrectedReadingsOfTheRunStartItAndTheSessionClockEndsItAfterTheHold)
{
    // +6 dB doubles a field: 1.1 V/m read is 2.2 V/m, above the level of 2.
    Listen(UnitVm, 6);
    Feed(0.9f);
    FeedAfter(1, 1.1f);
    FeedAfter(1, 1.5f);
    FeedAfter(1, 1.2f);
    FeedAfter(1, 0.5f);
    FeedAfter(9, 0.5f);
    EXPECT_TRUE(Session.Alert.Active());
    FeedAfter(1, 0.5f);
    EXPECT_EQ(Told, (QStringList{"started 2.2", "peak 3", "ended 3"}));

    // While recording too; the state of the run is judged before the sample is reported.
    Told.clear();
    Record();
    bool activeWhenShown = false;
    QObject::connect(&Session, &TAcquisitionSession::SampleProcessed, [&] { activeWhenShown = Session.Alert.Active(); });
    Feed(5.0f);
    EXPECT_TRUE(activeWhenShown);
    EXPECT_EQ(Told, QStringList{"started 5"});
}

TEST_F(LiveAlertTest, TheSwitchAStopAnImportAndAnotherUnitEndIt)
{
    Listen();
    Session.Alert.SetOn(false);
    Feed(5.0f);
    EXPECT_TRUE(Told.isEmpty());

    Session.Alert.SetOn(true);
    Feed(5.0f);
    Session.Alert.SetOn(false);
    EXPECT_EQ(Told, (QStringList{"started 5", "ended 5"}));

    // A recording in mW/m2 after listening in V/m ends the alert, and so does the stop; in
    // the same unit it is the same alert.
    Told.clear();
    Session.Alert.SetOn(true);
    Feed(5.0f);
    Record();
    Feed(6.0f);
    Session.Stop();
    EXPECT_EQ(Told, (QStringList{"started 5", "ended 5", "started 6", "ended 6"}));
    Told.clear();
    Listen(UnitMWm2);
    Feed(5.0f);
    Session.StartRecording({UnitMWm2, 1.0, 0, 60});
    Feed(6.0f);
    EXPECT_EQ(Told, (QStringList{"started 5", "peak 6"}));

    // The replay of an import raises nothing; a new limit judges afresh.
    Session.BeginImport();
    Feed(9.0f);
    Listen(UnitMWm2);
    Session.Alert.SetLimit({.Category = std::nullopt, .Level = 10.0, .HoldSeconds = 10});
    Feed(9.0f);
    EXPECT_EQ(Told, (QStringList{"started 5", "peak 6", "ended 6"}));
}
