#include "charts/ChartMouse.h"

#include "charts/ChartWidget.h"

TMouseAction MouseActionFor(Qt::KeyboardModifiers keys)
{
    if (keys & Qt::ShiftModifier)
        return maZoomDrag;
    if (keys & Qt::ControlModifier)
        return maPan;
    return maZoomWindPos;
}

void HandleChartMouseDown(TChartWidget &chart, Qt::MouseButton button, Qt::KeyboardModifiers keys,
                          const TRangeBox &fullView)
{
    if (button == Qt::RightButton || button == Qt::MiddleButton) {
        chart.SetRanges(fullView);
        chart.Redraw();
    } else if (button == Qt::LeftButton) {
        chart.SetMouseAction(MouseActionFor(keys));
    }
}

TRangeBox MainTimeChartFullView(double interval, std::int64_t sampleCount, double maxValue)
{
    return {0, 0, interval * double(sampleCount), 1.1 * maxValue};
}

TRangeBox ViewerTimeChartFullView(double startSecondOfDay, double interval, std::int64_t sampleCount,
                                  double maximum)
{
    return {startSecondOfDay - interval, 0, startSecondOfDay + double(sampleCount) * interval, 1.1 * maximum};
}

TRangeBox AnalyserFullView(double peakDensity)
{
    return {-33.5, 0, 33.5, 1.1 * peakDensity};
}
