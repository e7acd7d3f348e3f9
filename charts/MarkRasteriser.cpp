#include "charts/MarkRasteriser.h"

#include "charts/ParallelParts.h"

#include <algorithm>

namespace {

constexpr int Margin = MaxMarkRadius;
// The key sits above the 24 bits of RGB, so comparing packed cells compares keys.
constexpr int KeyShift = 24;

struct TGridShape {
    int Width;
    int Height;
    int Stride;
    std::size_t Cells;

    explicit TGridShape(const QRect &area)
        : Width(area.width()), Height(area.height()), Stride(area.width() + 2 * Margin),
          Cells(std::size_t(area.width() + 2 * Margin) * std::size_t(area.height() + 2 * Margin))
    {
    }
};

// The figure and colour of each style of a chunk, looked up once per paint.
struct TSpanStyles {
    std::vector<std::uint8_t> Figure;
    std::vector<std::uint64_t> Rgb;
};

std::vector<TSpanStyles> StylesOf(const std::vector<TMarkSpan> &spans, std::array<bool, MarkFigureCount> &used)
{
    std::vector<TSpanStyles> styles(spans.size());
    for (std::size_t s = 0; s < spans.size(); ++s) {
        for (const TMarkStyle &style : spans[s].Chunk->Styles) {
            const TMarkFigure figure = FigureOfShape(style.Shape);
            styles[s].Figure.push_back(std::uint8_t(figure));
            styles[s].Rgb.push_back(style.Colour & 0xFFFFFFu);
            used[figure] = true;
        }
    }
    return styles;
}

} // namespace

void TMarkRasteriser::Paint(QImage &image, const TPlotMapping &mapping, const std::vector<TMarkSpan> &spans)
{
    const QRect area = mapping.Area;
    Q_ASSERT(image.depth() == 32 && image.rect().contains(area));
    if (area.isEmpty() || spans.empty() || image.depth() != 32 || !image.rect().contains(area))
        return;
    const TGridShape grid(area);
    std::array<bool, MarkFigureCount> used{};
    const std::vector<TSpanStyles> styles = StylesOf(spans, used);
    std::vector<std::size_t> spanStarts{0}; // position of each span's first mark among all
    for (const TMarkSpan &span : spans)
        spanStarts.push_back(spanStarts.back() + (span.To - span.From));
    const std::size_t total = spanStarts.back();

    const int parts = PartsFor(total, Split.MarksPerPart, Split.MaxParts);
    for (int figure = 0; figure < MarkFigureCount; ++figure) {
        if (!used[figure])
            continue;
        Grids[figure].resize(std::size_t(parts));
        for (auto &cells : Grids[figure])
            cells.assign(grid.Cells, 0);
    }

    // Pass 1: each part scatters the blocks of marks it takes into its own grids. Its blocks
    // come in list order, so a plain store leaves the latest mark in a cell.
    const std::size_t marksPerBlock = std::max<std::size_t>(Split.MarksPerPart / 8, 1);
    TBlockQueue markBlocks((total + marksPerBlock - 1) / marksPerBlock);
    RunInParallel(parts, [&](int part) {
        std::array<std::uint64_t *, MarkFigureCount> cells{};
        for (int figure = 0; figure < MarkFigureCount; ++figure)
            if (used[figure])
                cells[figure] = Grids[figure][std::size_t(part)].data();
        // Locals, so that the stores into the grids cannot be taken to change them.
        const TPlotMapping local = mapping;
        const std::size_t stride = std::size_t(grid.Stride);
        const int left = area.left() - Margin;
        const int top = area.top() - Margin;
        while (const auto block = markBlocks.Next()) {
            const std::size_t first = *block * marksPerBlock;
            const std::size_t last = std::min(total, first + marksPerBlock);
            auto s = std::size_t(std::upper_bound(spanStarts.begin(), spanStarts.end(), first) - spanStarts.begin()) - 1;
            for (; s < spans.size() && spanStarts[s] < last; ++s) {
                const TMarkSpan &span = spans[s];
                const double *const xs = span.Chunk->X.data();
                const float *const ys = span.Chunk->Y.data();
                const std::uint16_t *const styleIndex = span.Chunk->StyleIndex.data();
                const std::uint8_t *const figures = styles[s].Figure.data();
                const std::uint64_t *const rgb = styles[s].Rgb.data();
                const std::uint64_t keyBase = span.FirstKey - span.From;
                const std::size_t begin = span.From + (std::max(first, spanStarts[s]) - spanStarts[s]);
                const std::size_t end = span.From + (std::min(last, spanStarts[s + 1]) - spanStarts[s]);
                for (std::size_t i = begin; i < end; ++i) {
                    int column = 0;
                    int row = 0;
                    if (!local.PixelOf(xs[i], ys[i], Margin, column, row))
                        continue;
                    const std::uint16_t style = styleIndex[i];
                    const std::size_t cell = std::size_t(row - top) * stride + std::size_t(column - left);
                    cells[figures[style]][cell] = ((keyBase + i) << KeyShift) | rgb[style];
                }
            }
        }
    });

    // Merge the parts' grids into the first, by maximum (the later mark wins).
    if (parts > 1) {
        RunInParallel(parts, [&](int part) {
            const std::size_t first = grid.Cells * std::size_t(part) / std::size_t(parts);
            const std::size_t last = grid.Cells * std::size_t(part + 1) / std::size_t(parts);
            for (int figure = 0; figure < MarkFigureCount; ++figure) {
                if (!used[figure])
                    continue;
                std::uint64_t *target = Grids[figure][0].data();
                for (int other = 1; other < parts; ++other) {
                    const std::uint64_t *source = Grids[figure][std::size_t(other)].data();
                    for (std::size_t cell = first; cell < last; ++cell)
                        target[cell] = std::max(target[cell], source[cell]);
                }
            }
        });
    }

    // Pass 2: each pixel takes the latest mark whose footprint covers it, a few rows at a time.
    std::array<const std::vector<TFootprintRun> *, MarkFigureCount> footprints{};
    for (int figure = 0; figure < MarkFigureCount; ++figure)
        footprints[figure] = &MarkFootprint(TMarkFigure(figure));
    uchar *const bits = image.bits();
    const qsizetype bytesPerLine = image.bytesPerLine();
    const int rowsPerBlock = 4;
    TBlockQueue rowBlocks(std::size_t((grid.Height + rowsPerBlock - 1) / rowsPerBlock));
    const int rowParts = PartsFor(std::size_t(grid.Width) * std::size_t(grid.Height), Split.PixelsPerPart, Split.MaxParts);
    RunInParallel(rowParts, [&](int) {
        std::vector<std::uint64_t> latest(std::size_t(grid.Width));
        while (const auto block = rowBlocks.Next()) {
            const int firstRow = int(*block) * rowsPerBlock;
            const int lastRow = std::min(grid.Height, firstRow + rowsPerBlock);
            for (int row = firstRow; row < lastRow; ++row) {
                std::fill(latest.begin(), latest.end(), 0);
                for (int figure = 0; figure < MarkFigureCount; ++figure) {
                    if (!used[figure])
                        continue;
                    const std::uint64_t *cells = Grids[figure][0].data();
                    for (const TFootprintRun &run : *footprints[figure]) {
                        const std::uint64_t *centreRow =
                            cells + std::size_t(row - run.Dy + Margin) * std::size_t(grid.Stride);
                        for (int dx = run.Dx0; dx <= run.Dx1; ++dx) {
                            const std::uint64_t *source = centreRow + (Margin - dx);
                            for (int column = 0; column < grid.Width; ++column)
                                latest[std::size_t(column)] = std::max(latest[std::size_t(column)], source[column]);
                        }
                    }
                }
                auto *line = reinterpret_cast<QRgb *>(bits + bytesPerLine * (area.top() + row)) + area.left();
                for (int column = 0; column < grid.Width; ++column)
                    if (latest[std::size_t(column)] != 0)
                        line[column] = 0xFF000000u | QRgb(latest[std::size_t(column)] & 0xFFFFFFu);
            }
        }
    });
}
