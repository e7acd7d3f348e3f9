#include "model/DecimalSeparators.h"

#include "model/Services.h"

#include <QCoreApplication>

std::optional<TDecSeparators> FindDecSeparators(const QLocale &locale)
{
    const QString sample = locale.toString(123.456, 'f', 3);
    if (sample.contains(u','))
        return TDecSeparators{u',', u'.'};
    if (sample.contains(u'.'))
        return TDecSeparators{u'.', u','};
    return std::nullopt;
}

const TDecSeparators &LocaleDecSeparators()
{
    static const TDecSeparators separators = FindDecSeparators().value_or(TDecSeparators{u'.', QChar()});
    return separators;
}

void CheckDecimalSeparator(const QLocale &locale)
{
    if (!FindDecSeparators(locale))
        ShowMessageBox(TMsgKind::Information,
                       QCoreApplication::translate("DecimalSeparators",
                                                   "I cannot determine the local separator. Please report this error to "
                                                   "the vsoftware provider. You can keep using the application without "
                                                   "any major problem"));
}
