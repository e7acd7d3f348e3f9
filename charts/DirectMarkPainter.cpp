#include "charts/DirectMarkPainter.h"

#include "charts/MarkShapes.h"

void PaintMarksInOrder(QPainter &painter, const TPlotMapping &mapping, const std::vector<TMarkSpan> &spans)
{
    for (const TMarkSpan &span : spans) {
        const TMarkChunk &chunk = *span.Chunk;
        for (std::size_t i = span.From; i < span.To; ++i) {
            int column = 0;
            int row = 0;
            if (!mapping.PixelOf(chunk.X[i], chunk.Y[i], MaxMarkRadius, column, row))
                continue;
            const TMarkStyle &style = chunk.Styles[chunk.StyleIndex[i]];
            DrawMarkShape(painter, QPoint(column, row), FigureOfShape(style.Shape), QColor::fromRgb(style.Colour));
        }
    }
}
