#include "tests/support/RecordFiles.h"

#include "model/LevelClasses.h"
#include "model/UnitHistogram_COMMON.h"
#include "model/Units.h"
#include "storage/DateTimeConvert.h"
#include "storage/LogFile.h"

#include <QFile>

#include <gtest/gtest.h>

#include <span>

QString WriteLog(const QString &folder, const QString &baseName, const std::vector<TSampleRecord> &samples)
{
    const QString path = folder + baseName + ".zlog";
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(reinterpret_cast<const char *>(samples.data()), qint64(samples.size() * sizeof(TSampleRecord)));
    return path;
}

TMetaData MakeMeta(std::uint8_t unit, double interval, const QDateTime &start, const QString &operatorName,
                   const QString &place, const QString &notes, std::int8_t correction)
{
    TMetaData meta;
    meta.Version = 1;
    meta.Operator.Set(operatorName);
    meta.Place.Set(place);
    meta.Notes.Set(notes);
    meta.StartTime = ToTDateTime(start);
    meta.Unit = unit;
    meta.Correction = correction;
    meta.Interval = interval;
    return meta;
}

QString WriteRecord(const QString &folder, const QString &baseName, const std::vector<TSampleRecord> &samples,
                    const TMetaData &meta, bool withHisto)
{
    const QString log = WriteLog(folder, baseName, samples);
    TMetaData written = meta;  // the writer stamps its start
    WriteMetaFile(CompanionName(log, ".meta"), written, meta.StartTime);
    if (withHisto) {
        THistogram histogram(LevelFloorDb, LevelCeilingDb);
        for (const TSampleRecord &sample : samples)
            histogram.Add(LevelClassOfDensity(DensityOf(meta.Unit, sample.Value)));
        histogram.WriteToFile(CompanionName(log, ".histo"));
    }
    return log;
}

std::vector<TSampleRecord> LogRecords(const QString &logPath)
{
    TLogReader reader(logPath);
    std::vector<TSampleRecord> records(reader.Count());
    std::size_t got = 0;
    while (got < records.size()) {
        const std::size_t read = reader.Read(std::span(records).subspan(got));
        if (read == 0)
            break;
        got += read;
    }
    EXPECT_EQ(got, records.size());
    return records;
}

TMetaData RecordMeta(const QString &logPath)
{
    TMetaData meta;
    ReadMetaFile(CompanionName(logPath, ".meta"), meta);
    return meta;
}

std::vector<float> StoredValues(const std::vector<TSampleRecord> &records)
{
    std::vector<float> values;
    for (const TSampleRecord &record : records)
        values.push_back(record.Value);
    return values;
}
