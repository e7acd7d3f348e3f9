#include "publish/PublishOptionsFile.h"

#include "storage/KeyValueFile.h"

#include <QHash>

namespace {

QHash<QString, QString> ReadValues(const QString &path)
{
    QHash<QString, QString> values;
    for (const auto &[key, value] : ReadKeyValueFile(path))
        values.insert(key, value);
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
    const TKeyValues lines = {
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
    WriteKeyValueFile(path, lines, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}
