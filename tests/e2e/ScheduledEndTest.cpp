// The scheduled end of a recording, from the menu to the end: the end reached on the test's
// clock, the shutdown, an end that a stop cancels or a restart keeps, and an end reached
// while a question is open.

#include "tests/e2e/MeterSession.h"

#include "model/GlobalState.h"
#include "storage/DateTimeConvert.h"
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

using TRowTexts = std::array<QString, 6>; // hour, minute, second, day, month, year

std::array<QLineEdit *, 6> EndRow(const TForm6 &dialog)
{
    return {dialog.hour_End, dialog.min_End, dialog.sec_End, dialog.day_End, dialog.month_End, dialog.year_End};
}

TRowTexts Texts(const QDateTime &moment)
{
    const QDate date = moment.date();
    const QTime time = moment.time();
    return {QString::number(time.hour()), QString::number(time.minute()), QString::number(time.second()),
            QString::number(date.day()),  QString::number(date.month()),  QString::number(date.year())};
}

void Type(TForm6 &dialog, const TRowTexts &texts)
{
    for (std::size_t i = 0; i < texts.size(); ++i)
        EndRow(dialog)[i]->setText(texts[i]);
}

class ScheduledEndTest : public MeterSession {
protected:
    ScheduledEndTest()
    {
        // Whole seconds, so that the fields say exactly when.
        Services.Now = QDateTime(QDate(2026, 3, 10), QTime(10, 0, 0));
        PlugIn();
        Start();
    }

    // The menu entry, with the dialog answered by answer.
    void ScheduleEnd(const std::function<void(TForm6 &)> &answer)
    {
        const ModalHookGuard<TForm6> guard([&](TForm6 &dialog) {
            ++ScheduleDialogs;
            answer(dialog);
        });
        Form1->ScheduleEnd1Click();
    }

    void ScheduleEndAt(const QDateTime &end, bool shutDown = false)
    {
        ScheduleEnd([&](TForm6 &dialog) {
            dialog.ShutDownCB->setChecked(shutDown);
            Type(dialog, Texts(end));
            dialog.ImageOKbClick();
        });
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

TEST_F(ScheduledEndTest, TheMenuEntryOffersToStartARecordingFirst)
{
    Services.Answer(TMsgAnswer::Cancel);
    ScheduleEnd([](TForm6 &) {});
    EXPECT_EQ(Services.Texts(), QStringList{"Do you want to start recording and schedule the end of recording?"});
    EXPECT_EQ(RecordingState, Listening);
    EXPECT_EQ(ScheduleDialogs, 0);

    Services.Answer(TMsgAnswer::Yes);
    TRowTexts start;
    ScheduleEnd([&](TForm6 &dialog) {
        start = {dialog.hour_Start->text(), dialog.min_Start->text(),   dialog.sec_Start->text(),
                 dialog.day_Start->text(),  dialog.month_Start->text(), dialog.year_start->text()};
    });
    EXPECT_EQ(RecordingState, Recording);
    EXPECT_TRUE(Form1->RecB->isChecked());
    EXPECT_EQ(MetaDialogs, 1);
    EXPECT_EQ(ScheduleDialogs, 1);
    EXPECT_EQ(start, Texts(FromTDateTime(Form1->Session.CurrentMetaData().StartTime)));
    EXPECT_FALSE(Form1->Session.ScheduledEnd().IsPending());
    EXPECT_TRUE(Form1->LabelInterrupt->isHidden());
}

TEST_F(ScheduledEndTest, TheEndSavesAndStopsTheRecording)
{
    Record();
    MeasureSeries(13);
    const QDateTime end = Services.Now.addSecs(60);
    ScheduleEndAt(end);
    EXPECT_FALSE(Form1->LabelInterrupt->isHidden());
    EXPECT_TRUE(Form1->LabelInterrupt->text().startsWith("Recording end scheduled on "));

    TickAt(end);
    EXPECT_EQ(RecordingState, Stopped);
    EXPECT_TRUE(Form1->StopB->isChecked());
    EXPECT_FALSE(Form2->ComPort1.isOpen());
    EXPECT_TRUE(Form1->LabelInterrupt->isHidden());
    EXPECT_EQ(LogRecords(Log()).size(), 13u);
    EXPECT_TRUE(Services.ExitCodes.empty());
    EXPECT_TRUE(Services.Shown.empty());
}

TEST_F(ScheduledEndTest, WithShutdownTheProgramEndsOnceTheRecordIsSaved)
{
    ChooseInterval(2); // 10 sec: the clock is looked at every ten seconds
    Record();
    MeasureSeries(2);
    const QDateTime end = Services.Now.addSecs(600);
    ScheduleEndAt(end, true);
    TickAt(end.addSecs(5));
    EXPECT_EQ(Services.ExitCodes, std::vector<int>{EXIT_SUCCESS});
    EXPECT_EQ(LogRecords(Log()).size(), 2u);
    EXPECT_TRUE(QFileInfo::exists(CompanionName(Log(), ".histo")));
    EXPECT_TRUE(QFileInfo::exists(App.Paths().SettingsDir + "LastSettings.ls"));
}

TEST_F(ScheduledEndTest, TheLabelOfThePendingEndStaysThroughARestartAndGoesWithAStop)
{
    Record();
    const QDateTime end = Services.Now.addSecs(60);
    ScheduleEndAt(end);
    const QString label = Form1->LabelInterrupt->text();

    Services.Answer(TMsgAnswer::Yes);
    Form1->RestartBClick();
    ASSERT_EQ(Logs().size(), 2);
    EXPECT_FALSE(Form1->LabelInterrupt->isHidden());
    EXPECT_EQ(Form1->LabelInterrupt->text(), label);

    MeasureSeries(3);
    Form1->StopB->click();
    EXPECT_TRUE(Form1->LabelInterrupt->isHidden());
    EXPECT_EQ(Services.Shown.size(), 1u);
}

TEST_F(ScheduledEndTest, AnEndReachedWhilePlayAsksLeavesListeningToStartFromTheStop)
{
    Record();
    MeasureSeries(2);
    const QDateTime end = Services.Now.addSecs(60);
    ScheduleEndAt(end);
    // The question is open when the timer finds the end; then the user says Yes.
    Services.AnswerWith = [&](const TShownBox &) {
        TickAt(end);
        return TMsgAnswer::Yes;
    };
    Form1->PlayB->click();
    EXPECT_EQ(LogRecords(Log()).size(), 2u);
    EXPECT_EQ(RecordingState, Listening);
    EXPECT_TRUE(Form2->ComPort1.isOpen());
    EXPECT_TRUE(Form1->PlayB->isChecked());
    MeasureSeries(1);
    EXPECT_EQ(Form1->Session.Statistics().SampleCount(), 1u);
}

TEST_F(ScheduledEndTest, AnEndReachedWhileImportAsksSavesTheRecordOnce)
{
    Record();
    MeasureSeries(2);
    const QString log = Log();
    const QDateTime end = Services.Now.addSecs(60);
    ScheduleEndAt(end);
    // The end comes while the question is open; Yes, then Cancel to the notice about HOLD.
    Services.AnswerWith = [&](const TShownBox &box) {
        if (box.Text != "Are you sure you want to stop recording?")
            return TMsgAnswer::Cancel;
        TickAt(end);
        return TMsgAnswer::Yes;
    };
    Form1->Import1Click();
    EXPECT_EQ(RecordingState, Stopped);
    EXPECT_EQ(LogRecords(log).size(), 2u);
    const QStringList files = QDir(App.Paths().LogDir).entryList(QDir::Files | QDir::Hidden);
    const QString base = QFileInfo(log).completeBaseName();
    EXPECT_EQ(files, QStringList({base + ".histo", base + ".meta", base + ".zlog"}));
    // The question and the notice, and no error.
    EXPECT_EQ(Services.Shown.size(), 2u);
}
