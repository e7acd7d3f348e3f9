#include "tests/charts/TestPalette.h"

#include "model/Risk.h"
#include "tests/support/TempAppDir.h"

#include <QImage>

#include <gtest/gtest.h>

void LoadTestRiskPalette()
{
    QImage palette(RiskPaletteSize, 1, QImage::Format_RGB32);
    for (int i = 0; i < RiskPaletteSize; ++i) {
        const int step = 2 * 255 * i / (RiskPaletteSize - 1);
        palette.setPixel(i, 0, qRgb(std::min(255, step), std::min(255, 2 * 255 - step), 0));
    }
    const TempAppDir dir;
    ASSERT_TRUE(palette.save(dir.Paths().ResourcesDir + "Risk Palette.bmp", "BMP"));
    ASSERT_TRUE(LoadRiskPalette(dir.Paths().ResourcesDir));
}
