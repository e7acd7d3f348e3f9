#include "publish/PublishOptions.h"

#include <QCoreApplication>

namespace {

bool HasWildcard(const QString &topic)
{
    return topic.contains(QLatin1Char('+')) || topic.contains(QLatin1Char('#'));
}

// A topic the meter's topics are put below: no wildcard, no empty level at either end.
bool IsTopicPrefix(const QString &topic)
{
    return !topic.isEmpty() && !HasWildcard(topic) && !topic.startsWith(QLatin1Char('/'))
           && !topic.endsWith(QLatin1Char('/'));
}

} // namespace

std::optional<QString> PublishOptionsProblem(const TPublishOptions &options)
{
    if (options.Host.trimmed().isEmpty())
        return QCoreApplication::translate("PublishOptions", "The broker's host name is missing.");
    if (options.Port == 0)
        return QCoreApplication::translate("PublishOptions", "The broker's port must be between 1 and 65535.");
    if (!IsTopicPrefix(options.BaseTopic))
        return QCoreApplication::translate(
            "PublishOptions", "The base topic must not be empty, begin or end with '/' or contain '+' or '#'.");
    if (options.MeterId.isEmpty() || HasWildcard(options.MeterId) || options.MeterId.contains(QLatin1Char('/')))
        return QCoreApplication::translate(
            "PublishOptions", "The meter name must not be empty or contain '/', '+' or '#'.");
    if (options.Discovery && !IsTopicPrefix(options.DiscoveryPrefix))
        return QCoreApplication::translate(
            "PublishOptions", "The discovery prefix must not be empty, begin or end with '/' or contain '+' or '#'.");
    return std::nullopt;
}

QString MeterTopic(const TPublishOptions &options, const QString &leaf)
{
    return options.BaseTopic + QLatin1Char('/') + options.MeterId + QLatin1Char('/') + leaf;
}

QString DiscoveryStatusTopic(const TPublishOptions &options)
{
    return options.DiscoveryPrefix + QStringLiteral("/status");
}
