// The program's use of its charts: the level histogram, the read-outs, the mouse-down rules,
// the full views and the frame and ordinate labels of its charts.

#include "charts/ChartConfigurations.h"
#include "charts/ChartFrame.h"
#include "charts/ChartMouse.h"
#include "charts/ChartReadouts.h"
#include "charts/LevelHistogram.h"
#include "charts/NumericTicks.h"
#include "charts/ChartWidget.h"
#include "model/Risk.h"
#include "model/UnitHistogram_COMMON.h"
#include "tests/support/BuiltProgram.h"

#include <QFontMetrics>

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(LevelHistogram, DrawsOneBarPerCountedClassInItsRiskColourUnderATopThatALiveChartOnlyRaises)
{
    // A tenth is added to the tallest bar, rounded half to even; the live top only grows, once
    // the tallest bar reaches 95 %.
    EXPECT_EQ(HistogramTop(4, 5, true), 5);    // 0.5 goes to the even 0
    EXPECT_EQ(HistogramTop(4, 15, true), 17);  // 1.5 goes to 2
    EXPECT_EQ(HistogramTop(20, 19, true), 21); // 19 >= 20 x 0.95
    EXPECT_EQ(HistogramTop(4, 4294967295u, false), 4294967295.0 + 429496730.0);
    ASSERT_TRUE(LoadRiskPalette(BuiltProgramPath("Resources/")));
    TChartWidget chart;
    chart.resize(700, 300);
    ConfigureChart(chart, MainHistogramChartConfiguration());
    const auto barColour = [&](int level, double count) { // in the middle of the bar
        return chart.Picture().pixel(int(chart.Mapping().Column(level)), int(chart.Mapping().Row(count / 2)));
    };
    THistogram histogram(-33, 33);
    for (int i = 0; i < 3; ++i)
        histogram.Add(-20 + 33);
    histogram.Add(10 + 33);
    DrawLevelHistogram(chart, histogram, TPopulation::Sensitive, TTargetState::Sleep, false);
    EXPECT_EQ(chart.ItemCount(), 2u);
    EXPECT_EQ(chart.RangeHiY(), 3);
    EXPECT_EQ(barColour(-20, 3), RiskColor(-20 + 40).rgb());
    EXPECT_EQ(barColour(10, 1), RiskColor(10 + 40).rgb());

    DrawLevelHistogram(chart, histogram, TPopulation::General, TTargetState::Wake, false);
    EXPECT_EQ(chart.ItemCount(), 2u); // the earlier bars are gone
    EXPECT_EQ(barColour(-20, 3), RiskColor(-20 + 20).rgb());
    DrawLevelHistogram(chart, THistogram(-33, 33), TPopulation::General, TTargetState::Wake, true);
    EXPECT_EQ(chart.RangeHiY(), 3); // a live top only grows
    DrawLevelHistogram(chart, THistogram(-33, 33), TPopulation::General, TTargetState::Sleep, false);
    EXPECT_EQ(chart.ItemCount(), 0u);
    EXPECT_EQ(chart.RangeHiY(), 0);
}

// The level is rounded half to even and shown with its density; a value has the decimals of
// the largest value.
TEST(Readouts, LevelWithItsDensityAndValuesWithTheDecimalsOfTheLargest)
{
    EXPECT_EQ(LevelReadoutText(3.4, QLocale(QLocale::German)), QString::fromUtf8("3 = 1,9953 mW/m²"));
    EXPECT_EQ(ReadoutLevel(-2.5), -2);
    EXPECT_EQ(ReadoutLevel(-1e300), -128);
    EXPECT_EQ(ValueReadoutText(0.2, 0.123456, QLocale::c()), "0.1235");
    EXPECT_EQ(ValueReadoutText(250, 12.345, QLocale::c()), "12.35");
}

// The full views; Shift before Ctrl before the rubber band; right or middle click restores the
// full view and keeps the mode.
TEST(ChartMouseDown, ModifiersPickTheModeAndOtherButtonsRestoreTheFullView)
{
    EXPECT_EQ(MainTimeChartFullView(0.5, 100, 2), (TRangeBox{0, 0, 50, 1.1 * 2}));
    EXPECT_EQ(ViewerTimeChartFullView(32703, 10, 2400, 0.2), (TRangeBox{32693, 0, 32703 + 24000, 1.1 * 0.2}));
    EXPECT_EQ(MouseActionFor(Qt::ShiftModifier | Qt::ControlModifier), maZoomDrag);
    EXPECT_EQ(MouseActionFor(Qt::AltModifier), maZoomWindPos);
    TChartWidget chart;
    ConfigureChart(chart, AnalyserChartConfiguration());
    HandleChartMouseDown(chart, Qt::LeftButton, Qt::ControlModifier, AnalyserFullView(0.5));
    EXPECT_EQ(chart.MouseAction(), maPan);
    for (const Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton}) {
        chart.SetRanges(0, 0, 5, 5);
        HandleChartMouseDown(chart, button, {}, AnalyserFullView(0.12));
        EXPECT_EQ((TRangeBox{chart.RangeLoX(), chart.RangeLoY(), chart.RangeHiX(), chart.RangeHiY()}),
                  (TRangeBox{-33.5, 0, 33.5, 1.1 * 0.12}));
        EXPECT_EQ(chart.MouseAction(), maPan);
    }
}

TEST(TimeChartScale, OrdinateLabelsOfAnyFiniteRangeFitBesideTheAxisAndNameTheirTicks)
{
    TChartWidget chart;
    ConfigureChart(chart, MainTimeChartConfiguration(60, 0.5));
    chart.resize(700, 232);
    const QFontMetrics metrics(chart.font());
    const int room = chart.PlotArea().left() - 8; // tick and gap
    const auto ordinateTicks = [&](double top, int decimals) {
        chart.SetRanges(0, 0, 31.5, top);
        chart.ChangeAppearance([decimals](TChartAppearance &look) { look.DecPlaceY = decimals; });
        return MakeChartScales(chart.Appearance(), chart.Mapping(), QLocale::c(), metrics, chart.width()).Y;
    };
    // Within the usual range the labels stay as they are.
    for (const TAxisTick &tick : ordinateTicks(2.2, 3))
        EXPECT_EQ(tick.Label, FormatTickNumber(tick.Value, 3, QLocale::c()));
    for (double top : {1.1e8, 4.4e9, 1.1e38, 1.1e300}) {
        int labelled = 0;
        for (const TAxisTick &tick : ordinateTicks(top, -1)) {
            EXPECT_LE(metrics.horizontalAdvance(tick.Label), room) << tick.Label.toStdString();
            if (tick.Label.isEmpty())
                continue;
            ++labelled;
            EXPECT_NEAR(QString(tick.Label).replace('E', 'e').toDouble(), tick.Value, 1e-9 * top)
                << tick.Label.toStdString();
        }
        EXPECT_GE(labelled, 3) << top;
    }
}

// An empty chart still shows its frame: the dotted grid at the ordinate's ticks, both axes with
// their labels, and the captions in the top rim.
TEST(ChartFrame, ShowsTheGridTheAxesWithTheirLabelsAndTheCaptions)
{
    TChartWidget chart;
    ConfigureChart(chart, ViewerHistogramChartConfiguration());
    chart.resize(700, 232);
    chart.SetRanges(-10, 0, 50, 100);
    chart.Redraw();
    const QImage &picture = chart.Picture();
    const TChartAppearance &look = chart.Appearance();
    const QRect area = chart.PlotArea();
    // The pixels of a box in a colour, or with drawn, in any other colour.
    const auto count = [&](const QRect &box, const QColor &colour, bool drawn = false) {
        int found = 0;
        for (int y = box.top(); y <= box.bottom(); ++y)
            for (int x = box.left(); x <= box.right(); ++x)
                found += (QColor(picture.pixel(x, y)) == colour) != drawn ? 1 : 0;
        return found;
    };

    int gridRows = 0;
    const QFontMetrics metrics(chart.font());
    for (const TAxisTick &tick : MakeChartScales(look, chart.Mapping(), QLocale(), metrics, chart.width()).Y) {
        const int row = int(std::floor(chart.Mapping().Row(tick.Value) + 0.5));
        if (row <= area.top() || row >= area.bottom())
            continue;
        ++gridRows;
        EXPECT_GE(count(QRect(area.left(), row, area.width(), 1), look.GridColor), area.width() / 3) << tick.Value;
        EXPECT_EQ(count(QRect(area.left(), row + 2, area.width(), 1), look.GridColor), 0) << tick.Value;
    }
    EXPECT_GE(gridRows, 2);

    // The axes along the left and the bottom edge of the plot, labelled beyond them.
    EXPECT_EQ(count(QRect(area.left() - 1, area.top(), 1, area.height()), look.ScaleColor), area.height());
    EXPECT_EQ(count(QRect(area.left(), area.bottom() + 1, area.width(), 1), look.ScaleColor), area.width());
    EXPECT_GT(count(QRect(0, area.top(), area.left() - 6, area.height()), look.WindColor, true), 40);
    EXPECT_GT(count(QRect(area.left(), area.bottom() + 6, area.width(), look.BRim - 6), look.WindColor, true), 40);

    // The caption over the middle of the plot, the ordinate's name at the left.
    EXPECT_GT(count(QRect(area.left() + area.width() / 3, 0, area.width() / 3, look.TRim), look.WindColor, true), 40);
    EXPECT_GT(count(QRect(0, 0, area.left(), look.TRim), look.WindColor, true), 20);
}

} // namespace
