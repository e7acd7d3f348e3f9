#include "device/EnumComPorts.h"

#include <QDir>
#include <QFile>

#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr int PortNumbers = 256;

bool CanOpenForReadWrite(const QString &path)
{
    // Non-blocking, so that a port waiting for carrier does not hold up the search.
    const int descriptor = ::open(QFile::encodeName(path).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0)
        return false;
    ::close(descriptor);
    return true;
}

} // namespace

void EnumComPorts(QStringList &list, const QString &deviceDir)
{
    const QDir folder(deviceDir);
    for (int n = 0; n < PortNumbers; ++n) {
        for (const char *family : {"ttyACM", "ttyUSB"}) {
            const QString path = folder.filePath(QLatin1StringView(family) + QString::number(n));
            if (CanOpenForReadWrite(path))
                list.append(path);
        }
    }
}
