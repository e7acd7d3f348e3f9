// What the chart paints: bars, marks and lines in list order and clipped to the plot, and the
// fast mark painter against the one that paints every mark in order.

#include "charts/ChartItemStore.h"
#include "charts/DirectMarkPainter.h"
#include "charts/MarkRasteriser.h"
#include "charts/ChartWidget.h"
#include "tests/charts/PixelChart.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <random>
#include <tuple>

namespace {

QPoint PixelOf(double x, double y) { return {10 + int(x), 89 - int(y)}; }

const QRgb Fill = qRgb(200, 0, 0), Edge1 = qRgb(192, 192, 192), Edge2 = qRgb(0, 0, 200), Green = qRgb(0, 255, 0);

// The extent and number of the pixels of a colour.
std::pair<QRect, int> PixelsOf(const QImage &picture, QRgb colour)
{
    std::pair<QRect, int> found{QRect(), 0};
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (picture.pixel(x, y) == colour) {
                found.first |= QRect(x, y, 1, 1);
                ++found.second;
            }
    return found;
}

// A chart in pixel units (see MakePixelChart) that fills what it is given in Fill.
class ChartPainting : public ::testing::Test {
protected:
    ChartPainting()
    {
        MakePixelChart(Chart);
        Chart.SetFillColor(QColor(Fill));
    }

    const QImage &Painted()
    {
        Chart.Redraw();
        return Chart.Picture();
    }

    TChartWidget Chart;
};

TEST_F(ChartPainting, EtchedEdgeIsTwoShiftedOutlinesAndAOnePixelBarItsFill)
{
    Chart.AddBar(40, 10, 20, 50, 2, QColor(Edge1), QColor(Edge2)); // corners in either order
    Chart.AddBar(80.2, 30.1, 79.9, 29.8, 2, QColor(Edge1), QColor(Edge2));
    const QImage &picture = Painted();
    const int left = PixelOf(20, 0).x(), right = PixelOf(40, 0).x();
    const int top = PixelOf(0, 50).y(), bottom = PixelOf(0, 10).y();
    // edgeColor2 on the bar's own left and top lines, edgeColor1 one pixel right and down
    EXPECT_EQ(picture.pixel(left, top), Edge2);
    EXPECT_EQ(picture.pixel(right - 1, bottom - 1), Edge2);
    EXPECT_EQ(picture.pixel(left + 1, top + 1), Edge1);
    EXPECT_EQ(picture.pixel(right, bottom), Edge1);
    // the fill where neither outline reaches, and nothing outside the bar
    EXPECT_EQ(picture.pixel(right, top), Fill);
    EXPECT_EQ(picture.pixel(left + 5, top + 5), Fill);
    EXPECT_NE(picture.pixel(right + 1, top + 5), Edge1);
    EXPECT_NE(picture.pixel(left + 5, bottom + 1), Edge1);

    const QPoint pixel = PixelOf(80, 30);
    EXPECT_EQ(picture.pixel(pixel), Fill);
    for (const QPoint &neighbour : {QPoint(1, 0), QPoint(0, 1), QPoint(-1, 0), QPoint(0, -1), QPoint(1, 1)})
        EXPECT_EQ(picture.pixel(pixel + neighbour), Chart.Appearance().ChartColor.rgb());
}

TEST_F(ChartPainting, BarsMarksAndLinesAreDrawnInListOrderAndRemovedFromTheFront)
{
    const QRgb blue = qRgb(0, 0, 255), yellow = qRgb(255, 255, 0);
    Chart.RemoveFirstItem(); // on an empty list: nothing happens
    Chart.AddBar(0, 0, 60, 60, 0, Qt::black, Qt::black);
    Chart.SetDataColor(QColor(Green));
    Chart.AddMark(30, 30, 24);
    Chart.SetFillColor(QColor(blue));
    Chart.AddBar(30, 30, 40, 40, 0, Qt::black, Qt::black);
    Chart.SetLineWidth(3);
    Chart.SetDataColor(QColor(yellow));
    Chart.AddLine(0, 35, 60, 35);
    const QImage &picture = Painted();
    EXPECT_EQ(picture.pixel(PixelOf(29, 29)), Green); // mark over the first bar
    EXPECT_EQ(picture.pixel(PixelOf(31, 31)), blue);  // second bar over the mark
    EXPECT_EQ(picture.pixel(PixelOf(10, 10)), Fill);
    for (int y = 33; y <= 37; ++y) // the line three pixels wide over the second bar
        EXPECT_EQ(picture.pixel(PixelOf(35, y)), y == 33 || y == 37 ? blue : yellow) << y;

    Chart.RemoveFirstItem(); // the first bar goes, the rest stays in order
    EXPECT_EQ(Chart.ItemCount(), 3u);
    EXPECT_EQ(Painted().pixel(PixelOf(10, 10)), Chart.Appearance().ChartColor.rgb());
    EXPECT_EQ(Chart.Picture().pixel(PixelOf(31, 31)), blue);
}

TEST_F(ChartPainting, MarkShapesAreCentredOnTheirPointWithTheirSize)
{
    Chart.SetDataColor(QColor(Green));
    const std::tuple<std::uint8_t, int, int> shapes[] = {{7, 3, 9}, {24, 7, 37}, {26, 5, 21}}; // across, pixels
    for (const auto &[shape, across, pixels] : shapes) {
        Chart.ClearItems();
        Chart.AddMark(60, 40, shape);
        const auto [extent, count] = PixelsOf(Painted(), Green);
        EXPECT_EQ(extent.size(), QSize(across, across)) << int(shape);
        EXPECT_EQ(extent.center(), PixelOf(60, 40)) << int(shape);
        EXPECT_EQ(count, pixels) << int(shape);
    }
}

TEST_F(ChartPainting, BarsAndMarksAreClippedToThePlottingArea)
{
    Chart.AddBar(-1e12, -5, 1e12, 1e9, 2, QColor(Edge1), QColor(Edge2));
    Chart.SetDataColor(QColor(Green));
    Chart.AddMark(0, 0, 24);    // on the bottom left corner pixel
    Chart.AddMark(120, 80, 24); // one pixel beyond the top right corner
    const QImage &picture = Painted();
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            ASSERT_EQ(picture.pixel(x, y) == Fill || picture.pixel(x, y) == Green, Chart.PlotArea().contains(x, y))
                << x << "," << y;
    EXPECT_EQ(PixelsOf(picture, Green).second, 13 + 6); // the parts of the two discs that lie inside
}

// Enough marks for the chart to take the fast painter; the reference paints the same marks one
// by one over the chart's empty picture.
TEST_F(ChartPainting, ChartWithManyMarksShowsThemAsIfPaintedInOrder)
{
    MakePixelChart(Chart, QSize(300, 200));
    QImage expected = Painted().copy();
    std::mt19937 random(7);
    std::uniform_real_distribution<double> coordinate(-3, 303);
    for (int i = 0; i < 20000; ++i) {
        Chart.SetDataColor(QColor::fromHsv(i % 7 * 50, 255, 255));
        Chart.AddMark(coordinate(random), coordinate(random) * 2 / 3, i % 2 ? 24 : 7);
    }
    const TPlotMapping mapping = Chart.Mapping();
    const TMarkChunk &marks = std::get<TMarkChunk>(Chart.ItemStore().Runs().front());
    QPainter painter(&expected);
    painter.setClipRect(mapping.Area);
    PaintMarksInOrder(painter, mapping, VisibleMarkSpans({&marks}, mapping, MaxMarkRadius));
    painter.end();
    EXPECT_EQ(Painted(), expected);
}

// Random marks of every figure crowded onto a small plot, some centred outside it, in several
// colours; the fast painter must give the picture of painting them one by one.
TEST(FastMarkPainting, GivesExactlyThePictureOfPaintingEachMarkInOrder)
{
    const QRect area(7, 5, 150, 90);
    const TPlotMapping mapping(area, {-2.0, 13.0}, {100.0, 145.0});
    const std::uint8_t shapes[] = {7, 24, 26, 1};
    const QRgb colours[] = {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255), qRgb(250, 250, 0), qRgb(1, 2, 3)};
    std::mt19937 random(42);
    std::uniform_real_distribution<double> x(-2.6, 13.6), y(99.5, 145.5);

    TChartItemStore store;
    // An ordered run (found by bisection) crossing a chunk boundary, then an unordered one.
    for (int i = 0; i < 70000; ++i)
        store.AddMark(-2.6 + i * 16.2 / 70000, y(random), shapes[i % 4], colours[(i / 7) % 5]);
    for (int i = 0; i < 30000; ++i)
        store.AddMark(x(random), y(random), shapes[(i / 3) % 4], colours[std::size_t(random() % 5)]);
    for (int i = 0; i < 1234; ++i)
        store.RemoveFirst();
    std::vector<const TMarkChunk *> batch;
    for (const TItemRun &run : store.Runs())
        batch.push_back(&std::get<TMarkChunk>(run));
    const std::vector<TMarkSpan> spans = VisibleMarkSpans(batch, mapping, MaxMarkRadius);

    QImage background(170, 110, QImage::Format_RGB32);
    background.fill(qRgb(10, 20, 30));
    QImage expected = background;
    QPainter painter(&expected);
    painter.setClipRect(area);
    PaintMarksInOrder(painter, mapping, spans);
    painter.end();
    // Split into more parts than there are cores, so that the merge of the parts is exercised.
    TMarkRasteriser rasteriser(TRasterSplit{5000, 1000, 3});
    for (int pass = 0; pass < 2; ++pass) { // the second reuses the grids of the first
        QImage fast = background;
        rasteriser.Paint(fast, mapping, spans);
        ASSERT_EQ(fast, expected) << "pass " << pass;
    }
}

} // namespace
