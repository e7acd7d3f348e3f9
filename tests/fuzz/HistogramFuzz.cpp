// The .histo reader: a file it accepts is consistent, and written again it reads the same.

#include "tests/fuzz/FuzzChecks.h"

#include "model/InOutError.h"
#include "model/UnitHistogram_COMMON.h"

#include <QFile>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    THistogram histogram;
    try {
        histogram = THistogram::ReadFromFile(ScratchFile("record.histo", data, size));
    } catch (const EInOutError &) {
        return 0;
    }
    Require(histogram.ClassCount >= 0 && histogram.Counts.size() == static_cast<std::size_t>(histogram.ClassCount),
            "one count per class");
    Require(histogram.ModeIndex >= 0 && histogram.ModeIndex < histogram.ClassCount, "the mode is a class");
    const double density = MaxDensity({&histogram});
    RequireFinite(density, "largest density");
    Require(density >= 0.0, "densities are not negative");

    const QString copy = ScratchPath("copy.histo");
    QFile::remove(copy);
    histogram.WriteToFile(copy);
    const THistogram again = THistogram::ReadFromFile(copy);
    Require(again.Lower == histogram.Lower && again.Upper == histogram.Upper && again.Counts == histogram.Counts
                && again.Total == histogram.Total && again.MaxCount == histogram.MaxCount
                && again.ModeIndex == histogram.ModeIndex,
            "a histogram reads as it was written");
    return 0;
}
