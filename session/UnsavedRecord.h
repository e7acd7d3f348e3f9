#pragma once
// A completed record whose files could not all be written (a full disk, a folder made read-
// only): what its log and companions are still owed, kept in memory until a write works
// again. The log comes first, so that a histogram counted from it is whole.

#include "model/SampleRecord.h"
#include "model/UnitHistogram_COMMON.h"
#include "session/DeferredError.h"
#include "storage/MetaData.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <vector>

struct TUnsavedRecord {
    QString LogFile;
    std::uint8_t Unit = 0;
    // Samples the log has not taken yet, oldest first.
    std::vector<TSampleRecord> Samples;
    // Samples beyond the memory limit: never in the log.
    std::uint64_t Lost = 0;
    bool HistogramOwed = false;
    // The live histogram, when it counted exactly what the log holds; otherwise the
    // histogram is counted from the log once the log has every sample it will get.
    std::optional<THistogram> LiveHistogram;
    // The .meta, its start time stored, when it is owed.
    std::optional<TMetaData> Meta;

    bool Owed() const { return !Samples.empty() || HistogramOwed || Meta.has_value(); }
    // Writes what is owed; what fails stays owed, and its error goes into error.
    void Retry(TDeferredError &error);
    // The owed histogram, once the log holds every sample it will get; EInOutError on failure.
    void WriteHistogram();
    // Names of the companion files still owed, without their folder.
    QStringList OwedFiles() const;
};

// The status text of records that lack samples or files; "" when nothing is missing.
QString IncompleteRecordText(std::uint64_t missingSamples, const QStringList &missingFiles);

// The level histogram of the samples that are in the log.
THistogram HistogramOfLog(const QString &logPath, std::uint8_t unit);
