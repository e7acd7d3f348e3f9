#pragma once
// Records on disk for the tests, written and read with the program's own file formats: a log
// of samples, its .meta and its .histo.

#include "model/SampleRecord.h"
#include "storage/MetaData.h"

#include <QDateTime>
#include <QString>

#include <vector>

inline TSampleRecord Sample(float value, std::uint16_t frequency = 0)
{
    return {.Value = value, .Frequency = frequency};
}

// folder + baseName + ".zlog" holding samples; returns its path.
QString WriteLog(const QString &folder, const QString &baseName, const std::vector<TSampleRecord> &samples);

TMetaData MakeMeta(std::uint8_t unit, double interval, const QDateTime &start, const QString &operatorName = {},
                   const QString &place = {}, const QString &notes = {}, std::int8_t correction = 0);

// A whole record: log, .meta and (unless told otherwise) .histo.
QString WriteRecord(const QString &folder, const QString &baseName, const std::vector<TSampleRecord> &samples,
                    const TMetaData &meta, bool withHisto = true);

// Every whole record of a log, and the .meta beside it.
std::vector<TSampleRecord> LogRecords(const QString &logPath);
TMetaData RecordMeta(const QString &logPath);
// The readings of records, in their order.
std::vector<float> StoredValues(const std::vector<TSampleRecord> &records);
