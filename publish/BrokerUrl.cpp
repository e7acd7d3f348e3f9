#include "publish/BrokerUrl.h"

#include "model/MessageError.h"

#include <QUrl>

void ApplyBrokerUrl(const QString &url, TPublishOptions &options)
{
    const QUrl parsed(url.trimmed(), QUrl::StrictMode);
    const QString scheme = parsed.scheme().toLower();
    if (scheme != QLatin1String("mqtt") && scheme != QLatin1String("mqtts"))
        throw EMessageError(QStringLiteral("The broker address must begin with mqtt:// or mqtts://, not %1").arg(url));
    // A password on the command line would be seen by every user of the machine.
    if (!parsed.password().isEmpty())
        throw EMessageError(QStringLiteral("The broker address must not hold a password: give it in a file instead."));
    if (!parsed.isValid())
        throw EMessageError(QStringLiteral("The broker address has no valid port (1 to 65535): %1").arg(url));
    if (parsed.host().isEmpty())
        throw EMessageError(QStringLiteral("The broker address names no host: %1").arg(url));
    if (!parsed.path().isEmpty() || parsed.hasQuery() || parsed.hasFragment() || parsed.port() == 0)
        throw EMessageError(QStringLiteral("The broker address must read mqtt://[user@]host[:port]: %1").arg(url));

    const bool tls = scheme == QLatin1String("mqtts");
    options.Host = parsed.host();
    options.Port = static_cast<std::uint16_t>(parsed.port(tls ? MqttTlsPort : MqttPort));
    options.User = parsed.userName();
    options.Tls = tls;
}
