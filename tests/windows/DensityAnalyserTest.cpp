// The density analyser driven through its load, its controls and its chart's mouse, with
// .histo files written in a temporary application folder.

#include "model/UnitHistogram_COMMON.h"
#include "tests/windows/RecordWindowTest.h"
#include "windows/DensityColours.h"
#include "windows/DensityAnalyser.h"

#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QTextBlock>
#include <QTextEdit>

namespace {

using TLevelCounts = std::vector<std::pair<int, std::uint32_t>>;

const TLevelCounts PeakHalf{{0, 5}, {1, 3}, {2, 2}};                        // 0.5 at 0 dB
const TLevelCounts PeakFifth{{-10, 2}, {-9, 2}, {-8, 2}, {-7, 2}, {-6, 2}}; // 0.2

std::vector<TLineItem> Lines(const TChartWidget &chart)
{
    std::vector<TLineItem> lines;
    for (const TItemRun &run : chart.ItemStore().Runs())
        for (const TFigure &figure : std::get<TFigureRun>(run).Figures)
            lines.push_back(std::get<TLineItem>(figure));
    return lines;
}

class DensityAnalyser : public RecordWindowTest {
protected:
    // A .histo in the Log folder, or under it, of the counts of these levels.
    QString Histo(const QString &name, const TLevelCounts &levelCounts = {})
    {
        const QString path = App.Paths().LogDir + name + ".histo";
        EXPECT_TRUE(QDir().mkpath(QFileInfo(path).path()));
        THistogram histogram(LevelFloorDb, LevelCeilingDb);
        for (const auto &[level, count] : levelCounts)
            for (std::uint32_t i = 0; i < count; ++i)
                histogram.Add(level - LevelFloorDb);
        histogram.WriteToFile(path);
        return path;
    }
    void RightClick()
    {
        const QPointF at = Form.HChart->PlotArea().center();
        QMouseEvent press(QEvent::MouseButtonPress, at, Form.HChart->mapToGlobal(at), Qt::RightButton, Qt::RightButton, {});
        QCoreApplication::sendEvent(Form.HChart, &press);
    }
    void ExpectTop(double top) { EXPECT_NEAR(Form.HChart->RangeHiY(), top, 1e-12); }

    TDensityAnalyser Form{App.Paths()};
};

TEST_F(DensityAnalyser, ACurveJoinsEveryClassFrequencyAndANewWidthRedrawsItInPlace)
{
    Form.LoadDensities({Histo("a", PeakHalf)});
    const std::vector<TLineItem> lines = Lines(*Form.HChart);
    ASSERT_EQ(lines.size(), 66u);  // from -33 to 33 dB
    for (std::size_t i = 0; i < 65; ++i)
        ASSERT_EQ(lines[i].Y2, lines[i + 1].Y1) << i; // one polyline
    EXPECT_DOUBLE_EQ(lines[33].Y1, 0.5);  // at 0 dB
    EXPECT_DOUBLE_EQ(lines[33].Y2, 0.3);

    Form.HChart->SetRanges(-5, 0.1, 5, 0.3); // zoomed below the peak
    Form.LineWidthCB->setCurrentText("6");
    ExpectTop(0.3);
    for (const TLineItem &line : Lines(*Form.HChart)) {
        ASSERT_EQ(line.Width, 6);
        ASSERT_EQ(line.Colour, DensityColour(0).rgb());
    }

    // Only whole widths from 1 to 8 count.
    for (const char *notAWidth : {"0", "9", "2.5", "abc", ""}) {
        Form.LineWidthCB->setCurrentText(notAWidth);
        EXPECT_EQ(Form.CurveLineWidth(), 6) << notAWidth;
    }
}

// The tallest curve sets the top and a right click the last curve's peak.
TEST_F(DensityAnalyser, LegendNamesEveryFileAndTheOnesWithoutCurveSayWhy)
{
    const QString broken = App.WriteFile("Log/broken.histo", "-33\r\n33\r\n67\r\nten\r\n");
    const QStringList files{Histo("site.b", PeakHalf), Histo("empty"), broken, App.Paths().LogDir + "gone.histo",
                            Histo("Archive/2022/2022 12 23 - 10 11 12", PeakFifth)};
    Form.LoadDensities(files);
    EXPECT_EQ(Form.RichEdit->toPlainText(), "Legend\n\nsite.b\nempty (no samples)\nbroken (not read)\ngone (not read)\n"
                                            "2022 12 23 - 10 11 12\n");
    ASSERT_EQ(Services.Shown.size(), 2u); // the missing file's own box, then the unreadable one
    EXPECT_TRUE(Services.Shown[1].Text.contains("broken.histo")) << Services.Shown[1].Text.toStdString();

    // The others are drawn, and named in the legend, in their files' colours.
    const std::vector<TLineItem> lines = Lines(*Form.HChart);
    ASSERT_EQ(lines.size(), 2u * 66);
    EXPECT_EQ(lines[0].Colour, DensityColour(0).rgb());
    EXPECT_EQ(lines[66].Colour, DensityColour(4).rgb());
    EXPECT_EQ(Form.RichEdit->document()->findBlockByNumber(6).begin().fragment().charFormat().foreground().color(),
              DensityColour(4));
    ExpectTop(0.55);
    RightClick();
    ExpectTop(0.22);
    Form.LoadDensities(files);
    ExpectTop(0.55);
    EXPECT_EQ(Form.HChart->ItemCount(), 2u * 66); // replaced, not added to
}

// Nothing drawable gives an empty plot of the whole scale, and still nothing analysed.
TEST_F(DensityAnalyser, MenuGivesTheMessageUntilACurveIsDrawnThenShowsTheWindowEvenWhenClosed)
{
    Form.LoadDensities({Histo("empty")});
    RightClick();
    ExpectTop(1);
    Form.close();
    Form.ShowDensityAnalyser();
    EXPECT_EQ(Services.Texts(), QStringList{"No density has been analyzed yet. To do so, select in the \"Analysis\" "
                                            "menu the \"Density\" option"});
    EXPECT_FALSE(Form.isVisible());

    Form.LoadDensities({Histo("a", PeakHalf)});
    Form.close();
    Form.ShowDensityAnalyser();
    EXPECT_TRUE(Form.isVisible());
    EXPECT_EQ(Services.Shown.size(), 1u);
}

} // namespace

// The saved picture names its curves under the chart in their colours, and the window says
// where it went.
TEST_F(DensityAnalyser, SavedPictureCarriesTheLegendOfItsCurves)
{
    Form.resize(900, 600);
    Form.LoadDensities({Histo("site.b", PeakHalf), Histo("empty"), Histo("kitchen", PeakFifth)});
    Services.SaveAs = App.Paths().AppDir + "density.svg";
    Form.SavePictureClick();
    const QByteArray svg = ReadWholeFile(Services.SaveAs);
    EXPECT_TRUE(svg.contains(">site.b<") && svg.contains(">kitchen<")) << svg.right(1500).toStdString();
    EXPECT_FALSE(svg.contains(">empty<"));
    EXPECT_TRUE(Form.SaveStatus->text().contains(QDir::toNativeSeparators(Services.SaveAs)));

    Services.SaveAs = App.Paths().AppDir + "density.png";
    Form.SavePictureClick();
    const QImage picture = QImage(Services.SaveAs).convertToFormat(QImage::Format_RGB32);
    ASSERT_GT(picture.height(), Form.HChart->height());
    const QImage legend = picture.copy(0, Form.HChart->height(), picture.width(), picture.height() - Form.HChart->height());
    for (const std::size_t file : {std::size_t(0), std::size_t(2)}) {
        int stroke = 0;
        for (int y = 0; y < legend.height(); ++y)
            for (int x = 0; x < legend.width(); ++x)
                stroke += legend.pixel(x, y) == DensityColour(file).rgb();
        EXPECT_GT(stroke, 30) << file;
    }
    EXPECT_TRUE(Services.Shown.empty());
}
