// zeltar-resource-gen run as the build runs it, and the pictures it draws read back as the
// program reads them.

#include "tests/support/BuiltProgram.h"

#include <QColor>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <utility>

namespace {

class ResourceGen : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        Output = new QTemporaryDir;
        const TProgramRun run = RunBuiltProgram("zeltar-resource-gen", {Output->filePath("Resources")});
        ASSERT_EQ(run.ExitCode, 0) << run.Errors.toStdString();
    }
    static void TearDownTestSuite()
    {
        delete Output;
        Output = nullptr;
    }

    static QString PathOf(const QString &name) { return Output->filePath("Resources/" + name); }

    static QTemporaryDir *Output;
};
QTemporaryDir *ResourceGen::Output = nullptr;

TEST_F(ResourceGen, WritesExactlyTheInstalledFilesAndEachOneLoads)
{
    QStringList expected = QString(ZELTAR_RESOURCE_FILES).split('|');
    expected.sort();
    EXPECT_EQ(QDir(Output->filePath("Resources")).entryList(QDir::Files, QDir::Name), expected);
    for (const QString &name : expected)
        EXPECT_FALSE(QImage(PathOf(name)).isNull()) << name.toStdString();
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
