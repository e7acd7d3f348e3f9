// Completing a recording: the bounded wait for a sample in progress, samples the log cannot
// take, a save that cannot be written, and the name of a new log.

#include "tests/session/SessionTestSupport.h"

#include "model/InOutError.h"
#include "tests/support/FullDisk.h"
#include "tests/support/RecordFiles.h"

#include <QDir>
#include <QFileInfo>

namespace {

class RecordingSaveTest : public SessionTest {
protected:
    RecordingSaveTest() { Record(); }
};

} // namespace

// A save reached under a box of the sample being handled cannot wait for that sample to end,
// so its wait is bounded; a save reached otherwise does not wait.
TEST_F(RecordingSaveTest, ASaveWhileASampleIsHandledWaitsAtMostTenTimesAHundredMilliseconds)
{
    std::vector<int> pauses;
    Session.PauseForSample = [&](int ms) { pauses.push_back(ms); };
    Feed(1.0f);
    const QMetaObject::Connection saving =
        QObject::connect(&Session, &TAcquisitionSession::SampleProcessed, [this] { Session.SaveOnStop(); });
    Feed(2.0f);
    QObject::disconnect(saving);
    EXPECT_EQ(pauses, std::vector<int>(10, 100));
    EXPECT_EQ(LogSize(), 16);
    EXPECT_TRUE(QFileInfo::exists(CompanionName(Session.CurrentLogFile(), ".histo")));
    EXPECT_EQ(Status.last(), "   Data has been saved");

    // The sample is done: the next save waits for nothing and appends nothing again.
    Session.SaveOnStop();
    EXPECT_EQ(pauses.size(), 10u);
    EXPECT_EQ(LogSize(), 16);
    // Nor does one after a sample whose log could not be written.
    {
        const TFullDisk disk;
        for (int i = 0; i < 9; ++i)
            Feed(3.0f);
        EXPECT_THROW(Feed(3.0f), EInOutError);
    }
    Session.SaveOnStop();
    EXPECT_EQ(pauses.size(), 10u);
}

TEST_F(RecordingSaveTest, SamplesReachTheLogInGroupsAndThoseBeyondTheMemoryLimitAreMissingFromItAndItsHistogram)
{
    Session.LimitUnwritten(15);
    for (int i = 0; i < 9; ++i)
        Feed(1.0f);
    EXPECT_EQ(LogSize(), 0);
    Feed(1.0f);
    EXPECT_EQ(LogSize(), 80);
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
    // 10 written; the oldest 15 kept and written, in order, before the last 10; 15 beyond the
    // limit lost.
    std::vector<float> inLog(10, 1.0f);
    inLog.resize(20, 2.0f);
    inLog.resize(25, 3.0f);
    inLog.resize(35, 4.0f);
    EXPECT_EQ(StoredValues(LogRecords(Session.CurrentLogFile())), inLog);
    Session.SaveOnStop();
    EXPECT_EQ(Status.last(), "   The record is incomplete: 15 samples could not be written to its log");
    const QByteArray histogram = ReadWholeFile(CompanionName(Session.CurrentLogFile(), ".histo"));
    EXPECT_EQ(QString::fromLatin1(histogram).split("\r\n").value(3), "35");
    EXPECT_EQ(Session.LiveHistogram().Total, 50u);
}

TEST_F(RecordingSaveTest, WithoutItsLogFolderARecordingStillEndsAndNoneBegins)
{
    Feed(1.0f);
    ASSERT_TRUE(QDir(LogDir()).removeRecursively());
    EXPECT_THROW(Session.StartListening({UnitMWm2, 0.5, 0, 60}), EInOutError);
    EXPECT_EQ(Session.State(), Listening);
    EXPECT_EQ(Session.Statistics().SampleCount(), 0u);
    EXPECT_EQ(Status.last(), "   The record is incomplete: 1 sample could not be written to its log; "
                             "2025 01 07 - 09 05 03.histo could not be written");
    // No log can be made: listening goes on instead.
    EXPECT_THROW(Record(), EInOutError);
    EXPECT_EQ(Session.State(), Listening);
    EXPECT_EQ(Session.CurrentLogFile(), LogDir());
    Feed(1.0f);
    EXPECT_EQ(Session.Statistics().SampleCount(), 1u);

    ASSERT_TRUE(QDir().mkpath(LogDir()));
    Record();
    ASSERT_TRUE(QDir(LogDir()).removeRecursively());
    EXPECT_THROW(Session.Stop(), EInOutError);
    EXPECT_EQ(Session.State(), Stopped);
    EXPECT_EQ(Session.CurrentLogFile(), LogDir());
}

TEST_F(RecordingSaveTest, AStopThatCouldNotWriteTheHistogramSaysSoAndTheNextStopOrTheRetryWritesIt)
{
    const QString log = Session.CurrentLogFile();
    const QString histogram = CompanionName(log, ".histo");
    Feed(1.0f);
    Feed(2.0f);
    {
        // Room for the two samples, none for the histogram.
        const TFullDisk disk(16);
        EXPECT_THROW(Session.Stop(), EInOutError);
        EXPECT_EQ(Session.State(), Stopped);
        EXPECT_EQ(Status.last(), "   The record is incomplete: 2025 01 07 - 09 05 03.histo could not be written");
        EXPECT_TRUE(Session.HasUnsavedFiles());
        // Stopped again while still full: no new box, the status still says what is missing.
        Session.Stop();
        EXPECT_EQ(Status.last(), "   The record is incomplete: 2025 01 07 - 09 05 03.histo could not be written");
        Session.RetryUnsavedFiles();
        EXPECT_FALSE(QFileInfo::exists(histogram));
    }
    EXPECT_EQ(ReadWholeFile(log).size(), 16);
    Session.Stop();
    EXPECT_EQ(Status.last(), "   Data has been saved");
    EXPECT_FALSE(Session.HasUnsavedFiles());
    EXPECT_EQ(QString::fromLatin1(ReadWholeFile(histogram)).split("\r\n").value(3), "2");

    // The same found by the retry once there is room, with the samples the log refused.
    Record();
    const QString second = Session.CurrentLogFile();
    Feed(3.0f);
    {
        const TFullDisk disk;
        EXPECT_THROW(Session.Stop(), EInOutError);
        EXPECT_EQ(Status.last(), "   The record is incomplete: 1 sample could not be written to its log; "
                                 "2025 01 07 - 09 05 04.histo could not be written");
    }
    Session.RetryUnsavedFiles();
    EXPECT_EQ(Status.last(), "   Data has been saved");
    EXPECT_EQ(ReadWholeFile(second).size(), 8);
    EXPECT_EQ(QString::fromLatin1(ReadWholeFile(CompanionName(second, ".histo"))).split("\r\n").value(3), "1");
}

TEST_F(RecordingSaveTest, AMetaThatFailedAtTheStartIsWrittenWithTheNextWriteThatWorksAndNothingIsSavedWithoutIt)
{
    const QString meta = CompanionName(Session.CurrentLogFile(), ".meta");
    Session.DescriptionToEdit().Operator.Set("Ann");
    {
        const TFullDisk disk;
        EXPECT_THROW(Session.WriteRecordMeta(), EInOutError);
    }
    EXPECT_FALSE(QFileInfo::exists(meta));
    // The first flush that works puts it down, with the start of the recording.
    for (int i = 0; i < 10; ++i)
        Feed(1.0f);
    ASSERT_TRUE(QFileInfo::exists(meta));
    EXPECT_EQ(RecordMeta(Session.CurrentLogFile()).Operator.Text(), "Ann");
    EXPECT_EQ(RecordMeta(Session.CurrentLogFile()).StartTime, Session.SessionStart());

    // Never written during the recording: the stop tries it, and does not say "saved" without it.
    Record();
    const QString second = Session.CurrentLogFile();
    {
        const TFullDisk disk;
        EXPECT_THROW(Session.WriteRecordMeta(), EInOutError);
        Feed(1.0f);
        EXPECT_THROW(Session.Stop(), EInOutError);
    }
    EXPECT_EQ(Status.last(), "   The record is incomplete: 1 sample could not be written to its log; "
                             "2025 01 07 - 09 05 04.meta and 2025 01 07 - 09 05 04.histo could not be written");
    // A new recording's status line starts afresh, and its first flush completes the earlier record.
    Record();
    EXPECT_TRUE(Status.last().isEmpty());
    for (int i = 0; i < 10; ++i)
        Feed(2.0f);
    EXPECT_FALSE(Session.HasUnsavedFiles());
    EXPECT_EQ(RecordMeta(second).Operator.Text(), "Ann");
    EXPECT_EQ(ReadWholeFile(second).size(), 8);
    EXPECT_TRUE(QFileInfo::exists(CompanionName(second, ".histo")));
}

TEST_F(RecordingSaveTest, TheProgramsEndThrowsWhenARecordStillLacksAFile)
{
    Feed(1.0f);
    {
        const TFullDisk disk(8);
        EXPECT_THROW(Session.SaveBeforeExit(), EInOutError);
        EXPECT_THROW(Session.SaveBeforeExit(), EInOutError) << "the histogram is still owed";
    }
    Session.SaveBeforeExit();
    EXPECT_FALSE(Session.HasUnsavedFiles());
}
