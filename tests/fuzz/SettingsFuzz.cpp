// The settings reader: whatever the file holds, the settings in effect are ones the controls
// can take, and sound ones read back as they were saved.

#include "tests/fuzz/FuzzChecks.h"

#include "storage/LastSettings.h"

namespace {

bool SameSettings(const TLastSettings &a, const TLastSettings &b)
{
    return a.AlertsOn == b.AlertsOn && a.Unit == b.Unit && a.IntervalIndex == b.IntervalIndex
           && a.VisibleSamples == b.VisibleSamples && a.Correction == b.Correction && a.Population == b.Population
           && a.State == b.State && a.StatisticsExpanded == b.StatisticsExpanded;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::optional<TSettingsFileRead> read = LoadSettingsFile(ScratchFile(LastSettingsFileName, data, size));
    Require(read.has_value(), "an existing file is read");
    const TLastSettings &settings = read->Settings;
    Require(read->LinesInEffect >= 0 && read->LinesInEffect <= SettingsLineCount, "lines in effect");
    Require(read->Error.isEmpty() == (read->LinesInEffect == SettingsLineCount),
            "an error exactly when the reading stopped");
    Require(settings.Unit <= 1, "a unit of the meter");
    Require(settings.IntervalIndex >= 0 && settings.IntervalIndex < 7, "an interval of the list");
    Require(settings.VisibleSamples >= 1, "at least one visible point");
    if (read->LinesInEffect < SettingsLineCount)
        return 0;

    const QString copy = ScratchPath("copy.ls");
    SaveSettingsFile(copy, settings);
    const std::optional<TSettingsFileRead> again = LoadSettingsFile(copy);
    Require(again && again->LinesInEffect == SettingsLineCount && SameSettings(again->Settings, settings),
            "saved settings read back as they were");
    return 0;
}
