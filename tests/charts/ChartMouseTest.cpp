// The chart's mouse modes and pointer reports, driven by synthesised mouse events.

#include "charts/ChartWidget.h"
#include "tests/charts/PixelChart.h"

#include <QCoreApplication>
#include <QMouseEvent>

#include <gtest/gtest.h>

#include <tuple>

namespace {

// A chart in pixel units (see MakePixelChart): x = column - 10, y = 89 - row.
class ChartMouse : public ::testing::Test {
protected:
    ChartMouse()
    {
        MakePixelChart(Chart);
        Chart.OnMouseMoveInChart = [this](TChartWidget *, bool inChart, TShiftState, double x, double y) {
            Reports.emplace_back(inChart, x, y);
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
        const double shown[] = {Chart.RangeLoX(), Chart.RangeLoY(), Chart.RangeHiX(), Chart.RangeHiY()};
        const double expected[] = {xLo, yLo, xHi, yHi};
        for (int i = 0; i < 4; ++i)
            EXPECT_NEAR(shown[i], expected[i], 1e-9) << i;
    }

    TChartWidget Chart;
    std::vector<std::tuple<bool, double, double>> Reports; // in the plot, x, y
};

// The windows pick the mode in the mouse-down handler, so it must run before the drag starts.
TEST_F(ChartMouse, PanStartsInTheModeTheMouseDownHandlerPicksAndMovesTheContentWithThePointer)
{
    int presses = 0;
    Chart.OnMouseDown = [&](TChartWidget *sender, Qt::MouseButton, TShiftState shift, int, int) {
        ++presses;
        if (shift.Keys & Qt::ControlModifier)
            sender->SetMouseAction(maPan);
    };
    Press({50, 50}); // no mode yet
    Drag({70, 70});
    Release({70, 70});
    Press({5, 50}, Qt::LeftButton, Qt::ControlModifier); // outside the plot
    Drag({70, 70});
    Press({50, 50}, Qt::RightButton);
    Send(QEvent::MouseMove, {70, 70}, Qt::NoButton, Qt::RightButton);
    ExpectRanges(0, 0, 120, 80);

    Chart.SetDataColor(Qt::green);
    Chart.AddMark(40, 39, 7); // under the press point (50, 50)
    Press({50, 50}, Qt::LeftButton, Qt::ControlModifier);
    EXPECT_EQ(presses, 4);
    Drag({60, 40});
    ExpectRanges(-10, -10, 110, 70);
    // Repainted during the drag, the mark still under the pointer; the pointer's data point too.
    EXPECT_EQ(Chart.Picture().pixel(60, 40), qRgb(0, 255, 0));
    ASSERT_FALSE(Reports.empty());
    EXPECT_EQ(Reports.back(), std::tuple(true, 40.0, 39.0));
    Drag({45, 50}); // always relative to the ranges at the press
    ExpectRanges(5, 0, 125, 80);
    Release({45, 50});
    Hover({30, 30}); // the drag has ended
    ExpectRanges(5, 0, 125, 80);
}

TEST_F(ChartMouse, RubberBandZoomsToItsRectangleClampedToThePlotOnRelease)
{
    Chart.SetMouseAction(maZoomWindPos);
    Press({30, 20}); // without width or height: nothing
    Release({30, 60});
    Press({30, 20});
    Drag({90, 40});
    Release({90, 20});
    ExpectRanges(0, 0, 120, 80);
    Press({30, 20});
    Drag({300, 300});
    Release({300, 300});
    ExpectRanges(20, 0, 119, 69);

    Chart.SetRanges(0, 0, 120, 80);
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

TEST_F(ChartMouse, PointerReportsDataCoordinatesOnlyInsideThePlot)
{
    Hover({10, 89});
    Hover({129, 10});
    Hover({9, 50});
    Hover({40, 40});
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(&Chart, &leave);
    ASSERT_EQ(Reports.size(), 5u);
    EXPECT_EQ(Reports[0], std::tuple(true, 0.0, 0.0));
    EXPECT_EQ(Reports[1], std::tuple(true, 119.0, 79.0));
    EXPECT_FALSE(std::get<0>(Reports[2]));
    EXPECT_FALSE(std::get<0>(Reports[4])); // leaving the control counts as leaving the plot
}

} // namespace
