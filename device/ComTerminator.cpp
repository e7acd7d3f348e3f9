#include "device/ComTerminator.h"

#include <QCoreApplication>
#include <QStringList>

namespace {

TTerminatorParse Illegal()
{
    return {QByteArrayLiteral("\r\n"),
            QStringLiteral("Illegal terminator string.\rformat : #<asciicode>#<asciicode>#<...>\rexample: #13#10")};
}

} // namespace

TTerminatorParse ParseTerminator(const QString &text)
{
    // Without the leading "#" the first digit would be silently lost.
    if (!text.isEmpty() && !text.startsWith(u'#'))
        return Illegal();

    QByteArray terminator;
    const QStringList codes = text.mid(1).split(u'#');
    for (qsizetype i = 0; i < codes.size(); ++i) {
        if (codes[i].isEmpty() && i == codes.size() - 1)
            break; // a trailing "#" adds nothing
        bool ok = false;
        const int code = codes[i].toInt(&ok, 10);
        if (!ok)
            return Illegal();
        terminator.append(static_cast<char>(code & 0xFF));
    }
    if (terminator.isEmpty())
        return {QByteArray(), QCoreApplication::translate("ComTerminator", "Terminator string cannot be empty!")};
    return {terminator, QString()};
}

QString FormatTerminator(const QByteArray &terminator)
{
    QString text;
    for (const char c : terminator)
        text += u'#' + QString::number(static_cast<unsigned char>(c));
    return text;
}
