#pragma once
// Paints large numbers of marks at a cost bounded by the plot's pixels, giving exactly the
// picture of PaintMarksInOrder (a later mark covers an earlier one).
//
// Pass 1 keeps, for each figure and each pixel, the last mark centred there (its key and
// colour packed so that the larger value is the later mark). Pass 2 colours every pixel of
// the plotting area from the latest mark whose footprint covers it: the maximum over the
// footprint's offsets. Both passes are split across the cores; in pass 1 each part has its
// own grids, merged by maximum, and pass 2 splits the rows.

#include "charts/MarkShapes.h"
#include "charts/PlotMapping.h"
#include "charts/VisibleMarks.h"

#include <QImage>

#include <array>
#include <cstdint>
#include <vector>

// How the passes are split: a part per so many marks (pass 1) or pixels (pass 2), at most
// MaxParts; by default as many as there are cores.
struct TRasterSplit {
    std::size_t MarksPerPart = 200000;
    std::size_t PixelsPerPart = 60000;
    int MaxParts = 0;
};

class TMarkRasteriser {
public:
    explicit TMarkRasteriser(TRasterSplit split = {}) : Split(split) {}

    // image: a 32-bit RGB image holding mapping.Area, with no painter active on it.
    void Paint(QImage &image, const TPlotMapping &mapping, const std::vector<TMarkSpan> &spans);

private:
    TRasterSplit Split;
    // Grids[figure][part]: one cell per possible centre, the area widened by MaxMarkRadius.
    std::array<std::vector<std::vector<std::uint64_t>>, MarkFigureCount> Grids;
};
