#include "tests/charts/TestPalette.h"

#include "model/Risk.h"
#include "tests/support/TempAppDir.h"

#include <QColor>
#include <QImage>

#include <gtest/gtest.h>

#include <array>

void LoadTestRiskPalette()
{
    const std::array<QColor, 5> stops = {QColor(0x02, 0x81, 0x01), QColor(0xBD, 0xF0, 0x33),
                                         QColor(0xFF, 0xEA, 0x00), QColor(0xEF, 0x94, 0x00),
                                         QColor(0x93, 0x27, 0x00)};
    QImage palette(RiskPaletteSize, 1, QImage::Format_RGB32);
    for (int i = 0; i < RiskPaletteSize; ++i) {
        const double position = double(i) / (RiskPaletteSize - 1) * (stops.size() - 1);
        const auto low = std::size_t(position);
        const auto high = std::min(low + 1, stops.size() - 1);
        const double t = position - double(low);
        const auto blend = [&](int a, int b) { return int(a + (b - a) * t + 0.5); };
        palette.setPixel(i, 0, qRgb(blend(stops[low].red(), stops[high].red()),
                                    blend(stops[low].green(), stops[high].green()),
                                    blend(stops[low].blue(), stops[high].blue())));
    }
    const TempAppDir dir;
    ASSERT_TRUE(palette.save(dir.Paths().ResourcesDir + "Risk Palette.bmp", "BMP"));
    ASSERT_TRUE(LoadRiskPalette(dir.Paths().ResourcesDir));
}
