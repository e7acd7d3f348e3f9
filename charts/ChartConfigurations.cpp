#include "charts/ChartConfigurations.h"

#include "charts/ChartWidget.h"

#include <QCoreApplication>

namespace {

// Translated when a chart is configured, after the program's language is installed.
const char *const HistogramCaption = QT_TRANSLATE_NOOP("ChartConfigurations", "Histogram of dBmW/m²");
const char *const HistoryCaption = QT_TRANSLATE_NOOP("ChartConfigurations", "History");
const char *const CountOrdinate = QT_TRANSLATE_NOOP("ChartConfigurations", "count");
const char *const DensityCaption = QT_TRANSLATE_NOOP("ChartConfigurations", "Density of dBmW/m²");
constexpr TRangeBox LevelRanges{-33.5, 0, 33.5, 4};

// Light text on the dark live charts, dark text on the viewer's light ones.
const QColor LightText(0xF4, 0xF4, 0xF4);
const QColor ViewerText(0x3B, 0x3B, 0x3B);
const QColor DarkWind(0x45, 0x45, 0x45);
const QColor LightWind(0xFB, 0xFB, 0xFB);
const QColor PlotColour(0x27, 0x27, 0x27);

QString Shown(const char *text)
{
    return QCoreApplication::translate("ChartConfigurations", text);
}

// What every chart of the program shares.
void ApplyCommonLook(TChartAppearance &look)
{
    look.LRim = 70;
    look.GridStyle = gsHorizDotLines;
    look.GridColor = QColor(0x9B, 0x9B, 0x9B);
    look.ScaleColor = QColor(0x64, 0x64, 0x64);
    look.FillColor = QColor(0x80, 0x00, 0x00);
    look.ShadowStyle = ssFlying;
    look.ShadowColor = QColor(0xEA, 0xEA, 0xEA);
    look.ShadowBakColor = QColor(0xEE, 0xEE, 0xEE);
    look.MinTickY = 4;
    look.ShortTicksX = true;
    look.ShortTicksY = true;
    look.XAxisPos = xapBottom;
    look.YAxisPos = yapLeft;
    look.YLabelType = ftNum;
}

} // namespace

TChartConfiguration MainTimeChartConfiguration(int visibleSamples, double interval)
{
    return {19, LightText, 12, 32, 44, DarkWind, QColor(0xCE, 0x4D, 0x46), QColor(0x36, 0x36, 0x36),
            Shown(HistoryCaption), QString(), ftTime, 3, 4, 3,
            TRangeBox{0, 0, 1.05 * visibleSamples * interval, 0.001}};
}

TChartConfiguration MainHistogramChartConfiguration()
{
    return {19, LightText, 12, 32, 34, DarkWind, Qt::white, PlotColour, Shown(HistogramCaption),
            Shown(CountOrdinate), ftNum, 5, 0, 0, LevelRanges};
}

TChartConfiguration ViewerTimeChartConfiguration()
{
    return {19, ViewerText, 9, 32, 44, LightWind, QColor(0xA7, 0xE1, 0xFE), PlotColour, Shown(HistoryCaption),
            QString(), ftTime, 3, 4, 3, std::nullopt};
}

TChartConfiguration ViewerHistogramChartConfiguration()
{
    return {19, ViewerText, 9, 32, 34, LightWind, Qt::white, PlotColour, Shown(HistogramCaption),
            Shown(CountOrdinate), ftNum, 5, 0, 0, std::nullopt};
}

TChartConfiguration AnalyserChartConfiguration()
{
    return {19, QColor(0xF2, 0xF2, 0xF2), 9, 32, 34, DarkWind, Qt::white, PlotColour,
            Shown(DensityCaption), QString(), ftNum, 5, 0, 1, TRangeBox{-33.5, 0, 33.5, 1}};
}

// Its caption is a label above the chart, in the file manager.
TChartConfiguration FileManagerChartConfiguration()
{
    return {16, LightText, 9, 28, 34, PlotColour, Qt::white, PlotColour, QString(), Shown(CountOrdinate),
            ftNum, 5, 0, 0, LevelRanges};
}

void ConfigureChart(TChartWidget &chart, const TChartConfiguration &configuration)
{
    chart.SetAutoRedraw(false);
    chart.setCursor(Qt::CrossCursor);
    chart.SetMinRangeX(1e-10);
    chart.SetMinRangeY(1e-10);
    chart.SetMouseAction(maNone);
    QFont font(QStringLiteral("Berlin Sans FB"));
    font.setPixelSize(configuration.FontPixels);
    chart.setFont(font);
    TChartAppearance look = chart.Appearance();
    ApplyCommonLook(look);
    look.FontColor = configuration.FontColor;
    look.RRim = configuration.RRim;
    look.TRim = configuration.TRim;
    look.BRim = configuration.BRim;
    look.WindColor = configuration.WindColor;
    look.DataColor = configuration.DataColor;
    look.ChartColor = configuration.ChartColor;
    look.Caption = configuration.Caption;
    look.IdOrdinate = configuration.IdOrdinate;
    look.XLabelType = configuration.XLabelType;
    look.MinTickX = configuration.MinTickX;
    look.DecPlaceX = configuration.DecPlaceX;
    look.DecPlaceY = configuration.DecPlaceY;
    chart.SetAppearance(look);
    if (configuration.Ranges)
        chart.SetRanges(*configuration.Ranges);
}
