#include "storage/KeyValueFile.h"

#include "model/AtomicFileWrite.h"

#include <QFile>

namespace {

QString Escaped(const QString &value)
{
    QString text;
    text.reserve(value.size());
    for (const QChar c : value) {
        if (c == QLatin1Char('\\'))
            text += QStringLiteral("\\\\");
        else if (c == QLatin1Char('\n'))
            text += QStringLiteral("\\n");
        else if (c == QLatin1Char('\r'))
            text += QStringLiteral("\\r");
        else
            text += c;
    }
    return text;
}

QString Unescaped(QStringView text)
{
    QString value;
    value.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != QLatin1Char('\\') || i + 1 == text.size()) {
            value += text[i];
            continue;
        }
        const QChar next = text[++i];
        value += next == QLatin1Char('n') ? QChar(u'\n') : next == QLatin1Char('r') ? QChar(u'\r') : next;
    }
    return value;
}

} // namespace

TKeyValues ReadKeyValueFile(const QString &path)
{
    TKeyValues lines;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return lines;
    const QString text = QString::fromUtf8(file.readAll());
    for (const QStringView line : QStringView(text).split(u'\n')) {
        const QStringView trimmed = line.endsWith(u'\r') ? line.chopped(1) : line;
        const qsizetype equals = trimmed.indexOf(u'=');
        if (equals > 0)
            lines.emplace_back(trimmed.left(equals).toString(), Unescaped(trimmed.mid(equals + 1)));
    }
    return lines;
}

void WriteKeyValueFile(const QString &path, const TKeyValues &lines, std::optional<QFileDevice::Permissions> permissions)
{
    QString text;
    for (const auto &[key, value] : lines)
        text += key + QLatin1Char('=') + Escaped(value) + QLatin1Char('\n');
    const QByteArray bytes = text.toUtf8();
    ReplaceFileContent(path, bytes.constData(), static_cast<std::size_t>(bytes.size()), permissions);
}
