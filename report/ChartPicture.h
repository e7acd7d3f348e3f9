#pragma once
// Charts saved as one picture, one above the other, each at its size on screen: a PNG, or an
// SVG (vector drawing but for large numbers of marks) when the name ends in ".svg".

#include <QColor>
#include <QSize>
#include <QString>

#include <vector>

class TChartWidget;

// One line of a legend under the charts: what a curve or mark colour stands for.
struct TPictureLegendLine {
    QString Name;
    QColor Colour;
};

// The widest chart's width by the charts' heights added up, and the legend's lines below.
QSize ChartPictureSize(const std::vector<const TChartWidget *> &charts, const std::vector<TPictureLegendLine> &legend = {});

// Replaces path only once the picture is complete; a failure is an EInOutError naming the
// file and leaves the old file, or none. A name that ends neither in ".png" nor in ".svg" is
// refused the same way. The legend is drawn in the last chart's font and colours.
void SaveChartPicture(const QString &path, const std::vector<const TChartWidget *> &charts,
                      const std::vector<TPictureLegendLine> &legend = {});
