#include "charts/ChartPrint.h"

#include "charts/ChartFrame.h"
#include "charts/DirectMarkPainter.h"
#include "charts/FigurePainter.h"
#include "charts/MarkRasteriser.h"
#include "charts/ChartWidget.h"
#include "charts/VisibleMarks.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace {

// As on screen: below this many candidate marks they are painted one by one.
constexpr std::size_t VectorMarkLimit = 4096;

void PrintMarks(QPainter &painter, const TPlotMapping &mapping, const std::vector<const TMarkChunk *> &batch,
                int markScale)
{
    if (batch.empty())
        return;
    const std::vector<TMarkSpan> spans = VisibleMarkSpans(batch, mapping, MaxMarkRadius);
    painter.save();
    painter.setClipRect(mapping.Area);
    if (MarkCount(spans) < VectorMarkLimit) {
        PaintMarksInOrder(painter, mapping, spans);
    } else {
        const QSize layerSize = mapping.Area.size() * markScale;
        QImage layer(layerSize, QImage::Format_ARGB32_Premultiplied);
        layer.fill(Qt::transparent);
        const TPlotMapping layerMapping(QRect(QPoint(0, 0), layerSize), mapping.X, mapping.Y);
        TMarkRasteriser().Paint(layer, layerMapping, spans);
        painter.drawImage(QRectF(mapping.Area), layer);
    }
    painter.restore();
}

void PrintFigures(QPainter &painter, const TPlotMapping &mapping, const TFigureRun &figures)
{
    painter.save();
    painter.setClipRect(mapping.Area);
    PaintFigures(painter, mapping, figures);
    painter.restore();
}

} // namespace

void PrintChart(const TChartWidget &chart, QPainter &painter, int markScale, const TTickMaker &xTicks)
{
    const QRect client(QPoint(0, 0), chart.size());
    const TPlotMapping mapping = chart.Mapping();
    TChartScales scales =
        MakeChartScales(chart.Appearance(), mapping, chart.locale(), QFontMetrics(chart.font()), client.width());
    if (xTicks && !mapping.Area.isEmpty())
        scales.X = xTicks(mapping.X.Lo, mapping.X.Hi);
    painter.save();
    PaintChartBackground(painter, chart.Appearance(), client, mapping, scales);
    if (!mapping.Area.isEmpty()) {
        // Marks go a batch of consecutive chunks at a time, so that later items cover them.
        std::vector<const TMarkChunk *> batch;
        for (const TItemRun &run : chart.ItemStore().Runs()) {
            if (const auto *chunk = std::get_if<TMarkChunk>(&run)) {
                batch.push_back(chunk);
                continue;
            }
            PrintMarks(painter, mapping, batch, std::max(markScale, 1));
            batch.clear();
            PrintFigures(painter, mapping, std::get<TFigureRun>(run));
        }
        PrintMarks(painter, mapping, batch, std::max(markScale, 1));
    }
    painter.setRenderHint(QPainter::TextAntialiasing);
    PaintChartScales(painter, chart.Appearance(), chart.font(), client, mapping, scales);
    painter.restore();
}
