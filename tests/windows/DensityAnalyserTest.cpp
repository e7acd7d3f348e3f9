// The density analyser driven through its load, its controls and its chart's mouse, with
// .histo files written in a temporary application folder; five records of realistic level
// distributions are also written as a picture for a person to look at when
// ZELTAR_SCREENSHOT_DIR names a folder.

#include "charts/RChart.h"
#include "model/UnitHistogram_COMMON.h"
#include "model/Units.h"
#include "tests/support/FakeServices.h"
#include "tests/support/TempAppDir.h"
#include "windows/DensityColours.h"
#include "windows/Form4_Density.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTextBlock>
#include <QTextEdit>

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <set>
#include <tuple>

namespace {

using TLevelCounts = std::vector<std::pair<int, std::uint32_t>>;

const TLevelCounts PeakHalf{{0, 5}, {1, 3}, {2, 2}};                        // 0.5 at 0 dB
const TLevelCounts PeakFifth{{-10, 2}, {-9, 2}, {-8, 2}, {-7, 2}, {-6, 2}}; // 0.2

THistogram LevelHistogram(const TLevelCounts &levelCounts)
{
    THistogram histogram(LevelFloorDb, LevelCeilingDb);
    for (const auto &[level, count] : levelCounts)
        for (std::uint32_t i = 0; i < count; ++i)
            histogram.Add(level - LevelFloorDb);
    return histogram;
}

std::vector<TLineItem> Lines(const TRChart &chart)
{
    std::vector<TLineItem> lines;
    for (const TItemRun &run : chart.ItemStore().Runs())
        for (const TFigure &figure : std::get<TFigureRun>(run).Figures)
            lines.push_back(std::get<TLineItem>(figure));
    return lines;
}

// The colour of each curve of 66 lines, in drawing order.
std::vector<QRgb> CurveColours(const TRChart &chart)
{
    std::vector<QRgb> colours;
    const std::vector<TLineItem> lines = Lines(chart);
    for (std::size_t i = 0; i < lines.size(); i += 66)
        colours.push_back(lines[i].Colour);
    return colours;
}

QTextCharFormat LegendFormat(const QTextEdit &legend, int line)
{
    return legend.document()->findBlockByNumber(line).begin().fragment().charFormat();
}

class DensityAnalyser : public ::testing::Test {
protected:
    QString Histo(const QString &name, const TLevelCounts &levelCounts)
    {
        const QString path = App.Paths().LogDir + name + ".histo";
        LevelHistogram(levelCounts).WriteToFile(path);
        return path;
    }

    void Click(Qt::MouseButton button, Qt::KeyboardModifiers keys = {})
    {
        const QPointF at = Form.HChart->PlotArea().center();
        QMouseEvent press(QEvent::MouseButtonPress, at, Form.HChart->mapToGlobal(at), button, button, keys);
        QCoreApplication::sendEvent(Form.HChart, &press);
        QMouseEvent release(QEvent::MouseButtonRelease, at, Form.HChart->mapToGlobal(at), button, Qt::NoButton, keys);
        QCoreApplication::sendEvent(Form.HChart, &release);
    }

    void ExpectView(TRangeBox view)
    {
        EXPECT_NEAR(Form.HChart->RangeLoX(), view.XLo, 1e-12);
        EXPECT_NEAR(Form.HChart->RangeLoY(), view.YLo, 1e-12);
        EXPECT_NEAR(Form.HChart->RangeHiX(), view.XHi, 1e-12);
        EXPECT_NEAR(Form.HChart->RangeHiY(), view.YHi, 1e-12);
    }

    TempAppDir App;
    TFakeServices Services;
    TForm4 Form{App.Paths()};
};

TEST_F(DensityAnalyser, TallestCurveSetsTheTopAndARightClickTheLastCurvesPeak)
{
    const QStringList files{Histo("a", PeakHalf), Histo("b", PeakFifth)};
    Form.LoadDensities(files);
    ExpectView({-33.5, 0, 33.5, 0.55}); // 0.55 x 0.95 lies above both peaks: neither raises it
    EXPECT_EQ(Form.HChart->ItemCount(), 2u * 66);

    Click(Qt::RightButton);
    ExpectView({-33.5, 0, 33.5, 0.22});
    Form.HChart->SetRanges(-5, 0.1, 5, 0.3);
    Form.LoadDensities(files);
    ExpectView({-33.5, 0, 33.5, 0.55});
    EXPECT_EQ(Form.HChart->ItemCount(), 2u * 66); // replaced, not added to

    // Drawn on its own, a curve raises a top it would come within 5 % of.
    TRChart chart;
    chart.SetRanges(-33.5, 0, 33.5, 0.21); // 0.21 x 0.95 = 0.1995
    Form.DrawDensityCurve(LevelHistogram(PeakFifth), chart, Qt::red);
    EXPECT_NEAR(chart.RangeHiY(), 0.22, 1e-12);
    EXPECT_TRUE(Services.Shown.empty());
}

TEST_F(DensityAnalyser, CurvesJoinEveryClassFrequencyInFileColoursThatRepeatFromTheThirteenth)
{
    QStringList files{Histo("half", PeakHalf)};
    for (int i = 1; i < 13; ++i)
        files << Histo(QString::number(i), PeakFifth);
    Form.LoadDensities(files);

    const std::vector<TLineItem> lines = Lines(*Form.HChart);
    ASSERT_EQ(lines.size(), 13u * 66);
    EXPECT_EQ(lines[0].X1, -33);
    EXPECT_EQ(lines[65].X2, 33);
    for (std::size_t i = 0; i < 65; ++i)
        ASSERT_EQ(lines[i].Y2, lines[i + 1].Y1) << i; // one polyline
    EXPECT_EQ(lines[33].X1, 0);
    EXPECT_DOUBLE_EQ(lines[33].Y1, 0.5);
    EXPECT_DOUBLE_EQ(lines[33].Y2, 0.3);
    EXPECT_EQ(lines[33].Width, 3);

    const std::vector<QRgb> colours = CurveColours(*Form.HChart);
    EXPECT_EQ(colours[11], DensityColour(11).rgb());
    EXPECT_EQ(colours[12], colours[0]);
    EXPECT_EQ(LegendFormat(*Form.RichEdit, 2 + 12).foreground().color().rgb(), colours[0]);
}

TEST_F(DensityAnalyser, NewWidthRedrawsEveryCurveAndKeepsColoursLegendAndView)
{
    Form.LoadDensities({Histo("a", PeakHalf), Histo("b", PeakFifth)});
    Form.HChart->SetRanges(-5, 0.1, 5, 0.3); // zoomed below the taller peak
    const QString legend = Form.RichEdit->toHtml();
    const std::vector<QRgb> colours = CurveColours(*Form.HChart);

    Form.LineWidthCB->setCurrentText("6");
    ExpectView({-5, 0.1, 5, 0.3});
    EXPECT_EQ(CurveColours(*Form.HChart), colours);
    EXPECT_EQ(Form.RichEdit->toHtml(), legend);
    for (const TLineItem &line : Lines(*Form.HChart))
        ASSERT_EQ(line.Width, 6);

    for (const char *notAWidth : {"0", "9", "2.5", "abc", ""}) {
        Form.LineWidthCB->setCurrentText(notAWidth);
        EXPECT_EQ(Form.CurveLineWidth(), 6) << notAWidth;
    }
    emit Form.LineWidthCB->lineEdit()->editingFinished();
    EXPECT_EQ(Form.LineWidthCB->currentText(), "6");

    Form.LineWidthCB->setCurrentIndex(0);
    Form.LoadDensities({Histo("c", PeakFifth)});
    EXPECT_EQ(Lines(*Form.HChart).front().Width, 1);
}

TEST_F(DensityAnalyser, LegendNamesEveryFileAndTheOnesWithoutCurveSayWhy)
{
    ASSERT_TRUE(QDir().mkpath(App.Paths().ArchiveDir + "2022"));
    const QString archived = App.Paths().ArchiveDir + "2022/2022 12 23 - 10 11 12.histo";
    LevelHistogram(PeakFifth).WriteToFile(archived);
    const QString empty = App.Paths().LogDir + "empty.histo";
    THistogram(LevelFloorDb, LevelCeilingDb).WriteToFile(empty);
    const QString broken = App.WriteFile("Log/broken.histo", "-33\r\n33\r\n67\r\nten\r\n");
    Form.LoadDensities({empty, archived, broken, App.Paths().LogDir + "gone.histo", Histo("site.b", PeakHalf)});

    EXPECT_EQ(Form.RichEdit->toPlainText(), "Legend\n\nempty (no samples)\n2022 12 23 - 10 11 12\nbroken (not read)\n"
                                            "gone (not read)\nsite.b\n");
    EXPECT_NE(LegendFormat(*Form.RichEdit, 2).foreground().color(), DensityColour(0));

    // The others are drawn in their files' colours, and only they set the scale.
    EXPECT_EQ(CurveColours(*Form.HChart), (std::vector<QRgb>{DensityColour(1).rgb(), DensityColour(4).rgb()}));
    EXPECT_EQ(LegendFormat(*Form.RichEdit, 3).foreground().color(), DensityColour(1));
    ExpectView({-33.5, 0, 33.5, 0.55});

    ASSERT_EQ(Services.Shown.size(), 2u); // the missing file's own box, then the unreadable one
    EXPECT_EQ(Services.Shown[1].Kind, TMsgKind::Error);
    EXPECT_TRUE(Services.Shown[1].Text.contains("broken.histo")) << Services.Shown[1].Text.toStdString();
}

TEST_F(DensityAnalyser, MenuGivesTheMessageUntilACurveIsDrawnThenShowsTheWindowEvenWhenClosed)
{
    const QString noDensity = "No density has been analyzed yet. To do so, select in the \"Analysis\" menu the "
                              "\"Density\" option";
    Form.ShowDensityAnalyser();
    EXPECT_EQ(Services.Texts(), QStringList{noDensity});
    EXPECT_FALSE(Form.isVisible());

    // Nothing drawable: an empty plot of the whole scale, and still nothing analysed.
    const QString empty = App.Paths().LogDir + "empty.histo";
    THistogram(LevelFloorDb, LevelCeilingDb).WriteToFile(empty);
    Form.LoadDensities({empty});
    Click(Qt::RightButton);
    ExpectView({-33.5, 0, 33.5, 1});
    Form.close();
    Form.ShowDensityAnalyser();
    EXPECT_EQ(Services.Texts(), (QStringList{noDensity, noDensity}));

    Form.LoadDensities({Histo("a", PeakHalf)});
    Form.close();
    Form.ShowDensityAnalyser();
    EXPECT_TRUE(Form.isVisible());
    EXPECT_EQ(Services.Shown.size(), 2u);
}

TEST_F(DensityAnalyser, PointerReadsTheLevelAndALeftPressChoosesTheMode)
{
    Form.LoadDensities({Histo("a", PeakHalf)});
    const TPlotMapping mapping = Form.HChart->Mapping();
    const QPointF at(mapping.Column(3.4), mapping.Row(0.2));
    QMouseEvent move(QEvent::MouseMove, at, Form.HChart->mapToGlobal(at), Qt::NoButton, Qt::NoButton, {});
    QCoreApplication::sendEvent(Form.HChart, &move);
    EXPECT_TRUE(Form.HChartEdit->text().startsWith("3 = ")) << Form.HChartEdit->text().toStdString();
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(Form.HChart, &leave);
    EXPECT_EQ(Form.HChartEdit->text(), "");

    Click(Qt::LeftButton, Qt::ControlModifier);
    EXPECT_EQ(Form.HChart->MouseAction(), maPan);
}

TEST_F(DensityAnalyser, FiveRecordsShowFiveCurvesInTheirColoursOnThePicture)
{
    // Readings around a slowly drifting level (mean and spread in dBmW/m²), as a walk through a street would give.
    const std::tuple<const char *, double, double, int> records[] = {
        {"2022 12 23 - 10 11 12", -14, 2.5, 1800}, {"2023 01 05 - 08 30 00", -6, 3.5, 3600},
        {"2023 01 05 - 17 45 10", 2, 2.0, 900},    {"2023 02 14 - 12 00 05", -22, 4.0, 2400},
        {"2023 03 01 - 21 15 40", 9, 3.0, 1200},
    };
    QStringList files;
    std::mt19937 random(11);
    for (const auto &[name, meanDb, spreadDb, samples] : records) {
        std::normal_distribution<double> noise(0.0, spreadDb);
        THistogram histogram(LevelFloorDb, LevelCeilingDb);
        for (int i = 0; i < samples; ++i)
            histogram.Add(LevelClassIndex(LevelOf(UnitMWm2, DBToPower(meanDb + 3 * std::sin(i / 60.0) + noise(random)))));
        files << App.Paths().LogDir + name + ".histo";
        histogram.WriteToFile(files.back());
    }
    Form.LoadDensities(files);

    const QImage plot = Form.HChart->Picture();
    std::set<QRgb> seen;
    for (int y = 0; y < plot.height(); ++y)
        for (int x = 0; x < plot.width(); ++x)
            seen.insert(plot.pixel(x, y) | 0xFF000000u);
    for (std::size_t i = 0; i < 5; ++i)
        EXPECT_TRUE(seen.count(DensityColour(i).rgb())) << i;

    const QString folder = qEnvironmentVariable("ZELTAR_SCREENSHOT_DIR");
    if (!folder.isEmpty()) {
        ASSERT_TRUE(QDir().mkpath(folder));
        EXPECT_TRUE(Form.grab().save(QDir(folder).filePath("density-analyser.png")));
    }
}

} // namespace
