#pragma once
// What a button press does on the charts that react to one (the two time charts and the
// density analyser), and the full views a right or middle click restores.

#include "charts/ChartTypes.h"

#include <cstdint>

// Shift: zoom by dragging; otherwise Ctrl: pan; otherwise the rubber band. Shift wins over
// Ctrl.
TMouseAction MouseActionFor(Qt::KeyboardModifiers keys);

// Right or middle button: the full view and a redraw, the mouse action untouched. Left
// button: the mouse action for the keys held. (The main time chart ignores presses while
// samples arrive live; its window checks that before calling.)
void HandleChartMouseDown(TChartWidget &chart, Qt::MouseButton button, Qt::KeyboardModifiers keys,
                          const TRangeBox &fullView);

// Main time chart: 0, 0, interval x sampleCount, 1.1 x maxValue.
TRangeBox MainTimeChartFullView(double interval, std::int64_t sampleCount, double maxValue);

// Viewer time chart: one interval before the record's start (seconds of its day) up to the end
// of its last sample, 0 up to 1.1 x its maximum.
TRangeBox ViewerTimeChartFullView(double startSecondOfDay, double interval, std::int64_t sampleCount,
                                  double maximum);

// Density analyser: the whole level scale, 0 up to 1.1 x the peak density of the last curve.
TRangeBox AnalyserFullView(double peakDensity);
