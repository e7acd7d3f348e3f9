#pragma once
// Finding the marks a view can show, without touching the others where possible: chunks whose
// bounds miss the view are skipped whole, and within a chunk whose abscissas are ordered the
// visible stretch is found by bisection.

#include "charts/ChartItems.h"
#include "charts/PlotMapping.h"

#include <cstdint>
#include <vector>

// Marks From ... To - 1 of a chunk. Keys number the marks of a whole batch of consecutive
// chunks from 1 in list order; FirstKey is the key of mark From.
struct TMarkSpan {
    const TMarkChunk *Chunk;
    std::size_t From;
    std::size_t To;
    std::uint64_t FirstKey;
};

// The candidates among a batch of consecutive chunks whose centre may lie within margin
// pixels of the plotting area, in list order (a superset: the painters test each centre).
std::vector<TMarkSpan> VisibleMarkSpans(const std::vector<const TMarkChunk *> &batch, const TPlotMapping &mapping,
                                        int margin);

std::size_t MarkCount(const std::vector<TMarkSpan> &spans);
