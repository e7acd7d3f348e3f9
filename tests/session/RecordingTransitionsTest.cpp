// Recording, restarting, the scheduled end and a lost meter, as the session changes its
// state; the clock is the test's.

#include "tests/session/SessionTestSupport.h"

#include "model/InOutError.h"
#include "storage/DateTimeConvert.h"
#include "tests/support/QtPrinters.h"
#include "tests/support/RecordFiles.h"

#include <QDir>
#include <QFileInfo>

TEST_F(SessionTest, RecordNamesItsLogAndStartsAtOneReadingOfTheClock)
{
    Services.ClockReads = 0;
    Record();
    EXPECT_EQ(Services.ClockReads, 1);
    EXPECT_EQ(Session.CurrentLogFile(), LogDir() + "2025 01 07 - 09 05 03.zlog");
    EXPECT_TRUE(QFileInfo::exists(Session.CurrentLogFile()));
    EXPECT_EQ(Session.SessionStart(), ToTDateTime(Services.Now));

    // Within the same second: the first is completed, the second takes the next second of
    // which no file of a record exists.
    Feed(1.0f);
    App.WriteFile("Log/2025 01 07 - 09 05 04.meta", {});
    App.WriteFile("Log/2025 01 07 - 09 05 05.histo", {});
    Record();
    EXPECT_EQ(ReadWholeFile(LogDir() + "2025 01 07 - 09 05 03.zlog").size(), 8);
    EXPECT_TRUE(QFileInfo::exists(LogDir() + "2025 01 07 - 09 05 03.histo"));
    EXPECT_EQ(Session.CurrentLogFile(), LogDir() + "2025 01 07 - 09 05 06.zlog");
}

// No line may be processed halfway through a change of the live state, the save of the
// recording before it included; the hold ends also when the change fails.
TEST_F(SessionTest, ChangesOfTheLiveStateHoldTheMetersLinesThroughout)
{
    QStringList holds;
    const auto held = [this] { return Lines.Holds > 0 ? "held" : "not held"; };
    QObject::connect(&Session, &TAcquisitionSession::LiveStateReset, [&] { holds << QString("reset ") + held(); });
    QObject::connect(&Session, &TAcquisitionSession::StatusText,
                     [&](const QString &text) { holds << text.trimmed() + " " + held(); });
    Record();
    Feed(1.0f);
    Session.StartListening({UnitMWm2, 0.5, 0, 60});
    Session.ResetLiveState(Listening, {UnitVm, 1.0, 0, 60});
    Record();
    ASSERT_TRUE(QDir(LogDir()).removeRecursively());
    EXPECT_THROW(Session.StartListening({UnitMWm2, 0.5, 0, 60}), EInOutError);
    EXPECT_EQ(holds, (QStringList{"reset held", " held", "Data has been saved held", "reset held", "reset held",
                                  "reset held", " held",
                                  "The record is incomplete: 2025 01 07 - 09 05 04.histo could not be written held",
                                  "reset held"}));
    EXPECT_EQ(Lines.Holds, 0);

    // The record viewer's copy of the log in recording.
    Session.HoldLineDelivery(true);
    EXPECT_EQ(Lines.Holds, 1);
    Session.HoldLineDelivery(false);
    EXPECT_EQ(Lines.Holds, 0);
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
        markedAsRestart = Session.IsRestarting();
    });
    EXPECT_TRUE(markedAsRestart);
    EXPECT_FALSE(Session.IsRestarting());
    EXPECT_EQ(Session.CurrentLogFile(), LogDir() + "2025 01 07 - 09 05 04.zlog");
    ASSERT_TRUE(Session.ScheduledEnd().IsPending());
    EXPECT_EQ(Session.ScheduledEnd().EndTime(), end);
    EXPECT_EQ(RecordMeta(Session.CurrentLogFile()).Operator.Text(), "Ann");
}

TEST_F(SessionTest, TheScheduledEndStopsTheRecordingOnceEvenWhenAQuestionIsOpen)
{
    Record();
    Feed(1.0f);
    Session.ScheduleEnd(Services.Now.addSecs(10));
    EXPECT_FALSE(Session.TakeReachedEnd());
    EXPECT_TRUE(Session.ScheduledEnd().IsPending());
    // The end is reached while the import asks to stop, and is handled as the window's timer
    // does; the Yes that follows saves nothing again.
    bool reached = false;
    Services.AnswerWith = [&](const TShownBox &box) {
        if (box.Kind != TMsgKind::Confirmation)
            return TMsgAnswer::Cancel;
        Services.Now = Services.Now.addSecs(10);
        reached = Session.TakeReachedEnd();
        Session.FinishRecording();
        Session.Stop();
        return TMsgAnswer::Yes;
    };
    EXPECT_EQ(Session.AskToImport(), TImportConsent::RecordingEnded);
    EXPECT_TRUE(reached);
    EXPECT_EQ(Status.count("   Data has been saved"), 1);
    EXPECT_EQ(ReadWholeFile(LogDir() + "2025 01 07 - 09 05 03.zlog").size(), 8);
    EXPECT_EQ(QDir(LogDir()).entryList(QDir::Files | QDir::Hidden),
              (QStringList{"2025 01 07 - 09 05 03.histo", "2025 01 07 - 09 05 03.zlog"}));

    // Stopped, an end reached stops nothing.
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
