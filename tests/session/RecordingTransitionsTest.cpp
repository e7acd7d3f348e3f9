// Listening, recording, restarting, holding and the scheduled end, as the session changes
// its state; the clock is the test's.

#include "tests/session/SessionTestSupport.h"

#include "model/InOutError.h"
#include "storage/DateTimeConvert.h"
#include "storage/LogFile.h"
#include "tests/support/RecordFiles.h"

#include <QDir>
#include <QFileInfo>

TEST_F(SessionTest, RecordNamesItsLogAndStartsAtOneReadingOfTheClock)
{
    Services.ClockReads = 0;
    Record();
    EXPECT_EQ(Services.ClockReads, 1);
    EXPECT_EQ(RecordingState, Recording);
    EXPECT_EQ(Session.CurrentLogFile(), LogDir() + "2025 01 07 - 09 05 03.zlog");
    EXPECT_TRUE(QFileInfo::exists(Session.CurrentLogFile()));
    EXPECT_EQ(Session.SessionStart(), ToTDateTime(Services.Now));
    Session.WriteRecordMeta();
    EXPECT_EQ(RecordMeta(Session.CurrentLogFile()).StartTime, ToTDateTime(Services.Now));

    // Within the same second: the first is completed, the second takes the next free name.
    Feed(1.0f);
    Record();
    EXPECT_EQ(ReadWholeFile(LogDir() + "2025 01 07 - 09 05 03.zlog").size(), 8);
    EXPECT_TRUE(QFileInfo::exists(LogDir() + "2025 01 07 - 09 05 03.histo"));
    EXPECT_EQ(Session.CurrentLogFile(), LogDir() + "2025 01 07 - 09 05 04.zlog");
}

TEST_F(SessionTest, ARecordingThatCannotMakeItsLogListensInstead)
{
    ASSERT_TRUE(QDir(LogDir()).removeRecursively());
    EXPECT_THROW(Record(), EInOutError);
    EXPECT_EQ(RecordingState, Listening);
    EXPECT_EQ(Session.CurrentLogFile(), LogDir());
    Feed(1.0f);
    EXPECT_EQ(Session.Statistics().SampleCount(), 1u);
}

TEST_F(SessionTest, ListeningAfterARecordingReportsAFailedSaveOnceListening)
{
    Record();
    Feed(1.0f);
    ASSERT_TRUE(QDir(LogDir()).removeRecursively());
    EXPECT_THROW(Session.StartListening({UnitMWm2, 0.5, 0, 60}), EInOutError);
    EXPECT_EQ(RecordingState, Listening);
    EXPECT_EQ(Session.Statistics().SampleCount(), 0u);
}

TEST_F(SessionTest, RestartKeepsThePendingEndAndTheDescription)
{
    Record();
    Session.DescriptionToEdit().Operator.Set("Ann");
    const QDateTime end = Services.Now.addSecs(3600);
    Session.ScheduleEnd(end);
    bool markedAsRestart = false;
    Session.RestartRecording([&] {
        Session.Stop();
        EXPECT_FALSE(Session.ScheduledEnd().IsPending());
        Record();
        markedAsRestart = RestartInProgress;
    });
    EXPECT_TRUE(markedAsRestart);
    EXPECT_FALSE(RestartInProgress);
    EXPECT_EQ(Session.CurrentLogFile(), LogDir() + "2025 01 07 - 09 05 04.zlog");
    ASSERT_TRUE(Session.ScheduledEnd().IsPending());
    EXPECT_EQ(Session.ScheduledEnd().EndTime(), end);
    EXPECT_EQ(RecordMeta(Session.CurrentLogFile()).Operator.Text(), "Ann");
}

TEST_F(SessionTest, TheScheduledEndStopsTheRecordingOnceItsTimeHasCome)
{
    Record();
    Feed(1.0f);
    Session.ScheduleEnd(Services.Now.addSecs(10));
    EXPECT_FALSE(Session.TakeReachedEnd());
    EXPECT_TRUE(Session.ScheduledEnd().IsPending());
    Services.Now = Services.Now.addSecs(10);
    EXPECT_TRUE(Session.TakeReachedEnd());
    EXPECT_FALSE(Session.ScheduledEnd().IsPending());
    Session.FinishRecording();
    EXPECT_EQ(RecordingState, Stopped);
    EXPECT_EQ(LogSize(), 8);
    EXPECT_EQ(Status.last(), "   Data has been saved");

    // Saved once: finishing again saves nothing, and an end reached now stops nothing.
    Status.clear();
    Session.FinishRecording();
    EXPECT_TRUE(Status.isEmpty());
    Session.ScheduleEnd(Services.Now);
    EXPECT_FALSE(Session.TakeReachedEnd());
    EXPECT_FALSE(Session.ScheduledEnd().IsPending());
}

TEST_F(SessionTest, ALostMeterKeepsWhatTheRecordingReceived)
{
    Record();
    Feed(1.0f);
    Session.MeterLost();
    EXPECT_EQ(LogSize(), 8);
    EXPECT_EQ(Status.last(),
              "   The ZELTAR device has been disconnected: the recording waits for it to be connected again");
    Session.Stop();
    Session.MeterLost();
    EXPECT_EQ(Status.last(), "   The ZELTAR device has been disconnected: waiting for it to be connected again");
}
