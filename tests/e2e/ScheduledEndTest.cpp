// The scheduled end of a recording, from the menu to the end: the end reached on the test's
// clock, the shutdown, an end that a stop cancels or a restart keeps, and an end reached
// while a question is open.

#include "tests/e2e/MeterSession.h"

#include "model/GlobalState.h"
#include "storage/Form6_Schedule.h"
#include "storage/LogFile.h"
#include "tests/storage/ModalHookGuard.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

#include <cstdlib>

namespace {

class ScheduledEndTest : public ConnectedMeterSession {
protected:
    // Whole seconds, so that the fields say exactly when.
    ScheduledEndTest() { Services.Now = QDateTime(QDate(2026, 3, 10), QTime(10, 0, 0)); }

    // The menu entry, with the dialog answered by answer.
    void ScheduleEnd(const std::function<void(TForm6 &)> &answer)
    {
        const ModalHookGuard<TForm6> guard([&](TForm6 &dialog) {
            ++ScheduleDialogs;
            answer(dialog);
        });
        Form1->ScheduleEnd1Click();
    }

    // Records, and schedules the end the dialog offers: six minutes after the start.
    QDateTime RecordUntilTheOfferedEnd(bool shutDown = false)
    {
        Record();
        ScheduleEnd([&](TForm6 &dialog) {
            dialog.ShutDownCB->setChecked(shutDown);
            dialog.ImageOKbClick();
        });
        return Services.Now.addSecs(360);
    }

    // One tick of InterruptREC at the given time.
    void TickAt(const QDateTime &moment)
    {
        Services.Now = moment;
        Form1->InterruptRECTimer();
    }

    QString Log() const { return App.Paths().LogDir + Logs().value(0); }

    int ScheduleDialogs = 0;
};

} // namespace

TEST_F(ScheduledEndTest, TheMenuEntryStartsARecordingFirstAndOpensTheDialogAtItsStart)
{
    Services.Answer(TMsgAnswer::Cancel);
    ScheduleEnd([](TForm6 &) {});
    EXPECT_EQ(RecordingState, Listening);
    EXPECT_EQ(ScheduleDialogs, 0);

    Services.Answer(TMsgAnswer::Yes);
    QStringList start;
    ScheduleEnd([&](TForm6 &dialog) {
        for (const QLineEdit *field : {dialog.hour_Start, dialog.min_Start, dialog.sec_Start, dialog.day_Start,
                                       dialog.month_Start, dialog.year_start})
            start << field->text();
    });
    EXPECT_EQ(RecordingState, Recording);
    EXPECT_EQ(MetaDialogs, 1);
    EXPECT_EQ(ScheduleDialogs, 1);
    EXPECT_EQ(start, (QStringList{"10", "0", "0", "10", "3", "2026"}));
    EXPECT_TRUE(Form1->LabelInterrupt->isHidden());
}

TEST_F(ScheduledEndTest, TheEndOutlivesARestartAndThenSavesAndStopsTheRecording)
{
    const QDateTime end = RecordUntilTheOfferedEnd();
    const QString label = Form1->LabelInterrupt->text();
    EXPECT_TRUE(label.startsWith("Recording end scheduled on "));
    Services.Answer(TMsgAnswer::Yes);
    Form1->RestartBClick();
    ASSERT_EQ(Logs().size(), 2);
    EXPECT_EQ(Form1->LabelInterrupt->text(), label);
    EXPECT_FALSE(Form1->LabelInterrupt->isHidden());
    MeasureSeries(13);

    TickAt(end);
    EXPECT_EQ(RecordingState, Stopped);
    EXPECT_TRUE(Form1->StopB->isChecked());
    EXPECT_FALSE(Form2->ComPort1.isOpen());
    EXPECT_TRUE(Form1->LabelInterrupt->isHidden());
    EXPECT_EQ(LogRecords(App.Paths().LogDir + Logs().value(1)).size(), 13u);
    EXPECT_TRUE(Services.ExitCodes.empty());
    EXPECT_EQ(Services.Shown.size(), 1u);
}

TEST_F(ScheduledEndTest, AStopTakesAwayTheLabelOfThePendingEnd)
{
    RecordUntilTheOfferedEnd();
    EXPECT_FALSE(Form1->LabelInterrupt->isHidden());
    Form1->StopB->click();
    EXPECT_TRUE(Form1->LabelInterrupt->isHidden());
}

TEST_F(ScheduledEndTest, WithShutdownTheProgramEndsOnceTheRecordIsSaved)
{
    ChooseInterval(2); // 10 sec: the clock is looked at every ten seconds
    const QDateTime end = RecordUntilTheOfferedEnd(true);
    MeasureSeries(2);
    TickAt(end.addSecs(5));
    EXPECT_EQ(Services.ExitCodes, std::vector<int>{EXIT_SUCCESS});
    EXPECT_EQ(LogRecords(Log()).size(), 2u);
    EXPECT_TRUE(QFileInfo::exists(CompanionName(Log(), ".histo")));
    EXPECT_TRUE(QFileInfo::exists(App.Paths().SettingsDir + "LastSettings.ls"));
}

TEST_F(ScheduledEndTest, AnEndReachedWhilePlayAsksLeavesListeningToStartFromTheStop)
{
    const QDateTime end = RecordUntilTheOfferedEnd();
    MeasureSeries(2);
    // The question is open when the timer finds the end; then the user says Yes.
    Services.AnswerWith = [&](const TShownBox &) {
        TickAt(end);
        return TMsgAnswer::Yes;
    };
    Form1->PlayB->click();
    EXPECT_EQ(LogRecords(Log()).size(), 2u);
    EXPECT_EQ(RecordingState, Listening);
    EXPECT_TRUE(Form1->PlayB->isChecked());
    MeasureSeries(1);
    EXPECT_EQ(Form1->Session.Statistics().SampleCount(), 1u);
}

TEST_F(ScheduledEndTest, AnEndReachedWhileImportAsksSavesTheRecordOnce)
{
    const QDateTime end = RecordUntilTheOfferedEnd();
    MeasureSeries(2);
    // The end comes while the question is open; Yes, then Cancel to the notice about HOLD.
    Services.AnswerWith = [&](const TShownBox &box) {
        if (box.Text != "Are you sure you want to stop recording?")
            return TMsgAnswer::Cancel;
        TickAt(end);
        return TMsgAnswer::Yes;
    };
    Form1->Import1Click();
    EXPECT_EQ(RecordingState, Stopped);
    EXPECT_EQ(LogRecords(Log()).size(), 2u);
    const QString base = QFileInfo(Log()).completeBaseName();
    EXPECT_EQ(QDir(App.Paths().LogDir).entryList(QDir::Files | QDir::Hidden),
              QStringList({base + ".histo", base + ".meta", base + ".zlog"}));
    // The question and the notice, and no error.
    EXPECT_EQ(Services.Shown.size(), 2u);
}
