// The mouse on the main window's charts: zoom and pan of the time chart once samples no
// longer arrive, and the value read-outs in the charts' corners.

#include "app/AcquisitionSettingsPanel.h"
#include "app/MainWindow.h"
#include "charts/ChartMouse.h"
#include "charts/ChartReadouts.h"
#include "charts/TextSpace.h"

#include <QComboBox>
#include <QLineEdit>

void TMainWindow::TChartMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers keys)
{
    // While samples arrive live, the chart scrolls by itself.
    if (Session.State() != Stopped && Session.State() != Importing)
        return;
    const double interval = SettingsPanel->IntervalInControls();
    HandleChartMouseDown(*TChart, button, keys,
                         MainTimeChartFullView(interval, static_cast<std::int64_t>(Session.Statistics().SampleCount()),
                                               MaxRecord().Value));
}

void TMainWindow::TChartMouseMoveInChart(bool inChart, double y)
{
    TChartEdit->setText(inChart ? ValueReadoutText(MaxRecord().Value, y, QLocale::system(), FitsInside(*TChartEdit))
                                : QString());
}

void TMainWindow::HChartMouseMoveInChart(bool inChart, double x)
{
    HChartEdit->setText(inChart ? LevelReadoutText(x, QLocale::system(), FitsInside(*HChartEdit)) : QString());
}
