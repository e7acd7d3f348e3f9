#include "storage/MetaPlausibility.h"

#include "model/Units.h"
#include "storage/DateTimeConvert.h"
#include "storage/LocaleTimeText.h"
#include "storage/RecordReadings.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QStringList>

#include <cmath>

namespace {

// A record from another time zone may seem to start up to a day ahead of this clock.
constexpr double FutureAllowanceDays = 1;

bool IsPlausibleStart(double days, double now)
{
    if (!std::isfinite(days) || days > now + FutureAllowanceDays)
        return false;
    const QDateTime start = FromTDateTime(days);
    return start.isValid() && start.date() >= QDate(1990, 1, 1) && start.date() <= QDate(9999, 12, 31);
}

QString FieldName(TMetaField field)
{
    switch (field) {
    case TMetaField::Unit: return QCoreApplication::translate("MetaPlausibility", "unit");
    case TMetaField::Correction: return QCoreApplication::translate("MetaPlausibility", "correction");
    case TMetaField::Interval: return QCoreApplication::translate("MetaPlausibility", "interval");
    case TMetaField::StartTime: return QCoreApplication::translate("MetaPlausibility", "start time");
    }
    return {};
}

QString ReplacementText(TMetaField field, const TMetaData &meta)
{
    switch (field) {
    case TMetaField::Unit: return UnitName(meta.Unit).value_or(QString());
    case TMetaField::Correction: return QStringLiteral("0 dB");
    case TMetaField::Interval: return IntervalName(meta.Interval).value_or(QString());
    case TMetaField::StartTime: return LocaleDateTimeText(FromTDateTime(meta.StartTime));
    }
    return {};
}

} // namespace

TCheckedMeta CheckMeta(const TMetaData &stored, double now)
{
    TCheckedMeta checked{stored, {}};
    TMetaData &meta = checked.Meta;
    if (!UnitName(meta.Unit)) {
        meta.Unit = UnitMWm2;
        checked.Damaged.push_back(TMetaField::Unit);
    }
    if (meta.Correction != 0 && meta.Correction != 3 && meta.Correction != 6) {
        meta.Correction = 0;
        checked.Damaged.push_back(TMetaField::Correction);
    }
    if (!IntervalName(meta.Interval)) {
        meta.Interval = DefaultRecordInterval;
        checked.Damaged.push_back(TMetaField::Interval);
    }
    if (!IsPlausibleStart(meta.StartTime, now)) {
        meta.StartTime = now;
        checked.Damaged.push_back(TMetaField::StartTime);
    }
    return checked;
}

QString DamagedMetaText(const TCheckedMeta &checked)
{
    if (checked.Damaged.empty())
        return {};
    QStringList fields, replacements;
    for (const TMetaField field : checked.Damaged) {
        fields << FieldName(field);
        replacements << ReplacementText(field, checked.Meta);
    }
    // One sentence for one replacement and one for several, so that each language agrees them.
    const QString text =
        replacements.size() == 1
            ? QCoreApplication::translate("MetaPlausibility",
                                          "The meta data file holds values that cannot be right: %1. %2 is used instead.")
            : QCoreApplication::translate("MetaPlausibility",
                                          "The meta data file holds values that cannot be right: %1. %2 are used instead.");
    return text.arg(fields.join(QStringLiteral(", ")), replacements.join(QStringLiteral(", ")));
}
