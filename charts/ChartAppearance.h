#pragma once
// Everything about a chart's look except its ranges and items, with the control's defaults.

#include "charts/ChartTypes.h"

#include <QColor>
#include <QRect>
#include <QString>

struct TChartAppearance {
    QColor DataColor = Qt::white;
    QColor FillColor = QColor(0x80, 0x00, 0x00);
    QColor ScaleColor = QColor(0x64, 0x64, 0x64);
    QColor ChartColor = QColor(0x27, 0x27, 0x27);
    QColor WindColor = QColor(0x45, 0x45, 0x45);
    QColor GridColor = QColor(0x9B, 0x9B, 0x9B);
    QColor ShadowColor = QColor(0xEA, 0xEA, 0xEA);
    QColor ShadowBakColor = QColor(0xEE, 0xEE, 0xEE);
    // Caption and ordinate caption.
    QColor FontColor = QColor(0xF4, 0xF4, 0xF4);
    TGridStyle GridStyle = gsHorizDotLines;
    TShadowStyle ShadowStyle = ssNone;
    int LineWidth = 1;
    QString Caption;
    QString IdOrdinate;
    int DecPlaceX = 0;
    int DecPlaceY = 0;
    int MinTickX = 5;
    int MinTickY = 4;
    TLabelType XLabelType = ftNum;
    TLabelType YLabelType = ftNum;
    bool ShortTicksX = true;
    bool ShortTicksY = true;
    TXAxisPos XAxisPos = xapBottom;
    TYAxisPos YAxisPos = yapLeft;
    int LRim = 70;
    int RRim = 12;
    int TRim = 32;
    int BRim = 34;

    bool operator==(const TChartAppearance &) const = default;
};

// How far the flying shadow reaches beyond the plot, right and down.
inline constexpr int ShadowDepth = 5;

// The client rectangle less the four rims and the shadow (empty when nothing is left).
QRect PlotAreaOf(const QSize &client, const TChartAppearance &look);
