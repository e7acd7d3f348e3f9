// Bars, lines, the item list and when the chart paints.

#include "charts/RChart.h"
#include "tests/charts/PixelChart.h"

#include <gtest/gtest.h>

namespace {

QPoint PixelOf(double x, double y)
{
    return {10 + int(x), 89 - int(y)};
}

const QRgb Fill = qRgb(200, 0, 0);
const QRgb Edge1 = qRgb(192, 192, 192);
const QRgb Edge2 = qRgb(0, 0, 200);

// A chart in pixel units (see MakePixelChart) that fills what it is given in Fill.
class ChartItems : public ::testing::Test {
protected:
    ChartItems()
    {
        MakePixelChart(Chart);
        Chart.SetFillColor(QColor(Fill));
    }

    const QImage &Painted()
    {
        Chart.Redraw();
        return Chart.Picture();
    }

    TRChart Chart;
};

TEST_F(ChartItems, EtchedEdgeIsTwoShiftedOutlinesAndAOnePixelBarItsFill)
{
    Chart.AddBar(40, 10, 20, 50, 2, QColor(Edge1), QColor(Edge2)); // corners in either order
    Chart.AddBar(80.2, 30.1, 79.9, 29.8, 2, QColor(Edge1), QColor(Edge2));
    const QImage &picture = Painted();
    const int left = PixelOf(20, 0).x(), right = PixelOf(40, 0).x();
    const int top = PixelOf(0, 50).y(), bottom = PixelOf(0, 10).y();
    const auto at = [&](int x, int y) { return picture.pixel(x, y); };
    // edgeColor2 on the bar's own left and top lines, up to right - 1 and bottom - 1
    EXPECT_EQ(at(left, top), Edge2);
    EXPECT_EQ(at(right - 1, bottom - 1), Edge2);
    // edgeColor1 shifted one pixel right and down, where edgeColor2 did not cover it
    EXPECT_EQ(at(left + 1, top + 1), Edge1);
    EXPECT_EQ(at(right, bottom), Edge1);
    // the fill where neither outline reaches, and nothing outside the bar
    EXPECT_EQ(at(right, top), Fill);
    EXPECT_EQ(at(left + 5, top + 5), Fill);
    EXPECT_NE(at(right + 1, top + 5), Edge1);
    EXPECT_NE(at(left + 5, bottom + 1), Edge1);

    const QPoint pixel = PixelOf(80, 30);
    EXPECT_EQ(picture.pixel(pixel), Fill);
    for (const QPoint &neighbour : {QPoint(1, 0), QPoint(0, 1), QPoint(-1, 0), QPoint(0, -1), QPoint(1, 1)})
        EXPECT_EQ(picture.pixel(pixel + neighbour), Chart.ChartColor().rgb());
}

TEST_F(ChartItems, BarsAreClippedToThePlottingArea)
{
    Chart.AddBar(-1e12, -5, 1e12, 1e9, 2, QColor(Edge1), QColor(Edge2));
    const QImage &picture = Painted();
    const QRect area = Chart.PlotArea();
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            ASSERT_EQ(picture.pixel(x, y) == Fill, area.contains(x, y)) << x << "," << y;
}

TEST_F(ChartItems, LineInItsColourAndWidthAndAPointForOnePixel)
{
    Chart.SetDataColor(QColor(0, 255, 0));
    Chart.AddLine(10, 20, 50, 20);
    Chart.AddLine(70.1, 60.2, 69.9, 59.9);
    Chart.SetLineWidth(3);
    Chart.SetDataColor(QColor(255, 255, 0));
    Chart.AddLine(10, 40, 50, 40);
    const QImage &picture = Painted();
    const QRgb green = qRgb(0, 255, 0), yellow = qRgb(255, 255, 0);
    EXPECT_EQ(picture.pixel(PixelOf(30, 20)), green);
    EXPECT_NE(picture.pixel(PixelOf(30, 21)), green);
    EXPECT_EQ(picture.pixel(PixelOf(70, 60)), green);
    EXPECT_NE(picture.pixel(PixelOf(71, 60)), green);
    for (int dy = -1; dy <= 1; ++dy)
        EXPECT_EQ(picture.pixel(PixelOf(30, 40 + dy)), yellow);
    EXPECT_NE(picture.pixel(PixelOf(30, 42)), yellow);
}

TEST_F(ChartItems, AreDrawnInListOrderAcrossKindsAndRemovedFromTheFront)
{
    Chart.RemoveFirstItem(); // on an empty list: nothing happens
    Chart.AddBar(0, 0, 60, 60, 0, Qt::black, Qt::black);
    Chart.SetDataColor(QColor(0, 255, 0));
    Chart.AddMark(30, 30, 24);
    Chart.SetFillColor(QColor(0, 0, 255));
    Chart.AddBar(30, 30, 40, 40, 0, Qt::black, Qt::black);
    const QImage &picture = Painted();
    EXPECT_EQ(picture.pixel(PixelOf(29, 29)), qRgb(0, 255, 0)); // mark over the first bar
    EXPECT_EQ(picture.pixel(PixelOf(31, 31)), qRgb(0, 0, 255)); // second bar over the mark
    EXPECT_EQ(picture.pixel(PixelOf(10, 10)), Fill);

    Chart.RemoveFirstItem(); // the first bar goes, the rest stays in order
    EXPECT_EQ(Chart.ItemCount(), 2u);
    EXPECT_EQ(Painted().pixel(PixelOf(10, 10)), Chart.ChartColor().rgb());
    EXPECT_EQ(Chart.Picture().pixel(PixelOf(31, 31)), qRgb(0, 0, 255));
}

TEST_F(ChartItems, NothingIsPaintedUntilRedrawAndAnUnchangedViewIsReused)
{
    const QImage empty = Painted().copy();
    Chart.SetDataColor(QColor(0, 255, 0));
    Chart.AddMark(30, 30, 24);
    Chart.SetRanges(0, 0, 60, 40);
    EXPECT_TRUE(Chart.Picture() == empty);

    EXPECT_EQ(Painted().pixel(PixelOf(60, 60)), qRgb(0, 255, 0)); // at twice the scale
    const qint64 painted = Chart.Picture().cacheKey();
    Chart.SetDataColor(QColor(0, 255, 0)); // the same value: no change
    EXPECT_EQ(Painted().cacheKey(), painted);

    Chart.ClearItems();
    Chart.SetRanges(0, 0, 120, 80);
    EXPECT_TRUE(Painted() == empty);

    Chart.SetAutoRedraw(true); // now every change is painted at once
    Chart.AddMark(30, 30, 24);
    EXPECT_EQ(Chart.Picture().pixel(PixelOf(30, 30)), qRgb(0, 255, 0));
}

TEST(ChartRanges, WritesKeepTheMinimumRangeAndSetRangesWidensEqualLimits)
{
    TRChart chart;
    chart.SetMinRangeX(1e-10);
    chart.SetMinRangeY(1e-10);
    chart.SetRanges(5, 0, 5, 0);
    EXPECT_DOUBLE_EQ(chart.RangeLoX(), 5 - 0.5e-10);
    EXPECT_DOUBLE_EQ(chart.RangeHiX(), 5 + 0.5e-10);
    chart.SetRanges(0, 0, 33.5, 4);
    chart.SetRangeLoX(40);
    EXPECT_DOUBLE_EQ(chart.RangeHiX(), 40 + 1e-10);
    chart.SetRanges(100, 0, 200, 4); // forwards past the old window, then back before it
    EXPECT_EQ(chart.RangeLoX(), 100);
    EXPECT_EQ(chart.RangeHiX(), 200);
    chart.SetRanges(-50, 0, -10, 4);
    EXPECT_EQ(chart.RangeLoX(), -50);
    EXPECT_EQ(chart.RangeHiX(), -10);
}

TEST(ChartItemMemory, MarksOfALongRecordCostAtMostSixteenBytesEach)
{
    constexpr int marks = 2'000'000;
    TRChart chart;
    for (int i = 0; i < marks; ++i) {
        chart.SetDataColor(QColor::fromRgb(QRgb(i / 100 % 40)));
        chart.AddMark(i, i % 17, 7);
    }
    EXPECT_LE(chart.ItemBytes(), 16u * marks);
}

} // namespace
