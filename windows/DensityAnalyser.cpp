// The density analyser's behaviour: loading a set of histogram files, drawing their curves,
// the line width, and the chart's mouse.

#include "windows/DensityAnalyser.h"

#include "charts/ChartMouse.h"
#include "charts/ChartReadouts.h"
#include "charts/ChartWidget.h"
#include "model/InOutError.h"
#include "model/Services.h"
#include "windows/DensityColours.h"
#include "windows/DensityCurve.h"
#include "windows/DensityLegend.h"

#include <QComboBox>
#include <QLineEdit>

#include <optional>

namespace {

QString NoDensityYetMessage()
{
    return TDensityAnalyser::tr(
        "No density has been analyzed yet. To do so, select in the \"Analysis\" menu the \"Density\" option");
}

// The list offers 1 to 8; typed text outside that is no width.
std::optional<int> LineWidthFromText(const QString &text)
{
    bool isNumber = false;
    const int width = text.trimmed().toInt(&isNumber);
    if (!isNumber || width < 1 || width > 8)
        return std::nullopt;
    return width;
}

} // namespace

TRangeBox TDensityAnalyser::FullView(double peak)
{
    return peak > 0 ? AnalyserFullView(peak) : TRangeBox{-33.5, 0, 33.5, 1};
}

void TDensityAnalyser::LoadDensities(const QStringList &histogramFiles)
{
    std::vector<THistogram> densities;
    densities.reserve(std::size_t(histogramFiles.size()));
    QStringList unreadable;
    for (const QString &file : histogramFiles) {
        try {
            densities.push_back(THistogram::ReadFromFile(file));
        } catch (const EInOutError &error) {
            // The other files are still compared; this one keeps its place and colour.
            densities.emplace_back();
            unreadable << error.Message;
        }
    }
    DensityList = std::move(densities);
    DensityFiles = histogramFiles;

    HChart->ClearItems();
    WriteDensityLegend(*RichEdit, histogramFiles, DensityList);
    show();
    raise();
    activateWindow();

    // A new set is shown whole, whatever view the last one was left in.
    std::vector<const THistogram *> histograms;
    for (const THistogram &histogram : DensityList)
        histograms.push_back(&histogram);
    LastPeak = 0;
    HChart->SetRanges(FullView(MaxDensity(histograms)));
    HChart->Redraw(); // the emptied plot, also when no file gives a curve
    for (std::size_t i = 0; i < DensityList.size(); ++i)
        DrawDensityCurve(DensityList[i], *HChart, DensityColour(i));

    if (!unreadable.isEmpty())
        ShowMessageBox(TMsgKind::Error,
                       tr("These histogram files could not be read; their densities are not shown:\n\n")
                           + unreadable.join(QLatin1Char('\n')));
}

void TDensityAnalyser::DrawDensityCurve(const THistogram &histogram, TChartWidget &chart, const QColor &colour)
{
    if (!HasDensityCurve(histogram))
        return;
    LastPeak = PeakDensityOf(histogram);
    if (chart.RangeHiY() * 0.95 <= LastPeak)
        chart.SetRangeHiY(LastPeak * 0.1 + LastPeak);
    chart.SetDataColor(colour);
    chart.SetLineWidth(ChosenLineWidth);
    AddDensityLines(chart, histogram);
    chart.Redraw();
    DensityDrawn = true;
}

void TDensityAnalyser::RedrawCurves()
{
    HChart->ClearItems();
    HChart->SetLineWidth(ChosenLineWidth);
    for (std::size_t i = 0; i < DensityList.size(); ++i) {
        if (!HasDensityCurve(DensityList[i]))
            continue;
        HChart->SetDataColor(DensityColour(i));
        AddDensityLines(*HChart, DensityList[i]);
    }
    HChart->Redraw();
}

void TDensityAnalyser::ShowDensityAnalyser()
{
    if (!DensityDrawn) {
        ShowMessageBox(TMsgKind::Information, NoDensityYetMessage());
        return;
    }
    show();
    raise();
    activateWindow();
}

void TDensityAnalyser::LineWidthCBChange(const QString &text)
{
    const std::optional<int> width = LineWidthFromText(text);
    if (!width || *width == ChosenLineWidth)
        return;
    ChosenLineWidth = *width;
    // Only the width changes: a zoomed view stays zoomed.
    RedrawCurves();
}

void TDensityAnalyser::HChartMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers keys)
{
    HandleChartMouseDown(*HChart, button, keys, FullView(LastPeak));
}

void TDensityAnalyser::HChartMouseMoveInChart(bool inChart, double x)
{
    HChartEdit->setText(inChart ? LevelReadoutText(x) : QString());
}
