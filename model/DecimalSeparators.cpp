#include "app/DecimalSeparators.h"

std::optional<std::array<QChar, 2>> FindDecSeparators(const QLocale &locale)
{
    const QString sample = locale.toString(123.456, 'f', 3);
    if (sample.contains(u','))
        return std::array<QChar, 2>{u',', u'.'};
    if (sample.contains(u'.'))
        return std::array<QChar, 2>{u'.', u','};
    return std::nullopt;
}
