#pragma once
// The broker as the recorder's command line names it: mqtt://[user@]host[:port] or
// mqtts://[user@]host[:port] (TLS), with the ports 1883 and 8883 when none is given.

#include "publish/PublishOptions.h"

#include <QString>

// Sets the host, port, user and TLS of options from url; the password is never part of it.
// Throws EMessageError with a sentence for the user when url is not such an address.
void ApplyBrokerUrl(const QString &url, TPublishOptions &options);
