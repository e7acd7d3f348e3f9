// Completing a recording without a meter: the bounded wait for a sample in progress, a save
// that cannot be written, Record with no meter, and the name of a new log.

#include "tests/app/AppTestSupport.h"

#include "app/FreeLogName.h"
#include "model/GlobalState.h"
#include "model/InOutError.h"
#include "storage/LogFile.h"
#include "storage/ModalSeam.h"
#include "storage/Form5_MetaData.h"
#include "tests/support/FullDisk.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QToolButton>

namespace {

class RecordingSaveTest : public MainWindowTest {
protected:
    RecordingSaveTest()
    {
        Form->CurrentLogFile = App.Paths().LogDir + "run.zlog";
        Form->ResetLiveState(Recording, 60, UnitMWm2, 0, 0.5);
    }

    qsizetype LogSize() const { return ReadWholeFile(Form->CurrentLogFile).size(); }
    // Line index (from 0) of the recording's .histo file.
    QString HistoLine(int index) const
    {
        return QString::fromLatin1(ReadWholeFile(CompanionName(Form->CurrentLogFile, ".histo"))).split("\r\n").value(index);
    }
};

} // namespace

TEST_F(RecordingSaveTest, SaveWaitsAtMostTenTimesAHundredMillisecondsForTheSampleInProgress)
{
    Feed(1.0f);
    Feed(2.0f);
    std::vector<int> pauses;
    Form->PauseForSample = [&](int ms) {
        pauses.push_back(ms);
        if (pauses.size() == 3)
            SampleInProgress = false;
    };
    SampleInProgress = true;
    Form->SaveOnStop();
    EXPECT_EQ(pauses, (std::vector<int>{100, 100, 100}));
    EXPECT_EQ(LogSize(), 16);
    EXPECT_TRUE(QFileInfo::exists(CompanionName(Form->CurrentLogFile, ".histo")));
    EXPECT_EQ(Form->PanelStatus->text(), "   Data has been saved");

    pauses.clear();
    Form->PauseForSample = [&](int ms) { pauses.push_back(ms); };
    SampleInProgress = true;
    Form->SaveOnStop();
    SampleInProgress = false;
    EXPECT_EQ(pauses.size(), 10u);
    // What was appended is not appended again.
    EXPECT_EQ(LogSize(), 16);

    pauses.clear();
    Form->SaveOnStop();
    EXPECT_TRUE(pauses.empty());
}

TEST_F(RecordingSaveTest, SamplesBeyondTheMemoryLimitAreMissingFromTheLogAndFromItsHistogram)
{
    Form->Unwritten = TUnwrittenSamples(15);
    for (int i = 0; i < 10; ++i)
        Feed(1.0f);
    {
        const TFullDisk disk;
        for (int i = 0; i < 9; ++i)
            Feed(2.0f);
        EXPECT_THROW(Feed(2.0f), EInOutError);
        for (int i = 0; i < 20; ++i)
            Feed(3.0f);
    }
    for (int i = 0; i < 10; ++i)
        Feed(4.0f);
    // 10 written; 15 kept and written with the last 10; 15 beyond the limit lost.
    EXPECT_EQ(LogSize(), 35 * 8);
    Form->SaveOnStop();
    EXPECT_EQ(Form->PanelStatus->text(), "   The record is incomplete: 15 samples could not be written to its log");
    EXPECT_EQ(HistoLine(3), "35");
    EXPECT_EQ(Form->LiveHistogram.Total, 50u);
}

TEST_F(RecordingSaveTest, AStopWhoseSaveFailsStillStopsAndReportsTheError)
{
    Feed(1.0f);
    Form->LockAcquisitionSettings();
    ASSERT_TRUE(QDir(App.Paths().LogDir).removeRecursively());
    EXPECT_THROW(Form->StopBClick(), EInOutError);
    EXPECT_EQ(RecordingState, Stopped);
    EXPECT_TRUE(Form->PanelRight1->isEnabled());
    EXPECT_EQ(Form->CurrentLogFile, App.Paths().LogDir);
    EXPECT_EQ(Form->PanelStatus->text(), "   The record is incomplete: 1 sample could not be written to its log");
}

TEST_F(MainWindowTest, RecordWithoutAMeterAsksToConnectOneAndChangesNothing)
{
    int dialogs = 0;
    TModalSeam<TForm5>::Hook = [&](TForm5 &) { ++dialogs; };
    Form->RecB->click();
    Boxes.Answer(TMsgAnswer::Yes);
    Form->ScheduleEnd1Click();
    TModalSeam<TForm5>::Hook = nullptr;
    EXPECT_EQ(Boxes.Texts(), (QStringList{"Please connect a ZELTAR device first",
                                          "Do you want to start recording and schedule the end of recording?",
                                          "Please connect a ZELTAR device first"}));
    EXPECT_EQ(RecordingState, Listening);
    EXPECT_TRUE(Form->RecB->isChecked());
    EXPECT_TRUE(Form->PanelRight1->isEnabled());
    EXPECT_EQ(dialogs, 0);
    EXPECT_TRUE(QDir(App.Paths().LogDir).entryList(QDir::Files).isEmpty());
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
