#pragma once
// Command line of zeltar-record: where the meter and the records are, the acquisition
// settings that replace the program's, the description of the records, when recording ends,
// the daily split, the alert and the broker the readings go to.

#include "model/AlertRule.h"
#include "publish/PublishOptions.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

// The exit codes, as --help and the manual page tell them. The connection ends with 1 as well,
// for a device that sends lines no meter sends.
inline constexpr int ExitRecorded = 0;  // ended as asked, its files whole
inline constexpr int ExitFileError = 1; // a file or folder could not be written
inline constexpr int ExitUsage = 2;     // the command line is wrong
inline constexpr int ExitNoMeter = 3;   // the end came before any meter was found

struct TRecorderOptions {
    QString Port;   // empty: the highest meter port, looked for every second
    QString LogDir; // empty: the program's records folder
    // Empty: the program's settings file (or its defaults) decides.
    std::optional<std::uint8_t> Unit;
    std::optional<double> Interval; // seconds, one of the program's intervals
    std::optional<int> Correction;  // dB
    // The metadata, defaulting to what the program's dialog proposes.
    QString Operator = QStringLiteral("Unknown");
    QString Place = QStringLiteral("Unknown");
    QString Notes = QStringLiteral("None");
    std::optional<double> DurationSeconds; // counted from the start of the first record
    std::optional<QDateTime> Until;
    bool SplitDaily = false;
    bool Quiet = false;
    std::optional<TAlertLimit> Alert; // with --alert
    std::optional<TPublishOptions> Publish; // with --mqtt
};

struct TRecorderParse {
    std::optional<TRecorderOptions> Options; // none with Help or Error
    bool Help = false;
    QString Error; // a sentence naming the option at fault
};

// arguments: after the program's name. now: what --until must lie after. A password file is
// read here, so that a wrong one is a usage error before anything starts.
TRecorderParse ParseRecorderOptions(const QStringList &arguments, const QDateTime &now);

extern const char *const RecorderUsage;
