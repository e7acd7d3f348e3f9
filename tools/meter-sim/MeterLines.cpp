#include "tools/meter-sim/MeterLines.h"

#include <QString>

#include <algorithm>
#include <cmath>

namespace {

constexpr int ValueWidth = 8;
constexpr int FrequencyWidth = 4;
constexpr int DbmNumberWidth = 7;

QString ValueField(double value)
{
    if (!std::isfinite(value))
        value = 0.0;
    value = std::clamp(value, -9999999.0, 99999999.0);
    for (int decimals = 4; decimals > 0; --decimals) {
        const QString text = QString::number(value, 'f', decimals);
        if (text.size() <= ValueWidth)
            return text.rightJustified(ValueWidth);
    }
    return QString::number(value, 'f', 0).rightJustified(ValueWidth);
}

} // namespace

QByteArray MeasurementLine(double value, int frequency, bool decimalComma)
{
    QString value8 = ValueField(value);
    if (decimalComma)
        value8.replace(u'.', u',');
    const QString frequency4 = QString::number(std::clamp(frequency, 0, 9999)).rightJustified(FrequencyWidth);
    return (value8 + u' ' + frequency4 + QStringLiteral("\r\n")).toLatin1();
}

QByteArray DbmLine(double dbm)
{
    if (!std::isfinite(dbm))
        dbm = 0.0;
    const QString number = QString::number(std::clamp(dbm, -999.9, 999.9), 'f', 1).rightJustified(DbmNumberWidth);
    return (number + QStringLiteral(" dBm\r\n")).toLatin1();
}

QList<QByteArray> DumpHeaderLines(double intervalSeconds, qint64 records)
{
    const QString interval = QString::number(intervalSeconds);
    return {QStringLiteral("ZELTAR stored data, Interval %1 s\r\n").arg(interval).toLatin1(),
            QStringLiteral("Records %1, Interval %2 s\r\n").arg(records).arg(interval).toLatin1()};
}
