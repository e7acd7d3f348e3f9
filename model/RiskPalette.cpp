#include "model/Risk.h"

#include "model/Services.h"

#include <QCoreApplication>
#include <QDir>
#include <QImage>

#include <algorithm>

namespace {

std::array<QColor, RiskPaletteSize> &Palette()
{
    static std::array<QColor, RiskPaletteSize> palette = [] {
        std::array<QColor, RiskPaletteSize> colours;
        colours.fill(QColor(Qt::black));
        return colours;
    }();
    return palette;
}

} // namespace

QColor RiskColor(int index)
{
    return Palette()[static_cast<std::size_t>(std::clamp(index, 0, RiskPaletteSize - 1))];
}

bool LoadRiskPalette(const QString &resourcesDir)
{
    const QImage image(QDir(resourcesDir).filePath(QStringLiteral("Risk Palette.bmp")));
    if (image.isNull() || image.width() < RiskPaletteSize) {
        ShowMessageBox(TMsgKind::Error,
                       QCoreApplication::translate("RiskPalette",
                                                   "Some files used by this aplication have not been found. "
                                                   "Please repeat the installation of the application"));
        return false;
    }
    // Read as a 24-bit image: QColor(QRgb) drops any alpha channel.
    for (int i = 0; i < RiskPaletteSize; ++i)
        Palette()[static_cast<std::size_t>(i)] = QColor(image.pixel(i, 0));
    return true;
}
