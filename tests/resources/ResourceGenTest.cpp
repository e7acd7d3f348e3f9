// zeltar-resource-gen run as the build runs it, and the pictures it draws read back as the
// program reads them.

#include "tests/support/BuiltProgram.h"
#include "tests/support/TempAppDir.h"

#include <QColor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

#include <utility>

namespace {

QStringList ExpectedFiles()
{
    return QString(ZELTAR_RESOURCE_FILES).split('|');
}

TProgramRun RunGenerator(const QStringList &arguments)
{
    return RunBuiltProgram("zeltar-resource-gen", arguments);
}

// Bits per pixel from a BMP file's info header.
int BmpBitCount(const QString &path)
{
    const QByteArray bytes = ReadWholeFile(path);
    if (bytes.size() < 30 || !bytes.startsWith("BM"))
        return 0;
    return qFromLittleEndian<quint16>(bytes.constData() + 28);
}

int OpaquePixels(const QImage &image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += qAlpha(image.pixel(x, y)) == 255;
    return count;
}

class ResourceGen : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        Output = new QTemporaryDir;
        ASSERT_TRUE(Output->isValid());
        const TProgramRun run = RunGenerator({Output->filePath("Resources")});
        ASSERT_EQ(run.ExitCode, 0) << run.Errors.toStdString();
    }
    static void TearDownTestSuite()
    {
        delete Output;
        Output = nullptr;
    }

    static QString PathOf(const QString &name) { return Output->filePath("Resources/" + name); }
    static QImage Load(const QString &name) { return QImage(PathOf(name)); }

    static QTemporaryDir *Output;
};
QTemporaryDir *ResourceGen::Output = nullptr;

TEST_F(ResourceGen, WritesExactlyTheInstalledFilesAndEachOneLoads)
{
    const QStringList written = QDir(Output->filePath("Resources")).entryList(QDir::Files, QDir::Name);
    QStringList expected = ExpectedFiles();
    expected.sort();
    EXPECT_EQ(written, expected);
    for (const QString &name : expected)
        EXPECT_FALSE(Load(name).isNull()) << name.toStdString();
}

TEST_F(ResourceGen, PaletteRunsFromDarkGreenToRedBrownAndAgreesWithTheColourBar)
{
    const QString path = PathOf("Risk Palette.bmp");
    EXPECT_EQ(BmpBitCount(path), 24);
    const QImage palette(path);
    ASSERT_GE(palette.width(), 40);
    const QImage bar = Load("Risk Level.bmp");
    ASSERT_EQ(bar.width(), 500);

    EXPECT_EQ(palette.pixelColor(0, 0), QColor(0x028101));
    EXPECT_EQ(palette.pixelColor(39, 0), QColor(0x932700));
    double previousHue = 360;
    for (int i = 0; i < 40; ++i) {
        const QColor colour = palette.pixelColor(i, 0);
        const double hue = colour.hsvHueF() * 360;
        EXPECT_LE(hue, previousHue) << "index " << i;
        previousHue = hue;
        // Column i stands for i/39 of the way along the bar.
        const QColor onBar = bar.pixelColor(qRound(i * 499.0 / 39), 0);
        EXPECT_NEAR(colour.red(), onBar.red(), 2) << "index " << i;
        EXPECT_NEAR(colour.green(), onBar.green(), 2) << "index " << i;
        EXPECT_NEAR(colour.blue(), onBar.blue(), 2) << "index " << i;
    }
    EXPECT_GT(palette.pixelColor(0, 0).hsvHueF() * 360, 100);
    EXPECT_LT(palette.pixelColor(39, 0).hsvHueF() * 360, 20);
}

TEST_F(ResourceGen, ColourBarHasTheTabulatedColoursWithStraightBlendsBetween)
{
    const QString path = PathOf("Risk Level.bmp");
    EXPECT_EQ(BmpBitCount(path), 24);
    const QImage bar(path);
    ASSERT_EQ(bar.size(), QSize(500, 1));
    const std::pair<int, QRgb> stops[] = {
        {0, 0x028101},   {50, 0x66BE21},  {100, 0xBDF033}, {150, 0xE7F913}, {200, 0xFFEA00}, {250, 0xFFB700},
        {300, 0xEF9400}, {350, 0xD67800}, {400, 0xBC5B00}, {450, 0xA44000}, {499, 0x932700},
    };
    for (const auto &[x, rgb] : stops)
        EXPECT_EQ(bar.pixelColor(x, 0), QColor(rgb)) << "pixel " << x;
    for (std::size_t s = 0; s + 1 < std::size(stops); ++s) {
        const auto [x0, c0] = stops[s];
        const auto [x1, c1] = stops[s + 1];
        for (int x = x0 + 1; x < x1; ++x) {
            const double t = double(x - x0) / (x1 - x0);
            const QColor colour = bar.pixelColor(x, 0);
            EXPECT_NEAR(colour.red(), qRed(c0) + (qRed(c1) - qRed(c0)) * t, 1) << "pixel " << x;
            EXPECT_NEAR(colour.green(), qGreen(c0) + (qGreen(c1) - qGreen(c0)) * t, 1) << "pixel " << x;
            EXPECT_NEAR(colour.blue(), qBlue(c0) + (qBlue(c1) - qBlue(c0)) * t, 1) << "pixel " << x;
        }
    }
}

TEST_F(ResourceGen, SpeakerPicturesSitOnTheWindowBackgroundAndDiffer)
{
    const QImage on = Load("Speaker.bmp");
    const QImage off = Load("Speakeroff.bmp");
    for (const QImage *picture : {&on, &off}) {
        ASSERT_EQ(picture->size(), QSize(24, 24));
        EXPECT_EQ(picture->pixelColor(0, 0), QColor(69, 69, 69));
        EXPECT_EQ(picture->pixelColor(23, 23), QColor(69, 69, 69));
    }
    EXPECT_NE(on, off);
}

TEST_F(ResourceGen, ToolbarGlyphsAre24PixelsWithTransparentCornersAndAPressedLook)
{
    for (const QString glyph : {"Play", "Pause", "Record", "Stop", "Restart"}) {
        const QImage up = Load(glyph + ".png");
        const QImage down = Load(glyph + "_down.png");
        ASSERT_EQ(up.size(), QSize(24, 24)) << glyph.toStdString();
        ASSERT_EQ(down.size(), QSize(24, 24)) << glyph.toStdString();
        EXPECT_EQ(qAlpha(up.pixel(0, 0)), 0) << glyph.toStdString();
        EXPECT_EQ(qAlpha(up.pixel(23, 23)), 0) << glyph.toStdString();
        EXPECT_GE(OpaquePixels(up), 40) << glyph.toStdString() << " is all but blank";
        EXPECT_NE(up.convertToFormat(QImage::Format_ARGB32), down.convertToFormat(QImage::Format_ARGB32))
            << glyph.toStdString();
    }
}

TEST_F(ResourceGen, StateIconsCarryEverySizeAndAreTellableApart)
{
    QList<QImage> at32;
    for (const QString name : {"Zeltar.ico", "Zeltar_Listen.ico", "Zeltar_Rec.ico", "Zeltar_import.ico"}) {
        QImageReader reader(PathOf(name));
        QList<int> sizes;
        for (int i = 0; i < reader.imageCount(); ++i) {
            ASSERT_TRUE(reader.jumpToImage(i));
            const QImage entry = reader.read();
            ASSERT_FALSE(entry.isNull()) << name.toStdString() << " entry " << i;
            EXPECT_EQ(entry.width(), entry.height());
            EXPECT_EQ(qAlpha(entry.pixel(0, 0)), 0) << name.toStdString() << " entry " << i;
            sizes.append(entry.width());
            if (entry.width() == 32)
                at32.append(entry.convertToFormat(QImage::Format_ARGB32));
        }
        for (const int size : {16, 32, 48, 256})
            EXPECT_TRUE(sizes.contains(size)) << name.toStdString() << " lacks " << size;
    }
    ASSERT_EQ(at32.size(), 4);
    for (int a = 0; a < 4; ++a)
        for (int b = a + 1; b < 4; ++b)
            EXPECT_NE(at32[a], at32[b]);
}

TEST(ResourceGenCommand, ReplacesFilesAndFailsLoudlyWhenItCannotWrite)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString resources = dir.filePath("Resources");
    ASSERT_TRUE(QDir().mkpath(resources));
    const QString palette = resources + "/Risk Palette.bmp";
    {
        QFile stale(palette);
        ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
        stale.write("not a picture");
    }
    EXPECT_EQ(RunGenerator({resources}).ExitCode, 0);
    EXPECT_FALSE(QImage(palette).isNull());

    // A file where the folder should be: nothing can be written, and the build must stop.
    const QString blocked = dir.filePath("blocked");
    {
        QFile file(blocked);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    const TProgramRun failed = RunGenerator({blocked});
    EXPECT_NE(failed.ExitCode, 0);
    EXPECT_TRUE(failed.Errors.contains("blocked")) << failed.Errors.toStdString();

    EXPECT_EQ(RunGenerator({}).ExitCode, 2);
}

TEST(BuiltApplicationFolder, HasResourcesAndTheEmptyFoldersBesideThePrograms)
{
    const QDir app(BuiltProgramPath(""));
    for (const QString &name : ExpectedFiles())
        EXPECT_TRUE(app.exists("Resources/" + name)) << name.toStdString();
    for (const QString folder : {"Settings", "Log", "Log/Archive"})
        EXPECT_TRUE(QFileInfo(app.filePath(folder)).isDir()) << folder.toStdString();
}

} // namespace
