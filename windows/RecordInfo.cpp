#include "windows/RecordInfo.h"

#include "model/SampleRecord.h"
#include "model/Units.h"
#include "storage/DateTimeConvert.h"
#include "storage/LogFile.h"
#include "model/Services.h"
#include "model/SingleLineText.h"
#include "storage/MetaData.h"
#include "storage/MetaPlausibility.h"
#include "storage/FileUtils.h"
#include "storage/LocaleTimeText.h"

#include <QCoreApplication>
#include <QFileInfo>

std::optional<TRecordInfo> ReadRecordInfo(const QString &logPath, const QLocale &locale)
{
    const QString metaPath = CompanionName(logPath, QStringLiteral(".meta"));
    if (!QFileInfo(metaPath).isFile())
        return std::nullopt;
    TMetaData stored;
    ReadMetaFile(metaPath, stored);
    const TCheckedMeta checked = CheckMeta(stored, ToTDateTime(CurrentTime()));
    const TMetaData &meta = checked.Meta;

    const std::int64_t size = FileSizeOf(logPath);
    const std::uint64_t samples = size > 0 ? std::uint64_t(size) / sizeof(TSampleRecord) : 0;
    TRecordInfo info;
    info.Operator = SingleLineText(meta.Operator.Text());
    info.Place = SingleLineText(meta.Place.Text());
    info.Notes = SingleLineText(meta.Notes.Text());
    info.DateTime = LocaleDateTimeText(FromTDateTime(meta.StartTime), locale);
    info.Unit = UnitName(meta.Unit).value_or(QString());
    info.Correction = QString::number(meta.Correction) + QStringLiteral(" dB");
    info.Interval = IntervalName(meta.Interval).value_or(QString());
    info.Size = QCoreApplication::translate("RecordInfo", "%1 bytes").arg(size);
    info.Samples = QString::number(samples);
    info.Duration = RecordDurationText(samples, meta.Interval);
    info.Damage = DamagedMetaText(checked);
    return info;
}
