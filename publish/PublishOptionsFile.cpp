#include "publish/PublishOptionsFile.h"

#include "model/AtomicFileWrite.h"

#include <QFile>
#include <QHash>

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

QHash<QString, QString> ReadValues(const QString &path)
{
    QHash<QString, QString> values;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return values;
    const QString text = QString::fromUtf8(file.readAll());
    for (const QStringView line : QStringView(text).split(u'\n')) {
        const QStringView trimmed = line.endsWith(u'\r') ? line.chopped(1) : line;
        const qsizetype equals = trimmed.indexOf(u'=');
        if (equals > 0)
            values.insert(trimmed.left(equals).toString(), Unescaped(trimmed.mid(equals + 1)));
    }
    return values;
}

void TakeFlag(const QHash<QString, QString> &values, const QString &key, bool &flag)
{
    const QString value = values.value(key);
    if (value == QLatin1String("1") || value == QLatin1String("0"))
        flag = value == QLatin1String("1");
}

void TakeText(const QHash<QString, QString> &values, const QString &key, QString &text)
{
    const auto found = values.constFind(key);
    if (found != values.constEnd())
        text = *found;
}

} // namespace

TPublishOptions ReadPublishOptions(const QString &path)
{
    const QHash<QString, QString> values = ReadValues(path);
    TPublishOptions options;
    TakeFlag(values, QStringLiteral("Enabled"), options.Enabled);
    TakeText(values, QStringLiteral("Host"), options.Host);
    bool portRead = false;
    const uint port = values.value(QStringLiteral("Port")).toUInt(&portRead);
    if (portRead && port >= 1 && port <= 65535)
        options.Port = static_cast<std::uint16_t>(port);
    TakeText(values, QStringLiteral("User"), options.User);
    TakeText(values, QStringLiteral("Password"), options.Password);
    TakeFlag(values, QStringLiteral("Tls"), options.Tls);
    TakeText(values, QStringLiteral("CaFile"), options.CaFile);
    TakeText(values, QStringLiteral("BaseTopic"), options.BaseTopic);
    TakeText(values, QStringLiteral("MeterId"), options.MeterId);
    TakeFlag(values, QStringLiteral("Discovery"), options.Discovery);
    TakeText(values, QStringLiteral("DiscoveryPrefix"), options.DiscoveryPrefix);
    return options;
}

void WritePublishOptions(const QString &path, const TPublishOptions &options)
{
    const auto flag = [](bool on) { return on ? QStringLiteral("1") : QStringLiteral("0"); };
    const std::pair<const char *, QString> lines[] = {
        {"Enabled", flag(options.Enabled)},
        {"Host", options.Host},
        {"Port", QString::number(options.Port)},
        {"User", options.User},
        {"Password", options.Password},
        {"Tls", flag(options.Tls)},
        {"CaFile", options.CaFile},
        {"BaseTopic", options.BaseTopic},
        {"MeterId", options.MeterId},
        {"Discovery", flag(options.Discovery)},
        {"DiscoveryPrefix", options.DiscoveryPrefix},
    };
    QString text;
    for (const auto &[key, value] : lines)
        text += QLatin1String(key) + QLatin1Char('=') + Escaped(value) + QLatin1Char('\n');
    const QByteArray bytes = text.toUtf8();
    ReplaceFileContent(path, bytes.constData(), static_cast<std::size_t>(bytes.size()),
                       QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}
