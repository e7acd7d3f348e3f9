// Listening and recording against the simulated meter: the three files of a record as the
// export reads them, play and restart while recording, and a recording whose log cannot be made.

#include "tests/e2e/MeterSession.h"

#include "tests/support/BuiltProgram.h"

#include "model/GlobalState.h"
#include "storage/DateTimeConvert.h"
#include "storage/LogFile.h"
#include "storage/MetaData.h"
#include "windows/ChoiceGroup.h"
#include "windows/StatisticsPanel.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

namespace {

// The total of a .histo file's header, then its class counts.
QStringList Histo(const QString &logPath)
{
    QStringList lines = QString::fromLatin1(ReadWholeFile(CompanionName(logPath, ".histo"))).split("\r\n");
    lines.removeAll(QString());
    return lines.mid(3, 1) + lines.mid(6);
}

class RecordingTest : public ConnectedMeterSession {
protected:
    QString Log(int index) const { return App.Paths().LogDir + Logs().value(index); }
    std::uint64_t Samples() const { return Form1->Session.Statistics().SampleCount(); }
};

} // namespace

TEST_F(RecordingTest, StopClosesThePortAndPlayReopensItForAFreshRun)
{
    Measure(0.5);
    Form1->StopB->click();
    EXPECT_FALSE(Form2->ComPort1.isOpen());
    Form1->PlayB->click();
    EXPECT_TRUE(Form2->ComPort1.isOpen());
    Measure(2.0);
    EXPECT_EQ(Samples(), 1u);
    EXPECT_EQ(Form1->PanelBottom->LabelPeak->text(), "2.0000");
    EXPECT_TRUE(Services.Shown.empty());
}

TEST_F(RecordingTest, TwentySevenSamplesMakeACompleteRecordThatTheExportReads)
{
    MetaAnswer = [](TForm5 &dialog) {
        dialog.EditOperator->setText(QString::fromUtf8("Anna Sørensen"));
        dialog.ImageOKbClick();
    };
    // The unit and the correction chosen before recording go into the samples and the .meta.
    Form1->IrrUnitGB->SetItemIndex(0);
    Form1->IrrUnitGBClick();
    Form1->CorrectionCB->setCurrentText("6");
    Form1->correctionCBChange();
    Services.Now = QDateTime(QDate(2026, 3, 10), QTime(10, 0, 0, 250));
    Record();
    ASSERT_EQ(Logs().size(), 1);
    MeasureSeries(27);
    Form1->StopB->click();
    const std::vector<TSampleRecord> records = LogRecords(Log(0));
    EXPECT_EQ(StoredValues(records), SeriesValues(27, 0.25, 0.125, 2.0f));
    EXPECT_EQ(records[26].Frequency, 2700);

    const TMetaData meta = RecordMeta(Log(0));
    EXPECT_EQ(meta.Operator.Text(), QString::fromUtf8("Anna Sørensen"));
    EXPECT_EQ(meta.Unit, 0);
    EXPECT_EQ(meta.Correction, 6);
    EXPECT_EQ(meta.Interval, 0.5);
    EXPECT_EQ(FromTDateTime(meta.StartTime), Services.Now);

    const TProgramRun exporter = RunBuiltProgram("zeltar-export", {"--summary", Log(0)});
    EXPECT_EQ(exporter.ExitCode, 0);
    const QStringList summary = exporter.OutputText().split('\n');
    const QStringList histo = Histo(Log(0));
    EXPECT_EQ(histo.value(0), "27");
    for (const QString &line : {QStringLiteral("unit: V/m"), QStringLiteral("samples: 27"),
                                QStringLiteral("maximum: 7"), "histogram: " + histo.mid(1).join(' ')})
        EXPECT_TRUE(summary.contains(line)) << line.toStdString();
}

TEST_F(RecordingTest, PlayAsksBeforeEndingTheRecordingAndCancelKeepsItGoing)
{
    Record();
    MeasureSeries(3);
    Services.Answer(TMsgAnswer::Cancel);
    Form1->PlayB->click();
    ASSERT_EQ(Services.Texts(), QStringList{"Are you sure you want to stop recording?"});
    EXPECT_EQ(Services.Shown[0].Buttons, TMsgButtons::YesCancel);
    EXPECT_TRUE(Form1->RecB->isChecked());
    EXPECT_FALSE(Form1->PanelRight1->isEnabled());

    MeasureSeries(3, 5.0);
    Services.Answer(TMsgAnswer::Yes);
    Form1->PlayB->click();
    EXPECT_EQ(RecordingState, Listening);
    EXPECT_TRUE(Form1->PanelRight1->isEnabled());
    EXPECT_EQ(Histo(Log(0)).value(0), "6");
}

TEST_F(RecordingTest, RestartAsksThenBeginsAnotherRecordWithoutTheDialogAndListeningStartsAfresh)
{
    Record();
    MeasureSeries(4);
    Services.Now = Services.Now.addSecs(5);
    Services.Answer(TMsgAnswer::Yes);
    Form1->RestartB->click();
    EXPECT_EQ(Services.Texts(), QStringList{"Are you sure you want to start over the recording?"});
    EXPECT_EQ(MetaDialogs, 1);
    ASSERT_EQ(Logs().size(), 2);
    EXPECT_EQ(RecordingState, Recording);
    EXPECT_EQ(Histo(Log(0)).value(0), "4");
    MeasureSeries(3);
    Form1->StopB->click();
    EXPECT_EQ(LogRecords(Log(1)).size(), 3u);

    // Stopped: nothing; listening: a fresh run without a question.
    Form1->RestartB->click();
    EXPECT_EQ(RecordingState, Stopped);
    Form1->PlayB->click();
    MeasureSeries(2);
    Form1->RestartB->click();
    EXPECT_EQ(RecordingState, Listening);
    EXPECT_EQ(Samples(), 0u);
    EXPECT_EQ(Services.Shown.size(), 1u);
}

TEST_F(RecordingTest, ARecordingThatCannotMakeItsLogIsReportedOnceAndListens)
{
    ASSERT_TRUE(QDir(App.Paths().LogDir).removeRecursively());
    Record();
    ASSERT_EQ(Services.Shown.size(), 1u);
    EXPECT_EQ(Services.Shown[0].Kind, TMsgKind::Error);
    EXPECT_TRUE(Form1->PlayB->isChecked());
    EXPECT_TRUE(Form1->PanelRight1->isEnabled());
    EXPECT_EQ(MetaDialogs, 0);
    // The stop finds no log to report again.
    MeasureSeries(12);
    Form1->StopB->click();
    EXPECT_EQ(Services.Shown.size(), 1u);
}
