// A publisher in a process of its own, for the test that kills it: the broker must then send
// its last will. Arguments: the broker's port on 127.0.0.1 and the meter id.

#include "publish/MqttPublisher.h"

#include <QCoreApplication>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() != 3)
        return 2;
    TPublishOptions options;
    options.Host = QStringLiteral("127.0.0.1");
    options.Port = static_cast<std::uint16_t>(arguments[1].toUInt());
    options.MeterId = arguments[2];
    options.Discovery = false;
    TMqttPublisher publisher(options);
    publisher.Start();
    return app.exec();
}
