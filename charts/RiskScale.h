#pragma once
// The names of the six risk categories spread along a strip under the colour bar, and a grey
// line along its bottom.

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QRect>

#include <array>

// Left edges of the six names in a strip width pixels wide: "Very low" at 3, the next four
// centred on multiples of width / 5 (halves of a text width dropped), "Extreme" 4 pixels
// from the right edge.
std::array<int, 6> RiskScaleTextPositions(int width, const std::array<int, 6> &textWidths);

// Paints into box: the names in font and textColour (white on the main window's dark strip) with
// their tops 1 pixel below the box's top, then the bottom line in RGB(105, 105, 105).
void PaintRiskScale(QPainter &painter, const QRect &box, const QFont &font, const QColor &textColour = Qt::white);
