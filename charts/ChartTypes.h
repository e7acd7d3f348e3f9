#pragma once
// The enumerations and event types of the chart control TChartWidget.

#include <Qt>

#include <functional>

class TChartWidget;

// What a left-button drag inside the plotting area does.
enum TMouseAction { maNone, maPan, maZoomWindPos, maZoomDrag };

// How an axis labels its ticks: plain numbers, or seconds shown as [-]hh:mm:ss[.mmm].
enum TLabelType { ftNum, ftTime };

enum TGridStyle { gsNone, gsHorizDotLines };

// ssFlying: the plot floats over a drop shadow to its lower right.
enum TShadowStyle { ssNone, ssFlying };

enum TXAxisPos { xapBottom, xapTop };
enum TYAxisPos { yapLeft, yapRight };

// The keys and buttons held during a mouse event.
struct TShiftState {
    Qt::KeyboardModifiers Keys;
    Qt::MouseButtons Buttons;
};

using TMouseDownEvent =
    std::function<void(TChartWidget *Sender, Qt::MouseButton Button, TShiftState Shift, int X, int Y)>;

// InChart: the pointer lies inside the plotting area; rMousePosX/Y are then its data
// coordinates (0 otherwise).
using TMouseMoveInChartEvent = std::function<void(
    TChartWidget *Sender, bool InChart, TShiftState Shift, double rMousePosX, double rMousePosY)>;

// Four range limits, in the argument order of SetRanges.
struct TRangeBox {
    double XLo;
    double YLo;
    double XHi;
    double YHi;

    bool operator==(const TRangeBox &) const = default;
};
