#include "model/DecimalSeparators.h"

#include "model/GlobalState.h"
#include "model/Services.h"

#include <QCoreApplication>

std::optional<std::array<QChar, 2>> FindDecSeparators(const QLocale &locale)
{
    const QString sample = locale.toString(123.456, 'f', 3);
    if (sample.contains(u','))
        return std::array<QChar, 2>{u',', u'.'};
    if (sample.contains(u'.'))
        return std::array<QChar, 2>{u'.', u','};
    return std::nullopt;
}

void CheckDecimalSeparator(const QLocale &locale)
{
    if (const auto separators = FindDecSeparators(locale))
        DecSeparators = *separators;
    else
        ShowMessageBox(TMsgKind::Information,
                       QCoreApplication::translate("DecimalSeparators",
                                                   "I cannot determine the local separator. Please report this error to "
                                                   "the vsoftware provider. You can keep using the application without "
                                                   "any major problem"));
}
