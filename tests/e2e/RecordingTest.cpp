// Recording against the simulated meter: the three files of a record, the write buffer's
// batches, pause, play, restart, a second Record, closing, and a log folder that vanishes.

#include "tests/e2e/MeterSession.h"

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
#include <QProcess>
#include <QToolButton>

namespace {

const QString StopRecordingQuestion = QStringLiteral("Are you sure you want to stop recording?");
const QString StartOverQuestion = QStringLiteral("Are you sure you want to start over the recording?");

TMetaData ReadMeta(const QString &logPath)
{
    TMetaData meta;
    ReadMetaFile(CompanionName(logPath, ".meta"), meta);
    return meta;
}

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
    Now = QDateTime(QDate(2026, 3, 10), QTime(10, 0, 0, 250));
    Record();
    ASSERT_EQ(RecordingState, Recording);
    EXPECT_EQ(MetaDialogs, 1);
    // Named after the moment recording began, to the second.
    ASSERT_EQ(Logs(), QStringList{"2026 03 10 - 10 00 00.zlog"});
    const QString log = Log(0);
    EXPECT_EQ(Form1->Session.CurrentLogFile(), log);
    EXPECT_FALSE(Form1->PanelRight1->isEnabled());
    EXPECT_FALSE(Form1->PanelRight2->isEnabled());

    MeasureSeries(27);
    EXPECT_EQ(LogRecords(log).size(), 20u);
    EXPECT_FALSE(QFileInfo::exists(CompanionName(log, ".histo")));
    Stop();
    const std::vector<TSampleRecord> records = LogRecords(log);
    EXPECT_EQ(StoredValues(records), SeriesValues(27));
    EXPECT_EQ(records[26].Frequency, 2700);
    EXPECT_EQ(Form1->PanelStatus->text(), "   Data has been saved");
    EXPECT_TRUE(Form1->LabelSample->text().isEmpty());
    EXPECT_TRUE(Form1->PanelRight1->isEnabled());
    EXPECT_EQ(HistoTotal(log), "27");

    const QByteArray metaBytes = ReadWholeFile(CompanionName(log, ".meta"));
    ASSERT_EQ(metaBytes.size(), 576);
    const TMetaData meta = ReadMeta(log);
    EXPECT_EQ(meta.Version, 1);
    EXPECT_EQ(meta.Operator.Text(), QString::fromUtf8("Anna Sørensen"));
    EXPECT_EQ(meta.Place.Text(), "Roof, north side");
    EXPECT_EQ(meta.Notes.Text(), "Night run");
    EXPECT_EQ(meta.Unit, 1);
    EXPECT_EQ(meta.Correction, 0);
    EXPECT_EQ(meta.Interval, 0.5);
    EXPECT_EQ(FromTDateTime(meta.StartTime), Now);
    EXPECT_EQ(metaBytes.mid(547, 5), QByteArray(5, '\0'));
    EXPECT_EQ(metaBytes.mid(562, 6), QByteArray(6, '\0'));

    QProcess exporter;
    exporter.start(qEnvironmentVariable("ZELTAR_BUILD_APP_DIR") + "/zeltar-export", {"--summary", log});
    ASSERT_TRUE(exporter.waitForFinished(60000));
    EXPECT_EQ(exporter.exitCode(), 0);
    const QStringList summary = QString::fromUtf8(exporter.readAllStandardOutput()).split('\n');
    EXPECT_TRUE(summary.contains(QString::fromUtf8("operator: Anna Sørensen")));
    EXPECT_TRUE(summary.contains("interval: 0.5 sec"));
    EXPECT_TRUE(summary.contains("samples: 27"));
    EXPECT_TRUE(summary.contains("maximum: 3.5"));
    EXPECT_TRUE(summary.contains("histogram: " + HistoCounts(log).join(' ')));
}

TEST_F(RecordingTest, StoredValuesCarryTheCorrectionAndThirteenSamplesAreAllThereAfterStop)
{
    Form1->IrrUnitGB->SetItemIndex(0);
    Form1->IrrUnitGBClick();
    Form1->CorrectionCB->setCurrentText("6");
    Form1->correctionCBChange();
    Record();
    MeasureSeries(13);
    const QString log = Log(0);
    EXPECT_EQ(LogRecords(log).size(), 10u);
    Stop();
    EXPECT_EQ(StoredValues(LogRecords(log)), SeriesValues(13, 0.25, 0.125, 2.0f));
    const TMetaData meta = ReadMeta(log);
    EXPECT_EQ(meta.Unit, 0);
    EXPECT_EQ(meta.Correction, 6);
}

TEST_F(RecordingTest, APauseLeavesNoSamplesAndTheLaterOnesFollow)
{
    Record();
    MeasureSeries(5, 1.0);
    Form1->PauseB->click();
    EXPECT_EQ(Form1->PanelStatus->text(), "   On Hold");
    MeasureSeries(7, 9.0);
    Form1->PauseB->click();
    MeasureSeries(5, 2.0);
    Stop();
    std::vector<float> expected = SeriesValues(5, 1.0);
    const std::vector<float> later = SeriesValues(5, 2.0);
    expected.insert(expected.end(), later.begin(), later.end());
    EXPECT_EQ(StoredValues(LogRecords(Log(0))), expected);
}

TEST_F(RecordingTest, PlayAsksBeforeEndingTheRecordingAndCancelKeepsItGoing)
{
    Record();
    MeasureSeries(3);
    Boxes.Answer(TMsgAnswer::Cancel);
    Form1->PlayB->click();
    ASSERT_EQ(Boxes.Texts(), QStringList{StopRecordingQuestion});
    EXPECT_EQ(Boxes.Shown[0].Kind, TMsgKind::Confirmation);
    EXPECT_EQ(Boxes.Shown[0].Buttons, TMsgButtons::YesCancel);
    EXPECT_TRUE(Form1->RecB->isChecked());
    EXPECT_EQ(RecordingState, Recording);
    EXPECT_FALSE(Form1->PanelRight1->isEnabled());

    MeasureSeries(3, 5.0);
    Boxes.Answer(TMsgAnswer::Yes);
    Form1->PlayB->click();
    EXPECT_EQ(RecordingState, Listening);
    EXPECT_TRUE(Form1->PanelRight1->isEnabled());
    ASSERT_EQ(Logs().size(), 1);
    EXPECT_EQ(LogRecords(Log(0)).size(), 6u);
    EXPECT_EQ(HistoTotal(Log(0)), "6");
}

TEST_F(RecordingTest, RestartCompletesTheRecordAndBeginsAnotherWithTheSameTextsAndNoDialog)
{
    MetaAnswer = [](TForm5 &dialog) {
        dialog.EditOperator->setText("Bo");
        dialog.EditPlace->setText("Lab 4");
        dialog.EditNotes->setText("Reference");
        dialog.ImageOKbClick();
    };
    Now = QDateTime(QDate(2026, 3, 10), QTime(10, 0, 0));
    Record();
    MeasureSeries(4);
    Now = Now.addSecs(5);
    Boxes.Answer(TMsgAnswer::Yes);
    Form1->RestartB->click();
    EXPECT_EQ(Boxes.Texts(), QStringList{StartOverQuestion});
    EXPECT_EQ(MetaDialogs, 1);
    ASSERT_EQ(Logs(), (QStringList{"2026 03 10 - 10 00 00.zlog", "2026 03 10 - 10 00 05.zlog"}));
    EXPECT_EQ(RecordingState, Recording);
    EXPECT_TRUE(Form2->ComPort1.isOpen());
    EXPECT_EQ(LogRecords(Log(0)).size(), 4u);
    EXPECT_EQ(HistoTotal(Log(0)), "4");

    const TMetaData first = ReadMeta(Log(0));
    const TMetaData second = ReadMeta(Log(1));
    EXPECT_EQ(second.Operator.Text(), "Bo");
    EXPECT_EQ(second.Place.Text(), "Lab 4");
    EXPECT_EQ(second.Notes.Text(), "Reference");
    EXPECT_GT(second.StartTime, first.StartTime);
    EXPECT_EQ(FromTDateTime(second.StartTime), Now);

    MeasureSeries(3);
    Stop();
    EXPECT_EQ(LogRecords(Log(1)).size(), 3u);
    EXPECT_EQ(LogRecords(Log(0)).size(), 4u);

    // Stopped: nothing; listening: a fresh run without a question.
    Form1->RestartB->click();
    EXPECT_EQ(RecordingState, Stopped);
    Form1->PlayB->click();
    MeasureSeries(2);
    Form1->RestartB->click();
    EXPECT_EQ(RecordingState, Listening);
    EXPECT_EQ(Form1->Session.Statistics().SampleCount(), 0u);
    EXPECT_EQ(Boxes.Shown.size(), 1u);
}

TEST_F(RecordingTest, ClosingTheWindowWhileRecordingSavesTheRecordWhenConfirmed)
{
    Form1->show();
    Record();
    MeasureSeries(3);
    Boxes.Answer(TMsgAnswer::Cancel);
    EXPECT_FALSE(Form1->close());
    EXPECT_EQ(RecordingState, Recording);
    Boxes.Answer(TMsgAnswer::Ok);
    EXPECT_TRUE(Form1->close());
    EXPECT_EQ(LogRecords(Log(0)).size(), 3u);
    EXPECT_EQ(HistoTotal(Log(0)), "3");
    EXPECT_NE(RecordingState, Recording);
}

TEST_F(RecordingTest, ALogFolderThatVanishesIsReportedOnceAndRecordThenListens)
{
    Record();
    MeasureSeries(3);
    ASSERT_TRUE(QDir(App.Paths().LogDir).removeRecursively());
    MeasureSeries(25);
    ASSERT_EQ(Boxes.Shown.size(), 1u);
    EXPECT_EQ(Boxes.Shown[0].Kind, TMsgKind::Error);
    EXPECT_TRUE(Boxes.Shown[0].Text.contains(QFileInfo(Form1->Session.CurrentLogFile()).fileName()));
    EXPECT_EQ(Form1->PanelBottom->LabelPeak->text(), "3.2500");
    EXPECT_EQ(Form1->PanelStatus->text(), "   The record is incomplete: nothing is being written to its log");
    // The log is gone with its folder: the stop has no record to describe.
    Stop();
    EXPECT_EQ(RecordingState, Stopped);
    EXPECT_EQ(Form1->PanelStatus->text(), "   The record is incomplete: 28 samples could not be written to its log");
    EXPECT_EQ(Boxes.Shown.size(), 2u);

    // A recording that cannot even create its log: one error, and listening instead.
    Record();
    EXPECT_EQ(Boxes.Shown.size(), 3u);
    EXPECT_EQ(RecordingState, Listening);
    EXPECT_TRUE(Form1->PlayB->isChecked());
    EXPECT_TRUE(Form1->PanelRight1->isEnabled());
    EXPECT_EQ(Form1->Session.CurrentLogFile(), App.Paths().LogDir);
    MeasureSeries(12);
    EXPECT_TRUE(Form1->PanelStatus->text().startsWith("   Playing since "));
    Stop();
    EXPECT_EQ(Boxes.Shown.size(), 3u);
    EXPECT_EQ(MetaDialogs, 1);
}
