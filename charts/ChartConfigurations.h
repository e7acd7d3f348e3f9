#pragma once
// The six charts of the program and their settings: the main window's time chart and
// histogram, the record viewer's time chart and histogram, the density analyser's chart and
// the file manager's preview. Where each chart sits in its window is the window's business.

#include "charts/ChartTypes.h"

#include <QColor>
#include <QString>

#include <optional>

class TChartWidget;

// What differs from chart to chart; everything else is common to all six.
struct TChartConfiguration {
    int FontPixels;
    QColor FontColor;
    int RRim;
    int TRim;
    int BRim;
    QColor WindColor;
    QColor DataColor;
    QColor ChartColor;
    QString Caption;
    QString IdOrdinate;
    TLabelType XLabelType;
    int MinTickX;
    int DecPlaceX;
    int DecPlaceY;
    // None where the owning window sets the ranges later (the viewer when a record opens).
    std::optional<TRangeBox> Ranges;
};

// visibleSamples: the number of samples the live chart shows; interval: seconds per sample.
TChartConfiguration MainTimeChartConfiguration(int visibleSamples, double interval);
TChartConfiguration MainHistogramChartConfiguration();
TChartConfiguration ViewerTimeChartConfiguration();
TChartConfiguration ViewerHistogramChartConfiguration();
TChartConfiguration AnalyserChartConfiguration();
TChartConfiguration FileManagerChartConfiguration();

// The common settings, then the chart's own; the ranges before the decimals.
void ConfigureChart(TChartWidget &chart, const TChartConfiguration &configuration);
