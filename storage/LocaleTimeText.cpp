#include "storage/LocaleTimeText.h"

#include "storage/DateTimeConvert.h"

#include <QRegularExpression>

// The zone is written as "t", "tt" ... outside quoted text.
QString LocaleLongTimeFormat(const QLocale &locale)
{
    static const QRegularExpression zone(QStringLiteral(R"(\s*(?<![A-Za-z'])t+(?![A-Za-z'])\s*)"));
    return locale.timeFormat(QLocale::LongFormat).replace(zone, QStringLiteral(" ")).trimmed();
}

QString LocaleShortDate(const QDate &date, const QLocale &locale)
{
    return locale.toString(date, QLocale::ShortFormat);
}

QString LocaleLongTime(const QTime &time, const QLocale &locale)
{
    return locale.toString(time, LocaleLongTimeFormat(locale));
}

QString LocaleDateTimeText(const QDateTime &moment, const QLocale &locale)
{
    const QString date = LocaleShortDate(moment.date(), locale);
    if (moment.time() == QTime(0, 0))
        return date;
    return date + u' ' + LocaleLongTime(moment.time(), locale);
}

QString DayCountText(double days, const QLocale &locale)
{
    return LocaleDateTimeText(FromTDateTime(days), locale);
}
