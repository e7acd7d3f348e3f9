#pragma once
// The mark shapes: 7 a filled 3 x 3 square, 24 a filled disc 7 pixels across, 26 one 5 pixels
// across; any other code a single pixel. DrawMarkShape is the one way a mark is painted;
// MarkFootprint gives the pixels that call really covers, read back from QPainter, so that
// painters which do not go through QPainter colour exactly the same pixels.

#include <QColor>
#include <QPainter>
#include <QPoint>

#include <cstdint>
#include <vector>

enum TMarkFigure { mfDot, mfSquare3, mfDisc5, mfDisc7 };
inline constexpr int MarkFigureCount = 4;

// How far a footprint reaches from its centre pixel, at most.
inline constexpr int MaxMarkRadius = 3;

inline constexpr std::uint8_t ShapeSquare3 = 7, ShapeDisc7 = 24, ShapeDisc5 = 26;

TMarkFigure FigureOfShape(std::uint8_t shape);

// The shape of the time charts' marks for a number of points: a 7-pixel disc up to 150, a
// 5-pixel disc up to 300, a 3 x 3 square above, so that long runs stay readable.
std::uint8_t MarkShapeFor(std::int64_t points);

// Paints one mark centred on pixel centre (aliased, pen and brush of the colour).
void DrawMarkShape(QPainter &painter, QPoint centre, TMarkFigure figure, QColor colour);

// Pixels of a footprint as horizontal runs: for each run, centre + (Dx0 ... Dx1, Dy).
struct TFootprintRun {
    int Dy;
    int Dx0;
    int Dx1;
};

const std::vector<TFootprintRun> &MarkFootprint(TMarkFigure figure);
