#pragma once
// Counts of observations per integer class, with total, largest count and mode, and the
// ".histo" text file beside every log. Class i stands for Lower + i; the level histogram
// is THistogram(-33, 33): 67 classes of 1 dB, class = floor(level) + 33.

#include <QString>

#include <cstdint>
#include <vector>

class THistogram {
public:
    // No classes: what a missing file reads as.
    THistogram() = default;
    // |lower| + |upper| + 1 classes, all 0. When they cannot be allocated, says so in a
    // message box and leaves a histogram without classes, which ignores Add.
    THistogram(std::int32_t lower, std::int32_t upper);

    // Reads a ".histo" file. A missing file is reported in an error box and reads as a
    // histogram without classes; a file that cannot be read or is malformed throws EInOutError.
    static THistogram ReadFromFile(const QString &fileName);
    // Writes the ".histo" file (CR LF lines). An existing file is replaced only when the user
    // agrees; a failed write throws EInOutError and leaves any old file as it was.
    void WriteToFile(const QString &fileName) const;

    // Counts one observation in class index and returns the class's new count; an index
    // outside the classes is not counted and returns 0. The mode moves only when a class
    // overtakes the largest count, so among equal counts the first to get there stays.
    std::uint32_t Add(std::int32_t index)
    {
        if (static_cast<std::uint32_t>(index) >= Counts.size())
            return 0;
        const std::uint32_t count = ++Counts[static_cast<std::size_t>(index)];
        ++Total;
        if (count > MaxCount) {
            MaxCount = count;
            ModeIndex = index;
        }
        return count;
    }
    // Zeroes every count, Total, MaxCount and ModeIndex; the classes stay.
    void Clear();

    std::int32_t Lower = 0;
    std::int32_t Upper = 0;
    std::int32_t ClassCount = 0;
    std::vector<std::uint32_t> Counts;
    std::uint32_t Total = 0;
    std::uint32_t MaxCount = 0;
    std::int32_t ModeIndex = 0;
};

// The largest relative frequency Counts[i] / Total over all histograms; 0 when there is
// none. Histograms with Total 0 have no frequencies and are skipped.
double MaxDensity(const std::vector<const THistogram *> &histograms);
