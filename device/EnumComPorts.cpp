#include "device/EnumComPorts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

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

QStringList ComPortCandidates(const QString &deviceDir)
{
    if (!QFileInfo(deviceDir).isDir())
        return {deviceDir};
    const QDir folder(deviceDir);
    QStringList candidates;
    for (int n = 0; n < PortNumbers; ++n)
        for (const char *family : {"ttyACM", "ttyUSB"})
            candidates.append(folder.filePath(QLatin1StringView(family) + QString::number(n)));
    return candidates;
}

void EnumComPorts(QStringList &list, const QString &deviceDir)
{
    for (const QString &path : ComPortCandidates(deviceDir))
        if (CanOpenForReadWrite(path))
            list.append(path);
}
