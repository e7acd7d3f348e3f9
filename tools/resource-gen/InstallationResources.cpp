#include "tools/resource-gen/InstallationResources.h"

#include "tools/resource-gen/AlertTone.h"
#include "tools/resource-gen/AppIcons.h"
#include "tools/resource-gen/IcoEncoder.h"
#include "tools/resource-gen/ImageEncoding.h"
#include "tools/resource-gen/RiskColourScale.h"
#include "tools/resource-gen/SpeakerPictures.h"
#include "tools/resource-gen/ToolbarGlyphs.h"

#include <QDir>
#include <QSaveFile>

#include <stdexcept>

namespace {

// The program loads the bitmaps as 24-bit pictures.
QByteArray EncodeBmp(const QImage &image)
{
    return EncodeImage(image.convertToFormat(QImage::Format_RGB888), "BMP");
}

QByteArray EncodeIcon(TIconState state)
{
    QList<QImage> sizes;
    for (const int size : AppIconSizes())
        sizes.append(DrawAppIcon(state, size));
    return EncodeIco(sizes);
}

} // namespace

std::vector<TResourceFile> MakeInstallationResources()
{
    std::vector<TResourceFile> files{
        {"Risk Palette.bmp", EncodeBmp(MakeRiskPalette())},
        {"Risk Level.bmp", EncodeBmp(MakeRiskLevelBar())},
        {"Speaker.bmp", EncodeBmp(DrawSpeaker(TAlerts::On))},
        {"Speakeroff.bmp", EncodeBmp(DrawSpeaker(TAlerts::Off))},
        {"Speakeralert.bmp", EncodeBmp(DrawSpeaker(TAlerts::Alerting))},
        {"Alert.wav", MakeAlertTone()},
        {"Zeltar.ico", EncodeIcon(TIconState::Plain)},
        {"Zeltar_Listen.ico", EncodeIcon(TIconState::Listen)},
        {"Zeltar_Rec.ico", EncodeIcon(TIconState::Record)},
        {"Zeltar_import.ico", EncodeIcon(TIconState::Import)},
    };
    for (const TToolbarGlyph glyph : {TToolbarGlyph::Play, TToolbarGlyph::Pause, TToolbarGlyph::Record,
                                      TToolbarGlyph::Stop, TToolbarGlyph::Restart}) {
        const QString name = ToolbarGlyphName(glyph);
        files.push_back({name + ".png", EncodeImage(DrawToolbarGlyph(glyph, TButtonLook::Up), "PNG")});
        files.push_back({name + "_down.png", EncodeImage(DrawToolbarGlyph(glyph, TButtonLook::Down), "PNG")});
    }
    return files;
}

std::vector<TResourceFile> MakeDesktopIcons(const QList<int> &sizes)
{
    std::vector<TResourceFile> files;
    for (const int size : sizes)
        files.push_back({QStringLiteral("%1x%1.png").arg(size), EncodeImage(DrawAppIcon(TIconState::Plain, size), "PNG")});
    return files;
}

void WriteResourceFiles(const QString &folder, const std::vector<TResourceFile> &files)
{
    const QDir dir(folder);
    if (!dir.mkpath("."))
        throw std::runtime_error(QString("cannot create the folder %1").arg(folder).toStdString());
    for (const TResourceFile &file : files) {
        QSaveFile out(dir.filePath(file.Name));
        if (!out.open(QIODevice::WriteOnly) || out.write(file.Bytes) != file.Bytes.size() || !out.commit())
            throw std::runtime_error(QString("%1: %2").arg(out.fileName(), out.errorString()).toStdString());
    }
}
