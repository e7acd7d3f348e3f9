// zeltar-resource-gen run as the build runs it, and the pictures it draws read back as the
// program reads them.

#include "tests/support/BuiltProgram.h"
#include "tests/support/TempAppDir.h"

#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QSet>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

#include <utility>

namespace {

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
    QStringList expected = QString(ZELTAR_RESOURCE_FILES).split('|');
    expected.sort();
    EXPECT_EQ(written, expected);
    for (const QString &name : expected)
        EXPECT_FALSE(Load(name).isNull()) << name.toStdString();
}

// Within this many steps of each colour channel.
void ExpectNear(const QColor &colour, double red, double green, double blue, int within)
{
    EXPECT_NEAR(colour.red(), red, within);
    EXPECT_NEAR(colour.green(), green, within);
    EXPECT_NEAR(colour.blue(), blue, within);
}

TEST_F(ResourceGen, ColourBarHasTheTabulatedColoursWithStraightBlendsAndThePaletteFollowsIt)
{
    EXPECT_EQ(BmpBitCount(PathOf("Risk Level.bmp")), 24);
    EXPECT_EQ(BmpBitCount(PathOf("Risk Palette.bmp")), 24);
    const QImage bar = Load("Risk Level.bmp");
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
            SCOPED_TRACE(x);
            const double t = double(x - x0) / (x1 - x0);
            ExpectNear(bar.pixelColor(x, 0), qRed(c0) + (qRed(c1) - qRed(c0)) * t,
                       qGreen(c0) + (qGreen(c1) - qGreen(c0)) * t, qBlue(c0) + (qBlue(c1) - qBlue(c0)) * t, 1);
        }
    }
    // Palette entry i stands for i/39 of the way along the bar.
    const QImage palette = Load("Risk Palette.bmp");
    ASSERT_GE(palette.width(), 40);
    for (int i = 0; i < 40; ++i) {
        SCOPED_TRACE(i);
        const QColor onBar = bar.pixelColor(qRound(i * 499.0 / 39), 0);
        ExpectNear(palette.pixelColor(i, 0), onBar.red(), onBar.green(), onBar.blue(), 2);
    }
}

TEST_F(ResourceGen, ButtonPicturesAre24PixelsOnTheWindowBackgroundOrTransparentWithAPressedLook)
{
    const QImage on = Load("Speaker.bmp");
    ASSERT_EQ(on.size(), QSize(24, 24));
    EXPECT_EQ(on.pixelColor(0, 0), QColor(69, 69, 69));
    EXPECT_NE(on, Load("Speakeroff.bmp"));
    for (const QString glyph : {"Play", "Pause", "Record", "Stop", "Restart"}) {
        SCOPED_TRACE(glyph.toStdString());
        const QImage up = Load(glyph + ".png").convertToFormat(QImage::Format_ARGB32);
        const QImage down = Load(glyph + "_down.png").convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(up.size(), QSize(24, 24));
        ASSERT_EQ(down.size(), QSize(24, 24));
        EXPECT_EQ(qAlpha(up.pixel(23, 23)), 0);
        EXPECT_GE(OpaquePixels(up), 40); // not all but blank
        EXPECT_NE(up, down);
    }
}

TEST_F(ResourceGen, StateIconsCarryEverySizeAndAreTellableApart)
{
    QSet<QByteArray> distinctAt32;
    for (const QString name : {"Zeltar.ico", "Zeltar_Listen.ico", "Zeltar_Rec.ico", "Zeltar_import.ico"}) {
        SCOPED_TRACE(name.toStdString());
        QImageReader reader(PathOf(name));
        QList<int> sizes;
        for (int i = 0; reader.jumpToImage(i); ++i) {
            const QImage entry = reader.read().convertToFormat(QImage::Format_ARGB32);
            EXPECT_EQ(qAlpha(entry.pixel(0, 0)), 0) << "entry " << i;
            sizes.append(entry.width());
            if (entry.width() == 32)
                distinctAt32.insert(QByteArray(reinterpret_cast<const char *>(entry.constBits()), entry.sizeInBytes()));
        }
        EXPECT_TRUE(sizes.contains(16) && sizes.contains(32) && sizes.contains(48) && sizes.contains(256));
    }
    EXPECT_EQ(distinctAt32.size(), 4);
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

} // namespace
