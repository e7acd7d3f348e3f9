// Marks: their shapes on screen, and the fast painter against the one that paints every mark
// in order.

#include "charts/ChartItemStore.h"
#include "charts/DirectMarkPainter.h"
#include "charts/MarkRasteriser.h"
#include "charts/RChart.h"
#include "tests/charts/PixelChart.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <random>

namespace {

const QRgb Background = qRgb(10, 20, 30);

// A mark's pixels in a picture: those of its colour.
QRect ExtentOf(const QImage &picture, QRgb colour, int *count = nullptr)
{
    QRect extent;
    int pixels = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (picture.pixel(x, y) == colour) {
                extent |= QRect(x, y, 1, 1);
                ++pixels;
            }
    if (count)
        *count = pixels;
    return extent;
}

struct TShapeCase {
    std::uint8_t Shape;
    int Across;
    int Pixels;
};

class MarkShape : public ::testing::TestWithParam<TShapeCase> {};

TEST_P(MarkShape, IsCentredOnItsPointWithItsSize)
{
    TRChart chart;
    MakePixelChart(chart);
    chart.SetDataColor(QColor(255, 0, 255));
    chart.AddMark(60, 40, GetParam().Shape);
    chart.Redraw();
    int count = 0;
    const QRect extent = ExtentOf(chart.Picture(), qRgb(255, 0, 255), &count);
    EXPECT_EQ(extent.size(), QSize(GetParam().Across, GetParam().Across));
    EXPECT_EQ(extent.center(), QPoint(10 + 60, 10 + 79 - 40));
    EXPECT_EQ(count, GetParam().Pixels);
}

INSTANTIATE_TEST_SUITE_P(Shapes, MarkShape,
                         ::testing::Values(TShapeCase{7, 3, 9}, TShapeCase{24, 7, 37}, TShapeCase{26, 5, 21}));

TEST(MarkPainting, MarksAreClippedToThePlottingArea)
{
    TRChart chart;
    MakePixelChart(chart);
    chart.SetDataColor(QColor(255, 0, 255));
    chart.AddMark(0, 0, 24);   // on the bottom left corner pixel
    chart.AddMark(120, 80, 24); // one pixel beyond the top right corner
    chart.Redraw();
    int count = 0;
    const QRect extent = ExtentOf(chart.Picture(), qRgb(255, 0, 255), &count);
    EXPECT_TRUE(chart.PlotArea().contains(extent));
    EXPECT_EQ(count, 13 + 6); // the parts of the two discs that lie inside
}

// Random marks crowded onto a small plot, some centred outside it, in several colours; the
// fast painter must give the picture of painting them one by one.
class FastMarkPainting : public ::testing::TestWithParam<std::vector<std::uint8_t>> {};

TEST_P(FastMarkPainting, GivesExactlyThePictureOfPaintingEachMarkInOrder)
{
    const QRect area(7, 5, 150, 90);
    const TPlotMapping mapping(area, {-2.0, 13.0}, {100.0, 145.0});
    const std::vector<std::uint8_t> shapes = GetParam();
    const std::array<QRgb, 5> colours = {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255), qRgb(250, 250, 0),
                                         qRgb(1, 2, 3)};
    std::mt19937 random(42);
    std::uniform_real_distribution<double> x(-2.6, 13.6);
    std::uniform_real_distribution<double> y(99.5, 145.5);

    TChartItemStore store;
    // An ordered run (found by bisection) crossing a chunk boundary, then an unordered one.
    for (int i = 0; i < 70000; ++i)
        store.AddMark(-2.6 + i * 16.2 / 70000, y(random), shapes[i % shapes.size()], colours[(i / 7) % 5]);
    for (int i = 0; i < 30000; ++i)
        store.AddMark(x(random), y(random), shapes[(i / 3) % shapes.size()], colours[std::size_t(random() % 5)]);
    for (int i = 0; i < 1234; ++i)
        store.RemoveFirst();
    std::vector<const TMarkChunk *> batch;
    for (const TItemRun &run : store.Runs())
        batch.push_back(&std::get<TMarkChunk>(run));
    const std::vector<TMarkSpan> spans = VisibleMarkSpans(batch, mapping, MaxMarkRadius);

    QImage expected(170, 110, QImage::Format_RGB32);
    expected.fill(Background);
    {
        QPainter painter(&expected);
        painter.setClipRect(area);
        PaintMarksInOrder(painter, mapping, spans);
    }
    // Split into more parts than there are cores, so that the merge of the parts is exercised.
    TMarkRasteriser rasteriser(TRasterSplit{5000, 1000, 3});
    for (int pass = 0; pass < 2; ++pass) { // the second reuses the grids of the first
        QImage fast(170, 110, QImage::Format_RGB32);
        fast.fill(Background);
        rasteriser.Paint(fast, mapping, spans);
        ASSERT_EQ(fast, expected) << "pass " << pass;
    }
}

INSTANTIATE_TEST_SUITE_P(Shapes, FastMarkPainting,
                         ::testing::Values(std::vector<std::uint8_t>{7}, std::vector<std::uint8_t>{24},
                                           std::vector<std::uint8_t>{26},
                                           std::vector<std::uint8_t>{7, 24, 26, 1}));

TEST(MarkPainting, ChartWithManyMarksShowsThemAsIfPaintedInOrder)
{
    // Enough marks for the chart to take the fast painter; the reference paints the same marks
    // one by one over the chart's empty picture.
    TRChart chart;
    MakePixelChart(chart, QSize(300, 200));
    TRChart empty;
    MakePixelChart(empty, QSize(300, 200));
    TChartItemStore store;
    std::mt19937 random(7);
    std::uniform_real_distribution<double> coordinate(-3, 303);
    for (int i = 0; i < 20000; ++i) {
        const double x = coordinate(random);
        const double y = coordinate(random) * 2 / 3;
        const QColor colour = QColor::fromHsv(i % 7 * 50, 255, 255);
        chart.SetDataColor(colour);
        chart.AddMark(x, y, i % 2 ? 24 : 7);
        store.AddMark(x, y, i % 2 ? 24 : 7, colour.rgb());
    }
    chart.Redraw();
    empty.Redraw();

    QImage expected = empty.Picture();
    const TPlotMapping mapping = chart.Mapping();
    {
        QPainter painter(&expected);
        painter.setClipRect(mapping.Area);
        PaintMarksInOrder(painter, mapping,
                          VisibleMarkSpans({&std::get<TMarkChunk>(store.Runs().front())}, mapping, MaxMarkRadius));
    }
    EXPECT_EQ(chart.Picture(), expected);
}

} // namespace
