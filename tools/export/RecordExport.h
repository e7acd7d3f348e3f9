#pragma once
// What zeltar-export writes: a record's samples as CSV, or its summary as key: value lines.
// Both stream the log in blocks, so memory does not grow with the record.

#include "model/SampleStatistics.h"
#include "storage/MetaData.h"

#include <QString>

#include <cstdint>
#include <cstdio>

// The record's metadata, or the record viewer's defaults when its .meta is missing.
struct TExportMeta {
    TMetaData Meta{};
    bool Found = false;
};
TExportMeta ReadExportMeta(const QString &logPath);

struct TRecordSummary {
    std::uint64_t Samples = 0;
    TSampleStatistics Statistics;
};
TRecordSummary SummariseRecord(const QString &logPath, std::uint8_t unit);

void WriteCsv(std::FILE *out, const QString &logPath, const TMetaData &meta, int population, int state);
void WriteSummary(std::FILE *out, const QString &logPath, const TMetaData &meta, const TRecordSummary &summary,
                  int population, int state);
