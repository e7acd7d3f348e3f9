#pragma once
// "LastSettings.ls": the eight user settings kept between runs, one value per line, no keys,
// CR LF line ends, Windows-1252.

#include <QString>

#include <cstdint>
#include <optional>

struct TLastSettings {
    bool AlertsOn = false;
    std::uint8_t Unit = 1;     // 0 V/m, 1 mW/m²
    int IntervalIndex = 0;     // position in the interval list, 0 "0.5 sec" … 6 "3 min"
    int VisibleSamples = 60;
    int Correction = 0;        // dB
    int Population = 0;        // 0 General, 1 Sensitive
    int State = 0;             // 0 Wake, 1 Sleep
    bool StatisticsExpanded = false;
};

extern const char *const LastSettingsFileName;

QString BoolToText(bool value);
bool TextToBool(const QString &text);

inline constexpr int SettingsLineCount = 8;

// What a settings file gave. Its lines take effect one after the other, so a bad line still
// leaves the lines before it in effect.
struct TSettingsFileRead {
    TLastSettings Settings;
    int LinesInEffect = 0; // the leading lines whose settings apply; all eight for a sound file
    QString Error;         // why the reading stopped early, naming the file; empty for a sound file
};

// nullopt when the file does not exist. A file that cannot be read, is cut short, holds a
// line 3, 4 or 5 that is not an integer or a line 4 below 1 ends with the reason in Error.
// An interval index outside the list selects "0.5 sec".
std::optional<TSettingsFileRead> LoadSettingsFile(const QString &path);

// Writes the whole file or nothing (an earlier file stays when writing fails); creates a
// missing Settings folder. Failures throw EInOutError.
void SaveSettingsFile(const QString &path, const TLastSettings &settings);
