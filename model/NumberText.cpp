#include "model/NumberText.h"

#include <QRegularExpression>

#include <charconv>

std::optional<long double> StrToFloatAnySep(const QString &text, const TDecSeparators &separators)
{
    const QChar localSeparator = separators[0].isNull() ? QChar(u'.') : separators[0];
    QString number = text;
    if (!separators[1].isNull()) {
        const qsizetype other = number.indexOf(separators[1]);
        if (other >= 0)
            number[other] = localSeparator;
    }
    number = number.trimmed();

    const QString separator = QRegularExpression::escape(localSeparator);
    const QRegularExpression pattern(QStringLiteral(R"(^[+-]?([0-9]+(%1[0-9]*)?|%1[0-9]+)([eE][+-]?[0-9]+)?$)").arg(separator));
    if (!pattern.match(number).hasMatch())
        return std::nullopt;
    if (number.startsWith(u'+'))
        number.remove(0, 1);
    number.replace(localSeparator, u'.');

    // from_chars ignores the C locale, which QCoreApplication has set from the environment.
    const QByteArray ascii = number.toLatin1();
    long double value = 0;
    const auto [end, error] = std::from_chars(ascii.cbegin(), ascii.cend(), value);
    if (error != std::errc() || end != ascii.cend())
        return std::nullopt;
    return value;
}

std::optional<int> DecimalTextToInt(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral(R"(^\s*[+-]?[0-9]+$)"));
    if (!pattern.match(text).hasMatch())
        return std::nullopt;
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}
