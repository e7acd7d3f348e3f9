#include "device/PortPermission.h"

#include "device/EnumComPorts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

int TryOpenForReadWrite(const QString &path)
{
    const int descriptor = ::open(QFile::encodeName(path).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0)
        return errno;
    ::close(descriptor);
    return 0;
}

QStringList DeniedComPorts(const QString &deviceDir, const TPortOpenCheck &openCheck)
{
    QStringList denied;
    for (const QString &path : ComPortCandidates(deviceDir)) {
        if (!QFileInfo::exists(path))
            continue;
        const int error = openCheck(path);
        if (error == EACCES || error == EPERM)
            denied.append(path);
    }
    return denied;
}

QString PortPermissionHint(const QStringList &denied)
{
    if (denied.isEmpty())
        return {};
    return QCoreApplication::translate("PortPermission",
                                       " %1 is present but this user may not open it: add the user to the "
                                       "\"dialout\" group (sudo usermod -aG dialout $USER) and log in again.")
        .arg(QDir::toNativeSeparators(denied.last()));
}
