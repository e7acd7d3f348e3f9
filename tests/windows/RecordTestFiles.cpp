#include "tests/windows/RecordTestFiles.h"

#include "model/LevelClasses.h"
#include "model/Units.h"
#include "storage/DateTimeConvert.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

TSampleRecord Sample(float value, std::uint16_t frequency)
{
    TSampleRecord record;
    record.Value = value;
    record.Frequency = frequency;
    return record;
}

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

void WriteMeta(const QString &logPath, TMetaData meta)
{
    WriteMetaFile(QString(logPath).replace(".zlog", ".meta"), meta, meta.StartTime);
}

void WriteHisto(const QString &logPath, std::uint8_t unit, const std::vector<TSampleRecord> &samples)
{
    THistogram histogram(LevelFloorDb, LevelCeilingDb);
    for (const TSampleRecord &sample : samples)
        histogram.Add(LevelClassOfDensity(DensityOf(unit, sample.Value)));
    histogram.WriteToFile(QString(logPath).replace(".zlog", ".histo"));
}

QString WriteRecord(const QString &folder, const QString &baseName, const std::vector<TSampleRecord> &samples,
                    const TMetaData &meta, bool withHisto)
{
    const QString log = WriteLog(folder, baseName, samples);
    WriteMeta(log, meta);
    if (withHisto)
        WriteHisto(log, meta.Unit, samples);
    return log;
}

TTrashHome::TTrashHome() : SavedHome(qgetenv("HOME")), SavedDataHome(qgetenv("XDG_DATA_HOME"))
{
    qputenv("HOME", Home.path().toLocal8Bit());
    qputenv("XDG_DATA_HOME", (Home.path() + "/data").toLocal8Bit());
    QDir().mkpath(Home.path() + "/data");
}

TTrashHome::~TTrashHome()
{
    qputenv("HOME", SavedHome);
    qputenv("XDG_DATA_HOME", SavedDataHome);
}

QStringList TTrashHome::Trashed() const
{
    return FilesIn(Home.path() + "/data/Trash/files");
}

bool TTrashHome::Block() const
{
    const QString files = Home.path() + "/data/Trash/files";
    QDir(files).removeRecursively();
    QDir().mkpath(Home.path() + "/data/Trash");
    QFile blocker(files);
    return blocker.open(QIODevice::WriteOnly);
}

QStringList FilesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}
