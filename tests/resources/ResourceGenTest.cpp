// zeltar-resource-gen run as the build runs it, and the pictures it draws read back as the
// program reads them.

#include "tests/support/BuiltProgram.h"

#include <QColor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <utility>

namespace {

class ResourceGen : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        const TProgramRun run = RunBuiltProgram("zeltar-resource-gen", {Output.filePath("Resources")});
        ASSERT_EQ(run.ExitCode, 0) << run.Errors.toStdString();
    }
    static QString PathOf(const QString &name) { return Output.filePath("Resources/" + name); }

    static inline const QTemporaryDir Output;
};

TEST_F(ResourceGen, WritesExactlyTheInstalledFilesAndEachOneLoads)
{
    QStringList expected = QString(ZELTAR_RESOURCE_FILES).split('|');
    expected.sort();
    EXPECT_EQ(QDir(Output.filePath("Resources")).entryList(QDir::Files, QDir::Name), expected);
    for (const QString &name : expected)
        EXPECT_TRUE(name.endsWith(".wav") || !QImage(PathOf(name)).isNull()) << name.toStdString();
}

// The tone is a PCM WAV file whose header tells the length of its samples, and it is short: it
// repeats every few seconds while an alert lasts.
TEST_F(ResourceGen, TheAlertToneIsAShortPcmWave)
{
    QFile file(PathOf("Alert.wav"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray wav = file.readAll();
    ASSERT_GT(wav.size(), 44);
    // Byte by byte through at(): bounds-checked, and no pointer arithmetic the optimiser doubts.
    const auto byte = [&](int at) { return static_cast<quint32>(static_cast<quint8>(wav.at(at))); };
    const auto le16 = [&](int at) { return static_cast<quint16>(byte(at) | byte(at + 1) << 8); };
    const auto le32 = [&](int at) { return le16(at) | static_cast<quint32>(le16(at + 2)) << 16; };
    EXPECT_EQ(wav.left(4), "RIFF");
    EXPECT_EQ(le32(4), wav.size() - 8);
    EXPECT_EQ(wav.mid(8, 8), "WAVEfmt ");
    EXPECT_EQ((std::array{le16(20), le16(22), le16(34)}), (std::array<quint16, 3>{1, 1, 16}));
    EXPECT_EQ(wav.mid(36, 4), "data");
    EXPECT_EQ(le32(40), wav.size() - 44);
    const double seconds = le32(40) / static_cast<double>(le32(28));
    EXPECT_GT(seconds, 0.1);
    EXPECT_LT(seconds, 1.0);
    // Not silence, and not clipped.
    qint16 loudest = 0;
    for (int at = 44; at + 1 < wav.size(); at += 2)
        loudest = std::max<qint16>(loudest, static_cast<qint16>(std::abs(static_cast<qint16>(le16(at)))));
    EXPECT_GT(loudest, 3000);
    EXPECT_LT(loudest, 32767);
}

// The program colours risk from the palette; entry i stands for i/39 of the way along the bar.
TEST_F(ResourceGen, ColourBarHasTheTabulatedColoursAndThePaletteFollowsIt)
{
    const QImage bar(PathOf("Risk Level.bmp"));
    ASSERT_EQ(bar.size(), QSize(500, 1));
    const std::pair<int, QRgb> stops[] = {
        {0, 0x028101},   {50, 0x66BE21},  {100, 0xBDF033}, {150, 0xE7F913}, {200, 0xFFEA00}, {250, 0xFFB700},
        {300, 0xEF9400}, {350, 0xD67800}, {400, 0xBC5B00}, {450, 0xA44000}, {499, 0x932700},
    };
    for (const auto &[x, rgb] : stops)
        EXPECT_EQ(bar.pixelColor(x, 0), QColor(rgb)) << "pixel " << x;
    const QImage palette(PathOf("Risk Palette.bmp"));
    ASSERT_GE(palette.width(), 40);
    for (int i = 0; i < 40; ++i) {
        const QColor onBar = bar.pixelColor(qRound(i * 499.0 / 39), 0), entry = palette.pixelColor(i, 0);
        EXPECT_TRUE(qAbs(entry.red() - onBar.red()) <= 2 && qAbs(entry.green() - onBar.green()) <= 2 &&
                    qAbs(entry.blue() - onBar.blue()) <= 2)
            << "entry " << i;
    }
}

// The window icon tells the state apart at every size the desktop asks for.
TEST_F(ResourceGen, StateIconsCarryEverySizeAndAreTellableApart)
{
    QSet<QByteArray> distinctAt32;
    for (const QString name : {"Zeltar.ico", "Zeltar_Listen.ico", "Zeltar_Rec.ico", "Zeltar_import.ico"}) {
        QImageReader reader(PathOf(name));
        QList<int> sizes;
        for (int i = 0; reader.jumpToImage(i); ++i) {
            const QImage entry = reader.read().convertToFormat(QImage::Format_ARGB32);
            sizes.append(entry.width());
            if (entry.width() == 32)
                distinctAt32.insert(QByteArray(reinterpret_cast<const char *>(entry.constBits()), entry.sizeInBytes()));
        }
        EXPECT_TRUE(sizes.contains(16) && sizes.contains(32) && sizes.contains(48) && sizes.contains(256)) << name.toStdString();
    }
    EXPECT_EQ(distinctAt32.size(), 4);
}

// The icon theme's pictures for the package: one PNG of each size asked for, square and
// transparent around the tile; a size no icon can have is refused before anything is written.
TEST(DesktopIcons, OnePictureOfEachSizeAskedFor)
{
    QTemporaryDir output;
    const QString icons = output.filePath("icons");
    const TProgramRun run = RunBuiltProgram("zeltar-resource-gen", {"--desktop-icons", icons, "48", "256"});
    ASSERT_EQ(run.ExitCode, 0) << run.Errors.toStdString();
    EXPECT_EQ(QDir(icons).entryList(QDir::Files, QDir::Name), (QStringList{"256x256.png", "48x48.png"}));
    for (const int size : {48, 256}) {
        const QImage icon(QStringLiteral("%1/%2x%2.png").arg(icons).arg(size));
        EXPECT_EQ(icon.size(), QSize(size, size));
        EXPECT_TRUE(icon.hasAlphaChannel() && qAlpha(icon.pixel(0, 0)) == 0 && qAlpha(icon.pixel(size / 2, size / 2)) == 255)
            << size;
    }

    const TProgramRun refused = RunBuiltProgram("zeltar-resource-gen", {"--desktop-icons", output.filePath("bad"), "48", "0"});
    EXPECT_EQ(refused.ExitCode, 2);
    EXPECT_FALSE(QFileInfo::exists(output.filePath("bad")));
}

} // namespace
