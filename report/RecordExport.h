#pragma once
// What zeltar-export writes: a record's samples as CSV, or its summary as key: value lines.
// Both stream the log in blocks, so memory does not grow with the record.

#include "model/Risk.h"
#include "model/SampleStatistics.h"
#include "storage/MetaData.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <cstdio>
#include <functional>

// The record's metadata, or the record viewer's defaults when its .meta is missing; values
// that cannot be right are replaced as the viewer replaces them.
struct TExportMeta {
    TMetaData Meta{};
    bool Found = false;
    QStringList Damage; // one sentence per damaged file: the .meta's values, the log's end
};
TExportMeta ReadExportMeta(const QString &logPath);

// A sentence for a log whose size is not a whole number of samples; empty when it is.
QString PartialSampleText(const QString &logPath);

struct TRecordSummary {
    std::uint64_t Samples = 0;
    TSampleStatistics Statistics;
};
// True when path names the log itself or one of its companions (.meta, .histo): an export
// must never replace them.
bool IsFileOfRecord(const QString &path, const QString &logPath);

TRecordSummary SummariseRecord(const QString &logPath, std::uint8_t unit);

void WriteCsv(std::FILE *out, const QString &logPath, const TMetaData &meta, TPopulation population,
              TTargetState state);

// Where the CSV's bytes go, in pieces of about a megabyte; it throws to give up.
using TByteSink = std::function<void(const char *data, std::size_t size)>;
// Told after each block of samples how many of how many are written; false stops the export.
using TExportProgress = std::function<bool(std::uint64_t done, std::uint64_t total)>;
// The same CSV into sink; false when progress stopped it (what was written so far is partial).
bool WriteCsv(const TByteSink &sink, const QString &logPath, const TMetaData &meta, TPopulation population,
              TTargetState state, const TExportProgress &progress);
void WriteSummary(std::FILE *out, const QString &logPath, const TMetaData &meta, const TRecordSummary &summary,
                  TPopulation population, TTargetState state);
