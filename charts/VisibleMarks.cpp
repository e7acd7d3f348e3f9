#include "charts/VisibleMarks.h"

#include <algorithm>

std::vector<TMarkSpan> VisibleMarkSpans(const std::vector<const TMarkChunk *> &batch, const TPlotMapping &mapping,
                                        int margin)
{
    const double reach = margin + 1;
    const double xLo = mapping.X.Lo - reach / mapping.PixelsPerX;
    const double xHi = mapping.X.Lo + (mapping.Area.width() + reach) / mapping.PixelsPerX;
    const double yLo = mapping.Y.Lo - reach / mapping.PixelsPerY;
    const double yHi = mapping.Y.Lo + (mapping.Area.height() + reach) / mapping.PixelsPerY;

    std::vector<TMarkSpan> spans;
    std::uint64_t keyBase = 0;
    for (const TMarkChunk *chunk : batch) {
        const std::uint64_t chunkKeyBase = keyBase;
        keyBase += chunk->Size();
        if (chunk->MaxX < xLo || chunk->MinX > xHi || chunk->MaxY < yLo || chunk->MinY > yHi)
            continue;
        std::size_t from = chunk->Begin;
        std::size_t to = chunk->X.size();
        if (chunk->XOrdered) {
            const auto begin = chunk->X.begin();
            from = std::size_t(std::lower_bound(begin + from, begin + to, xLo) - begin);
            to = std::size_t(std::upper_bound(begin + from, begin + to, xHi) - begin);
        }
        if (from < to)
            spans.push_back({chunk, from, to, chunkKeyBase + (from - chunk->Begin) + 1});
    }
    return spans;
}

std::size_t MarkCount(const std::vector<TMarkSpan> &spans)
{
    std::size_t count = 0;
    for (const TMarkSpan &span : spans)
        count += span.To - span.From;
    return count;
}
