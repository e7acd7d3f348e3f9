#include "tools/resource-gen/RiskColourScale.h"


#include <algorithm>
#include <array>
#include <cmath>

namespace {

struct TBarStop {
    int Pixel;
    QRgb Colour;
};

// Dark green through yellow and orange to dark red-brown.
constexpr std::array<TBarStop, 11> BarStops{{
    {0, 0x028101},   {50, 0x66BE21},  {100, 0xBDF033}, {150, 0xE7F913},
    {200, 0xFFEA00}, {250, 0xFFB700}, {300, 0xEF9400}, {350, 0xD67800},
    {400, 0xBC5B00}, {450, 0xA44000}, {RiskLevelBarWidth - 1, 0x932700},
}};

constexpr int PaletteHeight = 8;

int Blend(int from, int to, double t)
{
    return static_cast<int>(std::lround(from + (to - from) * t));
}

} // namespace

QColor RiskBarColourAt(double pixel)
{
    if (pixel <= BarStops.front().Pixel)
        return QColor(BarStops.front().Colour);
    if (pixel >= BarStops.back().Pixel)
        return QColor(BarStops.back().Colour);
    const auto upper = std::upper_bound(BarStops.begin(), BarStops.end(), pixel,
                                        [](double p, const TBarStop &stop) { return p < stop.Pixel; });
    const TBarStop &a = *(upper - 1);
    const TBarStop &b = *upper;
    const double t = (pixel - a.Pixel) / (b.Pixel - a.Pixel);
    return QColor(Blend(qRed(a.Colour), qRed(b.Colour), t), Blend(qGreen(a.Colour), qGreen(b.Colour), t),
                  Blend(qBlue(a.Colour), qBlue(b.Colour), t));
}

QImage MakeRiskLevelBar()
{
    QImage bar(RiskLevelBarWidth, 1, QImage::Format_RGB888);
    for (int x = 0; x < RiskLevelBarWidth; ++x)
        bar.setPixelColor(x, 0, RiskBarColourAt(x));
    return bar;
}

QImage MakeRiskPalette()
{
    QImage palette(RiskPaletteSize, PaletteHeight, QImage::Format_RGB888);
    const double lastPixel = RiskLevelBarWidth - 1;
    for (int i = 0; i < RiskPaletteSize; ++i) {
        const QColor colour = RiskBarColourAt(lastPixel * i / (RiskPaletteSize - 1));
        for (int y = 0; y < PaletteHeight; ++y)
            palette.setPixelColor(i, y, colour);
    }
    return palette;
}
