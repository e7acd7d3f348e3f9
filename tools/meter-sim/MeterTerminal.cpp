#include "tools/meter-sim/MeterTerminal.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <stdexcept>
#include <termios.h>
#include <unistd.h>

namespace {

[[noreturn]] void ThrowSystemError(const QString &what)
{
    throw std::runtime_error(QStringLiteral("%1: %2").arg(what, QString::fromLocal8Bit(std::strerror(errno))).toStdString());
}

void MakeRaw(int descriptor, const QString &what)
{
    termios settings{};
    if (::tcgetattr(descriptor, &settings) != 0)
        ThrowSystemError(what);
    ::cfmakeraw(&settings);
    ::cfsetispeed(&settings, B9600);
    ::cfsetospeed(&settings, B9600);
    settings.c_cflag |= CLOCAL | CREAD;
    if (::tcsetattr(descriptor, TCSANOW, &settings) != 0)
        ThrowSystemError(what);
}

} // namespace

std::unique_ptr<TMeterTerminal> TMeterTerminal::OpenPseudoTerminal()
{
    int master = -1;
    int slave = -1;
    char slaveName[256] = {};
    if (::openpty(&master, &slave, slaveName, nullptr, nullptr) != 0)
        ThrowSystemError(QStringLiteral("cannot create a pseudo-terminal"));
    try {
        MakeRaw(slave, QStringLiteral("cannot set up the pseudo-terminal"));
    } catch (...) {
        ::close(master);
        ::close(slave);
        throw;
    }
    // The slave is the listener's: keeping it open here would hide whether anyone listens.
    ::close(slave);
    ::fcntl(master, F_SETFL, ::fcntl(master, F_GETFL) | O_NONBLOCK);
    ::fcntl(master, F_SETFD, FD_CLOEXEC);
    return std::unique_ptr<TMeterTerminal>(new TMeterTerminal(master, QString::fromLocal8Bit(slaveName), true));
}

std::unique_ptr<TMeterTerminal> TMeterTerminal::OpenDevice(const QString &path)
{
    const int descriptor = ::open(QFile::encodeName(path).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0)
        ThrowSystemError(QStringLiteral("cannot open %1").arg(path));
    try {
        MakeRaw(descriptor, QStringLiteral("cannot set up %1").arg(path));
    } catch (...) {
        ::close(descriptor);
        throw;
    }
    return std::unique_ptr<TMeterTerminal>(new TMeterTerminal(descriptor, path, false));
}

TMeterTerminal::TMeterTerminal(int descriptor, QString listenerPath, bool pseudo)
    : Descriptor(descriptor), ListenerPath(std::move(listenerPath)), Pseudo(pseudo)
{
}

TMeterTerminal::~TMeterTerminal()
{
    Close();
}

qint64 TMeterTerminal::Write(const QByteArray &bytes)
{
    if (Descriptor < 0)
        return -1;
    const ssize_t written = ::write(Descriptor, bytes.constData(), static_cast<size_t>(bytes.size()));
    if (written >= 0)
        return written;
    if (errno == EAGAIN || errno == EINTR)
        return 0;
    return -1;
}

bool TMeterTerminal::HasReader() const
{
    if (Descriptor < 0)
        return false;
    if (!Pseudo)
        return true;
    // The master side reports a hang-up while no one has the slave side open.
    pollfd descriptor{Descriptor, POLLOUT, 0};
    return ::poll(&descriptor, 1, 0) >= 0 && (descriptor.revents & POLLHUP) == 0;
}

void TMeterTerminal::Close()
{
    if (Descriptor >= 0)
        ::close(Descriptor);
    Descriptor = -1;
}
