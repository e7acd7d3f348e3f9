#include "app/DateTimeText.h"

#include "storage/DateTimeConvert.h"

#include <QRegularExpression>

namespace {

// The long time format without its time-zone name: a clock reading, not a zone.
QString LongTimeFormat(const QLocale &locale)
{
    static const QRegularExpression zone(QStringLiteral(R"(\s*(?<![A-Za-z'])t+(?![A-Za-z'])\s*)"));
    return locale.timeFormat(QLocale::LongFormat).replace(zone, QStringLiteral(" ")).trimmed();
}

} // namespace

QString DateTimeText(const QDateTime &moment, const QLocale &locale)
{
    const QString date = locale.toString(moment.date(), QLocale::ShortFormat);
    if (moment.time() == QTime(0, 0))
        return date;
    return date + u' ' + locale.toString(moment.time(), LongTimeFormat(locale));
}

QString DayCountText(double days, const QLocale &locale)
{
    return DateTimeText(FromTDateTime(days), locale);
}
