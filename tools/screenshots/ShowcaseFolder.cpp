#include "tools/screenshots/ShowcaseFolder.h"

#include "model/LevelClasses.h"
#include "model/UnitHistogram_COMMON.h"
#include "model/Units.h"
#include "storage/DateTimeConvert.h"
#include "storage/LogFile.h"
#include "storage/MetaData.h"
#include "tools/screenshots/FieldReadings.h"

#include <QDateTime>
#include <QDir>
#include <QFile>

#include <stdexcept>
#include <vector>

namespace {

struct TShowcaseRecord {
    QDateTime Start;
    std::uint8_t Unit;
    double Interval;
    int Samples;
    TFieldShape Field;
    const char *Operator;
    const char *Place;
    const char *Notes;
    std::int8_t Correction;
};

// An afternoon in an office, a night by a bed, a walk along a street past a mast.
const TShowcaseRecord ShowcaseRecords[] = {
    {QDateTime(QDate(2025, 1, 6), QTime(14, 30, 0)), UnitVm, 1.0, 900, {0.35, 2.0, 2.0, 300, 5, 5},
     "M. Keller", "Office, 2nd floor", "Wi-Fi access point on the ceiling", 0},
    {QDateTime(QDate(2025, 1, 7), QTime(22, 45, 10)), UnitMWm2, 10.0, 1800, {0.12, 3.0, 4.0, 900, 5, 9},
     "M. Keller", "Bedroom, north wall", "Router on, phone charging beside the bed", 3},
    {QDateTime(QDate(2025, 1, 8), QTime(7, 55, 30)), UnitVm, 0.5, 1500, {1.1, 2.5, 6.0, 3000, 5, 13},
     "A. Rossi", "Via Roma, from the station to the mast", "Walking pace, meter held at chest height", 0},
};

void CopyFile(const QString &from, const QString &to)
{
    if (!QFile::copy(from, to))
        throw std::runtime_error(QStringLiteral("cannot copy %1 to %2").arg(from, to).toStdString());
}

std::vector<TSampleRecord> Readings(const TShowcaseRecord &record)
{
    TFieldReadings field(record.Field);
    std::vector<TSampleRecord> samples(static_cast<std::size_t>(record.Samples));
    for (TSampleRecord &sample : samples) {
        const TFieldReading reading = field.Next(record.Unit);
        MakeSampleRecord(reading.Frequency, 0, sample, static_cast<float>(reading.Value));
    }
    return samples;
}

void WriteShowcaseRecord(const QString &logDir, const TShowcaseRecord &record)
{
    const QString log = LogFileName(logDir, record.Start);
    const std::vector<TSampleRecord> samples = Readings(record);
    CreateLogFile(log);
    AppendSamples(log, samples);

    TMetaData meta;
    meta.Version = 1;
    meta.Operator.Set(QString::fromUtf8(record.Operator));
    meta.Place.Set(QString::fromUtf8(record.Place));
    meta.Notes.Set(QString::fromUtf8(record.Notes));
    meta.Unit = record.Unit;
    meta.Correction = record.Correction;
    meta.Interval = record.Interval;
    WriteMetaFile(CompanionName(log, QStringLiteral(".meta")), meta, ToTDateTime(record.Start));

    THistogram levels(LevelFloorDb, LevelCeilingDb);
    for (const TSampleRecord &sample : samples)
        levels.Add(LevelClassOfDensity(DensityOf(record.Unit, sample.Value)));
    levels.WriteToFile(CompanionName(log, QStringLiteral(".histo")));
}

} // namespace

TShowcaseFolder::TShowcaseFolder(const QString &resourcesDir, const QString &samplesDir)
{
    if (!Dir.isValid())
        throw std::runtime_error("cannot make a temporary folder");
    AppPaths = TAppPaths::FromAppDir(Dir.path());
    for (const QString &folder : {AppPaths.ResourcesDir, AppPaths.SettingsDir, AppPaths.ArchiveDir})
        if (!QDir().mkpath(folder))
            throw std::runtime_error(QStringLiteral("cannot make %1").arg(folder).toStdString());

    const QDir resources(resourcesDir);
    const QStringList installed = resources.entryList(QDir::Files);
    if (installed.isEmpty())
        throw std::runtime_error(QStringLiteral("no resources in %1").arg(resourcesDir).toStdString());
    for (const QString &file : installed)
        CopyFile(resources.filePath(file), AppPaths.ResourcesDir + file);

    const QDir samples(samplesDir);
    const QStringList sampleLogs = samples.entryList({QStringLiteral("*.zlog")}, QDir::Files, QDir::Name);
    if (sampleLogs.isEmpty())
        throw std::runtime_error(QStringLiteral("no record in %1").arg(samplesDir).toStdString());
    for (const QString &file : samples.entryList({"*.zlog", "*.meta", "*.histo"}, QDir::Files))
        CopyFile(samples.filePath(file), AppPaths.LogDir + file);
    SampleLogPath = AppPaths.LogDir + sampleLogs.first();

    for (const TShowcaseRecord &record : ShowcaseRecords)
        WriteShowcaseRecord(AppPaths.LogDir, record);
}

QStringList TShowcaseFolder::Logs() const
{
    QStringList logs;
    const QDir folder(AppPaths.LogDir);
    for (const QString &file : folder.entryList({QStringLiteral("*.zlog")}, QDir::Files, QDir::Name))
        logs << folder.filePath(file);
    return logs;
}
