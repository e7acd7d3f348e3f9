#pragma once
// The risk colour scale: the colour bar shown under the charts and the 40-colour palette
// that colours the chart marks and histogram bars. The palette is sampled from the bar, so
// the two always agree.

#include <QColor>
#include <QImage>

constexpr int RiskLevelBarWidth = 500;
constexpr int RiskPaletteSize = 40;

// The bar's colour at a (fractional) pixel position: the tabulated colour at every 50th
// pixel and at the last one, straight blends between; positions outside the bar clamp.
QColor RiskBarColourAt(double pixel);

// 500 x 1 pixels, 24 bits.
QImage MakeRiskLevelBar();

// 40 columns, column i holding the colour of risk index i; every row is the same.
QImage MakeRiskPalette();
