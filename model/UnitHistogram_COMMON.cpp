#include "model/UnitHistogram_COMMON.h"

#include "model/Services.h"

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <new>

#include <QCoreApplication>

THistogram::THistogram(std::int32_t lower, std::int32_t upper) : Lower(lower), Upper(upper)
{
    // Magnitudes, not upper - lower: the file format defines the class count this way.
    const std::int64_t classCount = std::llabs(lower) + std::llabs(upper) + 1;
    bool allocated = false;
    if (classCount <= std::numeric_limits<std::int32_t>::max()) {
        try {
            Counts.assign(static_cast<std::size_t>(classCount), 0);
            allocated = true;
        } catch (const std::bad_alloc &) {
        }
    }
    if (!allocated) {
        ShowMessageBox(TMsgKind::Plain,
                       QCoreApplication::translate("HistogramFile", "THistogram CREATE procedure: out of memory error"));
        return;
    }
    ClassCount = static_cast<std::int32_t>(classCount);
}

void THistogram::Clear()
{
    std::fill(Counts.begin(), Counts.end(), 0);
    Total = 0;
    MaxCount = 0;
    ModeIndex = 0;
}

double MaxDensity(const std::vector<const THistogram *> &histograms)
{
    double best = 0.0;
    for (const THistogram *histogram : histograms) {
        if (histogram == nullptr || histogram->Total == 0)
            continue;
        for (const std::uint32_t count : histogram->Counts)
            best = std::max(best, static_cast<double>(count) / histogram->Total);
    }
    return best;
}
