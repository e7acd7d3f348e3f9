#include "windows/RecordInfo.h"

#include "model/SampleRecord.h"
#include "model/Units.h"
#include "storage/DateTimeConvert.h"
#include "storage/LogFile.h"
#include "storage/MetaData.h"
#include "storage/FileUtils.h"
#include "storage/LocaleTimeText.h"

#include <QFileInfo>

std::optional<TRecordInfo> ReadRecordInfo(const QString &logPath, const QLocale &locale)
{
    const QString metaPath = CompanionName(logPath, QStringLiteral(".meta"));
    if (!QFileInfo(metaPath).isFile())
        return std::nullopt;
    TMetaData meta;
    ReadMetaFile(metaPath, meta);

    const std::int64_t size = FileSizeOf(logPath);
    const std::uint64_t samples = size > 0 ? std::uint64_t(size) / sizeof(TSampleRecord) : 0;
    TRecordInfo info;
    info.Operator = meta.Operator.Text();
    info.Place = meta.Place.Text();
    info.Notes = meta.Notes.Text();
    info.DateTime = LocaleDateTimeText(FromTDateTime(meta.StartTime), locale);
    info.Unit = UnitName(meta.Unit).value_or(QString());
    info.Correction = QString::number(meta.Correction) + QStringLiteral(" dB");
    info.Interval = IntervalName(meta.Interval).value_or(QString());
    info.Size = QString::number(size) + QStringLiteral(" bytes");
    info.Samples = QString::number(samples);
    info.Duration = RecordDurationText(samples, meta.Interval);
    return info;
}
