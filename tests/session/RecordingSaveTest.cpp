// Completing a recording: the bounded wait for a sample in progress, samples the log cannot
// take, a save that cannot be written, and the name of a new log.

#include "tests/session/SessionTestSupport.h"

#include "model/InOutError.h"
#include "session/FreeLogName.h"
#include "storage/LogFile.h"
#include "tests/support/FullDisk.h"

#include <QDir>
#include <QFileInfo>

namespace {

class RecordingSaveTest : public SessionTest {
protected:
    RecordingSaveTest() { Record(); }
};

} // namespace

TEST_F(RecordingSaveTest, SaveWaitsAtMostTenTimesAHundredMillisecondsForTheSampleInProgress)
{
    int saved = 0;
    QObject::connect(&Session, &TAcquisitionSession::RecordSaved, [&] { ++saved; });
    Feed(1.0f);
    Feed(2.0f);
    std::vector<int> pauses;
    Session.PauseForSample = [&](int ms) {
        pauses.push_back(ms);
        if (pauses.size() == 3)
            SampleInProgress = false;
    };
    SampleInProgress = true;
    Session.SaveOnStop();
    EXPECT_EQ(pauses, (std::vector<int>{100, 100, 100}));
    EXPECT_EQ(LogSize(), 16);
    EXPECT_TRUE(QFileInfo::exists(CompanionName(Session.CurrentLogFile(), ".histo")));
    EXPECT_EQ(Status.last(), "   Data has been saved");
    EXPECT_EQ(saved, 1);

    pauses.clear();
    Session.PauseForSample = [&](int ms) { pauses.push_back(ms); };
    SampleInProgress = true;
    Session.SaveOnStop();
    SampleInProgress = false;
    EXPECT_EQ(pauses.size(), 10u);
    // What was appended is not appended again.
    EXPECT_EQ(LogSize(), 16);

    pauses.clear();
    Session.SaveOnStop();
    EXPECT_TRUE(pauses.empty());
}

TEST_F(RecordingSaveTest, ASampleIsInProgressWhileHandledAndNotAfterItsLogFailed)
{
    bool inProgress = false;
    QObject::connect(&Session, &TAcquisitionSession::SampleProcessed, [&] { inProgress = SampleInProgress; });
    Feed(1.0f);
    EXPECT_TRUE(inProgress);
    EXPECT_FALSE(SampleInProgress);
    const TFullDisk disk;
    for (int i = 0; i < 8; ++i)
        Feed(1.0f);
    EXPECT_THROW(Feed(1.0f), EInOutError);
    EXPECT_FALSE(SampleInProgress);
}

TEST_F(RecordingSaveTest, RecordedSamplesReachTheLogInGroups)
{
    for (int i = 0; i < 9; ++i)
        Feed(1.0f);
    EXPECT_EQ(LogSize(), 0);
    Feed(1.0f);
    EXPECT_EQ(LogSize(), 80);
}

TEST_F(RecordingSaveTest, SamplesBeyondTheMemoryLimitAreMissingFromTheLogAndFromItsHistogram)
{
    Session.LimitUnwritten(15);
    for (int i = 0; i < 10; ++i)
        Feed(1.0f);
    {
        const TFullDisk disk;
        for (int i = 0; i < 9; ++i)
            Feed(2.0f);
        EXPECT_THROW(Feed(2.0f), EInOutError);
        EXPECT_TRUE(Session.LogWriteFailed());
        for (int i = 0; i < 20; ++i)
            Feed(3.0f);
    }
    for (int i = 0; i < 10; ++i)
        Feed(4.0f);
    EXPECT_FALSE(Session.LogWriteFailed());
    // 10 written; 15 kept and written with the last 10; 15 beyond the limit lost.
    EXPECT_EQ(LogSize(), 35 * 8);
    Session.SaveOnStop();
    EXPECT_EQ(Status.last(), "   The record is incomplete: 15 samples could not be written to its log");
    const QByteArray histogram = ReadWholeFile(CompanionName(Session.CurrentLogFile(), ".histo"));
    EXPECT_EQ(QString::fromLatin1(histogram).split("\r\n").value(3), "35");
    EXPECT_EQ(Session.LiveHistogram().Total, 50u);
}

TEST_F(RecordingSaveTest, AStopWhoseSaveFailsStillStopsAndReportsTheError)
{
    Feed(1.0f);
    ASSERT_TRUE(QDir(LogDir()).removeRecursively());
    EXPECT_THROW(Session.Stop(), EInOutError);
    EXPECT_EQ(RecordingState, Stopped);
    EXPECT_EQ(Session.CurrentLogFile(), LogDir());
    EXPECT_EQ(Status.last(), "   The record is incomplete: 1 sample could not be written to its log");
}

TEST(FreeLogFileName, TakesTheNextSecondWhoseRecordDoesNotExist)
{
    TempAppDir app;
    const QString logDir = app.Paths().LogDir;
    const QDateTime start(QDate(2025, 1, 7), QTime(9, 5, 3));
    EXPECT_EQ(FreeLogFileName(logDir, start), logDir + "2025 01 07 - 09 05 03.zlog");
    app.WriteFile("Log/2025 01 07 - 09 05 03.zlog", {});
    app.WriteFile("Log/2025 01 07 - 09 05 04.meta", {});
    app.WriteFile("Log/2025 01 07 - 09 05 05.histo", {});
    EXPECT_EQ(FreeLogFileName(logDir, start), logDir + "2025 01 07 - 09 05 06.zlog");
}
