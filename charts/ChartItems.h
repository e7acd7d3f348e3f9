#pragma once
// The drawing items of a chart, in the compact form the item store keeps them. Colours are
// opaque RGB (the control's colours carry no transparency).

#include <QRgb>

#include <cstdint>
#include <limits>
#include <variant>
#include <vector>

struct TMarkStyle {
    std::uint8_t Shape;
    QRgb Colour;
};

// Up to Capacity consecutive marks of the item list, as columns: 8 bytes of abscissa, 4 of
// ordinate and 2 of style per mark. The ordinate is kept in single precision: the meter's
// readings are single-precision values to begin with. Marks before Begin have been removed
// from the front of the list. The bounds cover every mark ever added to the chunk (a
// superset of the remaining ones), which is all that is needed to skip a chunk that lies
// outside the view.
struct TMarkChunk {
    static constexpr std::size_t Capacity = std::size_t(1) << 16; // fits the 16-bit style index

    std::vector<double> X;
    std::vector<float> Y;
    std::vector<std::uint16_t> StyleIndex;
    std::vector<TMarkStyle> Styles;
    std::size_t Begin = 0;
    double MinX = std::numeric_limits<double>::infinity();
    double MaxX = -std::numeric_limits<double>::infinity();
    float MinY = std::numeric_limits<float>::infinity();
    float MaxY = -std::numeric_limits<float>::infinity();
    // Abscissas never decrease (and none is NaN): visible marks can be found by bisection.
    bool XOrdered = true;

    std::size_t Size() const { return X.size() - Begin; }
    bool Full() const { return X.size() == Capacity; }
};

struct TLineItem {
    double X1, Y1, X2, Y2;
    QRgb Colour;
    int Width;
};

struct TBarItem {
    double X1, Y1, X2, Y2;
    QRgb Fill;
    int EdgeStyle;
    QRgb EdgeColor1, EdgeColor2;
};

using TFigure = std::variant<TLineItem, TBarItem>;

// Consecutive lines and bars of the item list.
struct TFigureRun {
    std::vector<TFigure> Figures;
    std::size_t Begin = 0;

    std::size_t Size() const { return Figures.size() - Begin; }
};

using TItemRun = std::variant<TMarkChunk, TFigureRun>;
