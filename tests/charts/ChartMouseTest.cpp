// The chart's mouse modes and pointer reports, driven by synthesised mouse events.

#include "charts/RChart.h"
#include "tests/charts/PixelChart.h"

#include <QCoreApplication>
#include <QMouseEvent>

#include <gtest/gtest.h>

namespace {

// A chart in pixel units (see MakePixelChart): x = column - 10, y = 89 - row.
class ChartMouse : public ::testing::Test {
protected:
    ChartMouse()
    {
        MakePixelChart(Chart);
        Chart.OnMouseMoveInChart = [this](TRChart *, bool inChart, TShiftState, double x, double y) {
            Reports.push_back({inChart, x, y});
        };
    }

    void Send(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons buttons,
              Qt::KeyboardModifiers keys = {})
    {
        QMouseEvent event(type, QPointF(at), Chart.mapToGlobal(QPointF(at)), button, buttons, keys);
        QCoreApplication::sendEvent(&Chart, &event);
    }
    void Press(QPoint at, Qt::MouseButton button = Qt::LeftButton, Qt::KeyboardModifiers keys = {})
    {
        Send(QEvent::MouseButtonPress, at, button, button, keys);
    }
    void Drag(QPoint to) { Send(QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton); }
    void Hover(QPoint to) { Send(QEvent::MouseMove, to, Qt::NoButton, Qt::NoButton); }
    void Release(QPoint at) { Send(QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton); }

    void ExpectRanges(double xLo, double yLo, double xHi, double yHi)
    {
        EXPECT_NEAR(Chart.RangeLoX(), xLo, 1e-9);
        EXPECT_NEAR(Chart.RangeLoY(), yLo, 1e-9);
        EXPECT_NEAR(Chart.RangeHiX(), xHi, 1e-9);
        EXPECT_NEAR(Chart.RangeHiY(), yHi, 1e-9);
    }

    struct TReport {
        bool InChart;
        double X, Y;
    };

    TRChart Chart;
    std::vector<TReport> Reports;
};

TEST_F(ChartMouse, PanMovesTheContentWithThePointer)
{
    Chart.SetMouseAction(maPan);
    Chart.SetDataColor(Qt::green);
    Chart.AddMark(40, 39, 7); // under the press point (50, 50)
    Press({50, 50});
    Drag({60, 40});
    ExpectRanges(-10, -10, 110, 70);
    // Repainted during the drag, the mark still under the pointer; the pointer's data point too.
    EXPECT_EQ(Chart.Picture().pixel(60, 40), qRgb(0, 255, 0));
    ASSERT_FALSE(Reports.empty());
    EXPECT_TRUE(Reports.back().X == 40 && Reports.back().Y == 39);
    Drag({45, 50}); // always relative to the ranges at the press
    ExpectRanges(5, 0, 125, 80);
    Release({45, 50});
    Hover({30, 30}); // the drag has ended
    ExpectRanges(5, 0, 125, 80);
}

TEST_F(ChartMouse, RubberBandZoomsToItsRectangleOnRelease)
{
    Chart.SetMouseAction(maZoomWindPos);
    Press({80, 70});
    Drag({30, 20});
    ExpectRanges(0, 0, 120, 80); // nothing before the release
    // The band's outline inverts what lies under it.
    QImage shown(Chart.size(), QImage::Format_RGB32);
    Chart.render(&shown);
    EXPECT_EQ(shown.pixel(30, 20), Chart.Picture().pixel(30, 20) ^ 0x00FFFFFFu);
    EXPECT_EQ(shown.pixel(55, 45), Chart.Picture().pixel(55, 45));
    Release({30, 20});
    ExpectRanges(20, 19, 70, 69);
}

TEST_F(ChartMouse, RubberBandWithoutWidthOrHeightChangesNothingAndIsClampedToThePlot)
{
    Chart.SetMouseAction(maZoomWindPos);
    Press({30, 20});
    Release({30, 60});
    Press({30, 20});
    Drag({90, 40});
    Release({90, 20});
    ExpectRanges(0, 0, 120, 80);
    Press({30, 20});
    Drag({300, 300});
    Release({300, 300});
    ExpectRanges(20, 0, 119, 69);
}

TEST_F(ChartMouse, DragZoomScalesBothSpansAboutTheirCentres)
{
    Chart.SetMouseAction(maZoomDrag);
    Press({50, 50});
    Drag({64, 36}); // right and up: x x0.9 (14 / 140), y x0.86 (14 / 100)
    ExpectRanges(6, 5.6, 114, 74.4);
    Drag({36, 64}); // left and down, from the press again: x1.1 and x1.14
    ExpectRanges(-6, -5.6, 126, 85.6);
    Drag({50 + 300, 50}); // beyond the control's width: down to the minimum range
    EXPECT_NEAR(Chart.RangeHiX() - Chart.RangeLoX(), Chart.MinRangeX(), 1e-12);
    EXPECT_NEAR(Chart.RangeLoX(), 60, 1e-9);
}

TEST_F(ChartMouse, NoModeOrAPressOutsideThePlotStartsNothing)
{
    Press({50, 50});
    Drag({70, 70});
    Release({70, 70});
    Chart.SetMouseAction(maPan);
    Press({5, 50});
    Drag({70, 70});
    Press({50, 50}, Qt::RightButton);
    Send(QEvent::MouseMove, {70, 70}, Qt::NoButton, Qt::RightButton);
    ExpectRanges(0, 0, 120, 80);
}

TEST_F(ChartMouse, MouseDownHandlerRunsBeforeTheDragStarts)
{
    std::vector<QPoint> presses;
    Chart.OnMouseDown = [&](TRChart *sender, Qt::MouseButton, TShiftState shift, int x, int y) {
        presses.push_back({x, y});
        EXPECT_TRUE(shift.Keys & Qt::ControlModifier);
        sender->SetMouseAction(maPan);
    };
    Press({50, 50}, Qt::LeftButton, Qt::ControlModifier);
    Drag({60, 50});
    EXPECT_EQ(presses, std::vector<QPoint>{QPoint(50, 50)});
    ExpectRanges(-10, 0, 110, 80);
}

TEST_F(ChartMouse, PointerReportsDataCoordinatesOnlyInsideThePlot)
{
    Hover({10, 89});
    Hover({129, 10});
    Hover({9, 50});
    Hover({40, 40});
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(&Chart, &leave);
    ASSERT_EQ(Reports.size(), 5u);
    EXPECT_TRUE(Reports[0].InChart && Reports[0].X == 0 && Reports[0].Y == 0);
    EXPECT_TRUE(Reports[1].InChart && Reports[1].X == 119 && Reports[1].Y == 79);
    EXPECT_FALSE(Reports[2].InChart);
    EXPECT_FALSE(Reports[4].InChart); // leaving the control counts as leaving the plot
}

} // namespace
