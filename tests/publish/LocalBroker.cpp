#include "tests/publish/LocalBroker.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QRegularExpression>
#include <QThread>

#include <arpa/inet.h>
#include <csignal>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

sockaddr_in LoopbackAddress(std::uint16_t port)
{
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return address;
}

bool Accepts(std::uint16_t port)
{
    const int probe = ::socket(AF_INET, SOCK_STREAM, 0);
    const sockaddr_in address = LoopbackAddress(port);
    const bool connected = ::connect(probe, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0;
    ::close(probe);
    return connected;
}

} // namespace

std::uint16_t FreeLocalPort()
{
    const int probe = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address = LoopbackAddress(0);
    socklen_t length = sizeof address;
    ::bind(probe, reinterpret_cast<const sockaddr *>(&address), sizeof address);
    ::getsockname(probe, reinterpret_cast<sockaddr *>(&address), &length);
    ::close(probe);
    return ntohs(address.sin_port);
}

QString ListenerLine(std::uint16_t port)
{
    return QStringLiteral("listener %1 127.0.0.1").arg(port);
}

TLocalBroker::TLocalBroker(const QStringList &extraConfig) : PlainPort(FreeLocalPort())
{
    QStringList config{
        QStringLiteral("log_dest file %1").arg(Dir.filePath("broker.log")),
        QStringLiteral("log_type all"),
        // Running as root, the broker would otherwise give up the rights to read the test's files.
        QStringLiteral("user root"),
        QStringLiteral("persistence_location %1/").arg(Dir.path()),
        ListenerLine(PlainPort),
    };
    if (!extraConfig.join('\n').contains(QLatin1String("allow_anonymous")))
        config << QStringLiteral("allow_anonymous true");
    for (QString line : extraConfig)
        config << line.replace(QLatin1String("{dir}"), Dir.path());
    static const QRegularExpression listener(QStringLiteral("^listener (\\d+) "));
    Ports << PlainPort;
    for (const QString &line : extraConfig)
        if (const QRegularExpressionMatch match = listener.match(line); match.hasMatch())
            Ports << static_cast<std::uint16_t>(match.captured(1).toUInt());
    QFile file(Dir.filePath("mosquitto.conf"));
    if (file.open(QIODevice::WriteOnly))
        file.write((config.join('\n') + '\n').toUtf8());
}

TLocalBroker::~TLocalBroker()
{
    Kill();
}

bool TLocalBroker::Start()
{
    Process.setStandardOutputFile(Dir.filePath("broker.out"));
    Process.setStandardErrorFile(Dir.filePath("broker.out"), QIODevice::Append);
    Process.start(QStringLiteral("/usr/sbin/mosquitto"), {QStringLiteral("-c"), Dir.filePath("mosquitto.conf")});
    if (!Process.waitForStarted(5000))
        return false;
    const QDeadlineTimer deadline(5000);
    for (const std::uint16_t port : Ports) {
        while (!Accepts(port)) {
            if (deadline.hasExpired() || Process.state() != QProcess::Running) {
                QFile output(Dir.filePath("broker.out"));
                output.open(QIODevice::ReadOnly);
                qWarning("mosquitto did not start: %s", output.readAll().constData());
                return false;
            }
            QThread::msleep(10);
        }
    }
    return true;
}

void TLocalBroker::Kill()
{
    if (Process.state() == QProcess::NotRunning)
        return;
    Process.kill();
    Process.waitForFinished(5000);
}

void TLocalBroker::Stop()
{
    if (Process.state() == QProcess::NotRunning)
        return;
    Process.terminate();
    Process.waitForFinished(5000);
}

void TLocalBroker::Pause()
{
    if (Process.state() == QProcess::Running)
        ::kill(static_cast<pid_t>(Process.processId()), SIGSTOP);
}

QString TLocalBroker::Log() const
{
    QFile file(Dir.filePath("broker.log"));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}
