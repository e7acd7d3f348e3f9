#include "device/PortPermission.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr int PortNumbers = 256;

} // namespace

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
    const QDir folder(deviceDir);
    QStringList denied;
    for (int n = 0; n < PortNumbers; ++n) {
        for (const char *family : {"ttyACM", "ttyUSB"}) {
            const QString path = folder.filePath(QLatin1StringView(family) + QString::number(n));
            if (!QFileInfo::exists(path))
                continue;
            const int error = openCheck(path);
            if (error == EACCES || error == EPERM)
                denied.append(path);
        }
    }
    return denied;
}

QString PortPermissionHint(const QStringList &denied)
{
    if (denied.isEmpty())
        return {};
    return QStringLiteral(" %1 is present but this user may not open it: add the user to the \"dialout\" group "
                          "(sudo usermod -aG dialout $USER) and log in again.")
        .arg(QDir::toNativeSeparators(denied.last()));
}
