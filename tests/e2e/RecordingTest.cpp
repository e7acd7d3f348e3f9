// Recording against the simulated meter: the three files of a record as the export reads
// them, play and restart while recording, and a recording whose log cannot be made.

#include "tests/e2e/MeterSession.h"

#include "tests/support/BuiltProgram.h"

#include "windows/ChoiceGroup.h"
#include "model/GlobalState.h"
#include "storage/DateTimeConvert.h"
#include "storage/LogFile.h"
#include "storage/MetaData.h"
#include "windows/StatisticsPanel.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

namespace {

const QString StopRecordingQuestion = QStringLiteral("Are you sure you want to stop recording?");
const QString StartOverQuestion = QStringLiteral("Are you sure you want to start over the recording?");

// The class counts of a .histo file, after its six header lines.
QStringList HistoCounts(const QString &logPath)
{
    QStringList lines = QString::fromLatin1(ReadWholeFile(CompanionName(logPath, ".histo"))).split("\r\n");
    lines.removeAll(QString());
    return lines.mid(6);
}

QString HistoTotal(const QString &logPath)
{
    return QString::fromLatin1(ReadWholeFile(CompanionName(logPath, ".histo"))).split("\r\n").value(3);
}

class RecordingTest : public MeterSession {
protected:
    RecordingTest()
    {
        PlugIn();
        Start();
    }

    QString Log(int index) const { return App.Paths().LogDir + Logs().value(index); }
    void Stop() { Form1->StopB->click(); }
};

} // namespace

TEST_F(RecordingTest, TwentySevenSamplesMakeACompleteRecordThatTheExportReads)
{
    MetaAnswer = [](TForm5 &dialog) {
        dialog.EditOperator->setText(QString::fromUtf8("Anna Sørensen"));
        dialog.EditPlace->setText("Roof, north side");
        dialog.EditNotes->setText("Night run");
        dialog.ImageOKbClick();
    };
    // The unit and the correction chosen before recording go into the samples and the .meta.
    Form1->IrrUnitGB->SetItemIndex(0);
    Form1->IrrUnitGBClick();
    Form1->CorrectionCB->setCurrentText("6");
    Form1->correctionCBChange();
    Services.Now = QDateTime(QDate(2026, 3, 10), QTime(10, 0, 0, 250));
    Record();
    ASSERT_EQ(RecordingState, Recording);
    EXPECT_EQ(MetaDialogs, 1);
    // Named after the moment recording began, to the second.
    ASSERT_EQ(Logs(), QStringList{"2026 03 10 - 10 00 00.zlog"});
    const QString log = Log(0);
    EXPECT_FALSE(Form1->PanelRight1->isEnabled());
    EXPECT_FALSE(Form1->PanelRight2->isEnabled());

    MeasureSeries(27);
    EXPECT_FALSE(QFileInfo::exists(CompanionName(log, ".histo")));
    Stop();
    const std::vector<TSampleRecord> records = LogRecords(log);
    EXPECT_EQ(StoredValues(records), SeriesValues(27, 0.25, 0.125, 2.0f));
    EXPECT_EQ(records[26].Frequency, 2700);
    EXPECT_TRUE(Form1->LabelSample->text().isEmpty());
    EXPECT_TRUE(Form1->PanelRight1->isEnabled());
    EXPECT_EQ(HistoTotal(log), "27");

    const TMetaData meta = RecordMeta(log);
    EXPECT_EQ(meta.Operator.Text(), QString::fromUtf8("Anna Sørensen"));
    EXPECT_EQ(meta.Place.Text(), "Roof, north side");
    EXPECT_EQ(meta.Notes.Text(), "Night run");
    EXPECT_EQ(meta.Unit, 0);
    EXPECT_EQ(meta.Correction, 6);
    EXPECT_EQ(meta.Interval, 0.5);
    EXPECT_EQ(FromTDateTime(meta.StartTime), Services.Now);

    // The export reads the three files as one record.
    const TProgramRun exporter = RunBuiltProgram("zeltar-export", {"--summary", log});
    EXPECT_EQ(exporter.ExitCode, 0);
    const QStringList summary = exporter.OutputText().split('\n');
    EXPECT_TRUE(summary.contains("unit: V/m"));
    EXPECT_TRUE(summary.contains("samples: 27"));
    EXPECT_TRUE(summary.contains("maximum: 7"));
    EXPECT_TRUE(summary.contains("histogram: " + HistoCounts(log).join(' ')));
}

TEST_F(RecordingTest, PlayAsksBeforeEndingTheRecordingAndCancelKeepsItGoing)
{
    Record();
    MeasureSeries(3);
    Services.Answer(TMsgAnswer::Cancel);
    Form1->PlayB->click();
    ASSERT_EQ(Services.Texts(), QStringList{StopRecordingQuestion});
    EXPECT_EQ(Services.Shown[0].Kind, TMsgKind::Confirmation);
    EXPECT_EQ(Services.Shown[0].Buttons, TMsgButtons::YesCancel);
    EXPECT_TRUE(Form1->RecB->isChecked());
    EXPECT_EQ(RecordingState, Recording);
    EXPECT_FALSE(Form1->PanelRight1->isEnabled());

    MeasureSeries(3, 5.0);
    Services.Answer(TMsgAnswer::Yes);
    Form1->PlayB->click();
    EXPECT_EQ(RecordingState, Listening);
    EXPECT_TRUE(Form1->PanelRight1->isEnabled());
    ASSERT_EQ(Logs().size(), 1);
    EXPECT_EQ(LogRecords(Log(0)).size(), 6u);
    EXPECT_EQ(HistoTotal(Log(0)), "6");
}

TEST_F(RecordingTest, RestartAsksThenBeginsAnotherRecordWithoutTheDialogAndListeningStartsAfresh)
{
    Services.Now = QDateTime(QDate(2026, 3, 10), QTime(10, 0, 0));
    Record();
    MeasureSeries(4);
    Services.Now = Services.Now.addSecs(5);
    Services.Answer(TMsgAnswer::Yes);
    Form1->RestartB->click();
    EXPECT_EQ(Services.Texts(), QStringList{StartOverQuestion});
    EXPECT_EQ(MetaDialogs, 1);
    ASSERT_EQ(Logs(), (QStringList{"2026 03 10 - 10 00 00.zlog", "2026 03 10 - 10 00 05.zlog"}));
    EXPECT_EQ(RecordingState, Recording);
    EXPECT_TRUE(Form2->ComPort1.isOpen());
    EXPECT_EQ(HistoTotal(Log(0)), "4");
    MeasureSeries(3);
    Stop();
    EXPECT_EQ(LogRecords(Log(1)).size(), 3u);

    // Stopped: nothing; listening: a fresh run without a question.
    Form1->RestartB->click();
    EXPECT_EQ(RecordingState, Stopped);
    Form1->PlayB->click();
    MeasureSeries(2);
    Form1->RestartB->click();
    EXPECT_EQ(RecordingState, Listening);
    EXPECT_EQ(Form1->Session.Statistics().SampleCount(), 0u);
    EXPECT_EQ(Services.Shown.size(), 1u);
}

TEST_F(RecordingTest, ARecordingThatCannotMakeItsLogIsReportedOnceAndListens)
{
    ASSERT_TRUE(QDir(App.Paths().LogDir).removeRecursively());
    Record();
    ASSERT_EQ(Services.Shown.size(), 1u);
    EXPECT_EQ(Services.Shown[0].Kind, TMsgKind::Error);
    EXPECT_EQ(RecordingState, Listening);
    EXPECT_TRUE(Form1->PlayB->isChecked());
    EXPECT_TRUE(Form1->PanelRight1->isEnabled());
    EXPECT_EQ(MetaDialogs, 0);
    // Samples come, and the stop finds no log to report again.
    MeasureSeries(12);
    Stop();
    EXPECT_EQ(Services.Shown.size(), 1u);
}
