// The record viewer opening records from a temporary application folder: what it shows of a
// record, mark shapes, the peak-frequency list, the copy of a log in recording, missing
// metadata, empty logs and the risk recolouring.

#include "windows/RecordViewer.h"

#include "model/InOutError.h"
#include "storage/DateTimeConvert.h"
#include "storage/LocaleTimeText.h"
#include "storage/LogFile.h"
#include "tests/windows/RecordWindowTest.h"
#include "windows/ChartsPanel.h"
#include "windows/ChoiceGroup.h"
#include "windows/PeakFrequencyList.h"
#include "windows/StatisticsPanel.h"

#include <QLabel>
#include <QRadioButton>
#include <QSplitter>

#include <cmath>

namespace {

const QDateTime Start(QDate(2025, 1, 7), QTime(9, 5, 3));
constexpr double StartSecond = 9 * 3600 + 5 * 60 + 3;

class RecordViewer : public RecordWindowTest {
protected:
    QString Record(const QString &name, const std::vector<TSampleRecord> &samples,
                   const TMetaData &meta = MakeMeta(UnitMWm2, 1, Start))
    {
        return WriteRecord(App.Paths().LogDir, name, samples, meta);
    }
    QString Value(double value) const { return FormatValue(DisplayDecimals(Form.Statistics.Maximum()), value); }
    // The fill colours of the histogram's bars, in level order.
    std::vector<QRgb> BarColours() const
    {
        std::vector<QRgb> colours;
        for (const TItemRun &run : Form.HChart->ItemStore().Runs())
            for (const TFigure &figure : std::get<TFigureRun>(run).Figures)
                colours.push_back(std::get<TBarItem>(figure).Fill);
        return colours;
    }

    TRecordViewer Form{Host, App.Paths()};
};

TEST_F(RecordViewer, MarksShrinkAsRecordsGrow)
{
    for (const auto &[count, shape] : {std::pair{150, 24}, {151, 26}, {300, 26}, {301, 7}}) {
        Form.OpenRecord(Record(QString::number(count), std::vector<TSampleRecord>(std::size_t(count), Sample(1))), false);
        const auto &chunk = std::get<TMarkChunk>(Form.TChart->ItemStore().Runs().front());
        ASSERT_EQ(chunk.Styles.size(), 1u);
        EXPECT_EQ(chunk.Styles[0].Shape, shape) << count << " samples";
    }
}

TEST_F(RecordViewer, ADateHeaderOpensEachNewDayOfFrequencies)
{
    Form.OpenRecord(Record("midnight", {Sample(1, 900), Sample(1, 1800), Sample(1, 2450)},
                           MakeMeta(UnitMWm2, 1, QDateTime(QDate(2025, 1, 7), QTime(23, 59, 59)))),
                    false);
    QStringList rows;
    for (int row = 0; row < Form.PeakFrequencies->rowCount(); ++row)
        rows << Form.PeakFrequencies->index(row).data().toString();
    const auto line = [](int h, int m, int s, int f) { return LocaleLongTime(QTime(h, m, s)) + " " + QString::number(f); };
    EXPECT_EQ(rows, (QStringList{LocaleShortDate(QDate(2025, 1, 7)), "", line(23, 59, 59, 900), "",
                                       LocaleShortDate(QDate(2025, 1, 8)), line(0, 0, 0, 1800), line(0, 0, 1, 2450)}));
}

// The viewer takes the unit from the record, draws each reading at its value, those of zero or
// below included, and shows large values in full.
TEST_F(RecordViewer, ReadingsAreCountedInTheRecordsUnitDrawnAtTheirValueAndShownInFull)
{
    Form.OpenRecord(Record("low", {Sample(0), Sample(-1), Sample(99999999.0f)}, MakeMeta(UnitVm, 1, Start)), false);
    EXPECT_TRUE(Form.PanelStatus->text().contains("Unit: V/m"));
    EXPECT_EQ(Form.PanelBottom->LabelMinValue->text(), Value(-1));
    EXPECT_EQ(Form.PanelBottom->LabelMaxValue->text(), Value(99999999.0f));
    EXPECT_EQ(std::get<TMarkChunk>(Form.TChart->ItemStore().Runs().front()).Y,
              (std::vector<float>{0, -1, 99999999.0f}));
}

TEST_F(RecordViewer, TheLogInRecordingIsReadFromACopyMadeWhileLinesAreHeldAndAFailedCopyClosesTheViewer)
{
    const QString log = Record("rec", std::vector<TSampleRecord>(100, Sample(0.5f, 1000)));
    Host.CurrentLog = log;
    Host.Recording = true;
    // The lines that arrived during the copy are delivered, and their batch appended, once released.
    Host.OnHold = [&](bool hold) {
        if (!hold)
            AppendSamples(log, std::vector<TSampleRecord>(10, Sample(0.7f)));
    };
    Form.OpenRecord(log, true);
    EXPECT_EQ(Host.Holds, (std::vector<bool>{true, false}));
    EXPECT_EQ(Form.SampleCount, 100u);
    EXPECT_EQ(Trash.Trashed(), QStringList{"temp.zlog"});

    Host.OnHold = nullptr;
    ASSERT_TRUE(QDir(App.Paths().LogDir).mkdir("temp.zlog"));  // nothing can be written there
    Form.OpenRecord(log, true);
    EXPECT_EQ(Services.Texts(), QStringList{"ERROR WRITING TEMP FILE"});
    EXPECT_EQ(Host.Holds, (std::vector<bool>{true, false, true, false}));
    EXPECT_FALSE(Form.isVisible());
}

// The metadata notice pumps messages; a click that opens another record arrives meanwhile.
TEST_F(RecordViewer, ALogWithoutMetadataIsShownWithTheDefaultsAndAnotherOpeningMeanwhileIsIgnored)
{
    const QString bare = WriteLog(App.Paths().LogDir, "bare", {Sample(1), Sample(2)});
    const QString other = Record("other", {Sample(1)});
    Services.AnswerWith = [&](const TShownBox &box) {
        EXPECT_TRUE(box.Text.startsWith("The meta data file associated to the log file you have selected"));
        Form.OpenRecord(other, false);
        return TMsgAnswer::Ok;
    };
    Form.OpenRecord(bare, false);
    EXPECT_EQ(Services.Shown.size(), 1u);
    EXPECT_EQ(Form.SampleCount, 2u);
    EXPECT_FALSE(Form.Loading());
    EXPECT_EQ(Form.RecordMeta.StartTime, ToTDateTime(Services.Now));
    EXPECT_TRUE(Form.PanelStatus->text().endsWith(" | Interval: 0.5 sec | Unit: mW/m² | Correction: 0(dB)"));
    EXPECT_EQ(Form.windowTitle(), "  Log file: bare.zlog | Operator:  | Place: ");
}

// A .meta that cannot be read or holds what cannot be right: one box, and the log is shown with
// what stands in, alike in the fields, the list and the title; a reading too large for its
// read-out is shown in exponent form.
TEST_F(RecordViewer, ADamagedMetaIsToldOnceAndTheRecordShownWithItsReplacements)
{
    const QString shortMeta = Record("short", {Sample(1), Sample(2)});
    App.WriteFile("Log/short.meta", QByteArray(6, 'x'));
    Form.OpenRecord(shortMeta, false);
    ASSERT_EQ(Services.Shown.size(), 1u);
    EXPECT_TRUE(Services.Shown[0].Text.startsWith("The meta data file associated to the log file you have selected "
                                                  "cannot be read (Read beyond end of file (6 of 576 bytes)"))
        << Services.Shown[0].Text.toStdString();
    EXPECT_EQ(Form.SampleCount, 2u);
    EXPECT_TRUE(Form.PanelStatus->text().startsWith("  Started: ")) << Form.PanelStatus->text().toStdString();

    TMetaData meta = MakeMeta(UnitMWm2, 1, Start, "Ann\rBob\x1b", "Kitchen\nHall");
    const std::vector<TSampleRecord> samples{Sample(1e38f, 900), Sample(2, 1800)};
    const QString damaged = Record("damaged", samples, meta);
    meta.Correction = -128;
    meta.Interval = std::nan("");
    WriteMetaFile(CompanionName(damaged, ".meta"), meta, 36500000.0);
    Services.Shown.clear();
    Form.OpenRecord(damaged, false);
    ASSERT_EQ(Services.Shown.size(), 1u);
    EXPECT_TRUE(Services.Shown[0].Text.startsWith(
        "The meta data file holds values that cannot be right: correction, interval, start time. 0 dB, 0.5 sec, "));
    EXPECT_TRUE(Form.PanelStatus->text().contains(" | Interval: 0.5 sec | ") &&
                Form.PanelStatus->text().endsWith("Correction: 0(dB)"));
    EXPECT_TRUE(Form.PanelStatus->text().contains(LocaleDateTimeText(Services.Now)));
    EXPECT_EQ(Form.PeakFrequencies->index(0).data().toString(), LocaleShortDate(Services.Now.date()));
    EXPECT_EQ(Form.windowTitle(), QString("  Log file: damaged.zlog | Operator: Ann\uFFFDBob\uFFFD | Place: "
                                          "Kitchen\uFFFDHall"));
    const QLabel &maximum = *Form.PanelBottom->LabelMaxValue;
    EXPECT_TRUE(maximum.text().contains("E38")) << maximum.text().toStdString();
    EXPECT_LE(maximum.fontMetrics().horizontalAdvance(maximum.text()), maximum.maximumWidth());

    // A log that cannot be read: the status line says why instead of "Opening log file".
    const QString folder = App.Paths().LogDir + "folder.zlog";
    ASSERT_TRUE(QDir().mkpath(folder));
    EXPECT_THROW(Form.OpenRecord(folder, false), EInOutError);
    EXPECT_TRUE(Form.PanelStatus->text().startsWith("   The record cannot be shown: "));
}

// After an empty log the choices bring back no bars; it goes to the trash only when the user says Yes.
TEST_F(RecordViewer, PopulationAndStateRecolourTheBarsOnlyAndAnEmptyLogIsOfferedToTheTrash)
{
    // 0.02 mW/m² (level -17 dB) and 1.5 mW/m² (level 1 dB).
    Form.OpenRecord(Record("risk", {Sample(0.02f), Sample(1.5f), Sample(1.5f)}), false);
    EXPECT_EQ(BarColours(), (std::vector<QRgb>{RiskColor(3).rgb(), RiskColor(21).rgb()}));
    Form.RiskPopulationRG->Item(1)->click();
    Form.RiskStateRG->Item(1)->click();
    EXPECT_EQ(BarColours(), (std::vector<QRgb>{RiskColor(23).rgb(), RiskColor(39).rgb()}));
    EXPECT_EQ(Form.TChart->ItemCount(), 3u);

    const QString log = Record("empty", {});
    Services.Answer(TMsgAnswer::Cancel);
    Form.OpenRecord(log, false);
    EXPECT_EQ(Services.Texts().last(), "The selected file is empty. Do you want to move it to the recycle bin?");
    Form.RiskPopulationRG->Item(0)->click();
    EXPECT_TRUE(BarColours().empty());
    EXPECT_TRUE(QFileInfo::exists(log));

    // Yes, when the trash cannot take it: the log stays and the user learns why.
    ASSERT_TRUE(Trash.Block());
    Services.Answer(TMsgAnswer::Yes);
    Form.OpenRecord(log, false);
    EXPECT_EQ(Services.Texts().last(), "The file could not be moved to the recycle bin\n" + log + ": Not a directory");
    EXPECT_TRUE(QFileInfo::exists(log));
}

// From the first showing, and wherever the splitter puts it, the histogram read-out sits at the
// top right of its chart, and the time chart's plot corner shows the plot, not a patch of the
// window's colour.
TEST_F(RecordViewer, TheRecordsTextsTheHistogramReadoutAndTheHistoryCornerAreInPlaceFromTheFirstShowing)
{
    Form.OpenRecord(Record("one", {Sample(2.5f, 2450)}, MakeMeta(UnitMWm2, 1, Start, "Ann", "Roof", "first try", 3)),
                    false);
    EXPECT_EQ(Form.windowTitle(), "  Log file: one.zlog | Operator: Ann | Place: Roof");
    EXPECT_EQ(Form.PanelStatus->text(),
              "  Started: " + LocaleDateTimeText(Start) + " | Interval: 1 sec | Unit: mW/m² | Correction: 3(dB)");
    EXPECT_EQ(Form.PanelCoolBar->text(), "   Notes: first try");
    EXPECT_EQ(Form.TChart->RangeLoX(), StartSecond - 1);  // a single sample spans one interval
    EXPECT_EQ(Form.TChart->RangeHiX(), StartSecond + 1);

    const auto expectReadoutInCaptionMargin = [this] {
        const QRect chart(Form.HChart->mapTo(Form.Charts->Plots, QPoint(0, 0)), Form.HChart->size());
        const QRect readout = Form.Charts->HChartEdit->geometry();
        EXPECT_TRUE(chart.contains(readout));
        EXPECT_GT(readout.left(), chart.center().x());
        EXPECT_LT(readout.bottom(), chart.top() + Form.HChart->Appearance().TRim);
    };
    expectReadoutInCaptionMargin();
    // It follows the histogram when the splitter gives the time chart more room.
    Form.Charts->Splitter->setSizes({Form.TChart->height() + 60, Form.HChart->height() - 60});
    expectReadoutInCaptionMargin();

    const QPoint corner = Form.TChart->mapTo(&Form, QPoint(Form.TChart->Appearance().LRim, Form.TChart->Appearance().TRim));
    const QImage picture = Form.grab(QRect(corner, QSize(20, 13))).toImage();
    int windowColoured = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            windowColoured += picture.pixelColor(x, y) == Form.Charts->HChartEdit->palette().color(QPalette::Base);
    EXPECT_EQ(windowColoured, 0);
}

TEST(PeakFrequencyList, StopsWithANoticeAfterTheLastAllowedLine)
{
    TPeakFrequencyModel list;
    list.Begin(45664);
    for (std::uint32_t line = 0; line <= TPeakFrequencyModel::LineLimit + 5; ++line)
        list.Add({45664, 1000}, 65535);
    list.Publish();
    ASSERT_EQ(list.rowCount(), int(TPeakFrequencyModel::LineLimit) + 2 + 5);
    QStringList tail;
    for (int row = list.rowCount() - 5; row < list.rowCount(); ++row)
        tail << list.index(row).data().toString();
    EXPECT_EQ(tail, (QStringList{"", "The number of", "lines has", "exceeded the", "maximum limit"}));
}

} // namespace

// Beside the statistics: the highest 30-minute average and the highest sample as shares of the
// reference level at each sample's peak frequency; a short record is averaged whole.
TEST_F(RecordViewer, ExposureSharesStandBesideTheStatistics)
{
    std::vector<TSampleRecord> samples(2000, Sample(1.0f)); // 1 mW/m², no frequency: 0.05 %
    samples[1500] = Sample(9000.0f, 2450);                   // 9 W/m² of 10: 90 %
    Form.OpenRecord(Record("long", samples), false);
    const double average = (1799 * 0.0005 + 0.9) / 1800;
    EXPECT_EQ(Form.LabelExposure->text(), QString("Exposure over 30 minutes: %1\nHighest sample: %2")
                                              .arg(ExposurePercentText(average), ExposurePercentText(0.9)));
    Form.OpenRecord(Record("short", {Sample(2.0f, 900), Sample(2.0f, 900)}), false);
    EXPECT_EQ(Form.LabelExposure->text(), QString("Exposure over the whole record: %1\nHighest sample: %1")
                                              .arg(ExposurePercentText(0.002 / 4.5)));
}
