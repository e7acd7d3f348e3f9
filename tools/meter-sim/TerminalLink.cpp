#include "tools/meter-sim/TerminalLink.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <stdexcept>
#include <unistd.h>

TTerminalLink::TTerminalLink(const QString &linkPath, const QString &target) : LinkPath(linkPath), Target(target)
{
    const QByteArray link = QFile::encodeName(linkPath);
    // A link left by a simulator that was killed is replaced.
    if (QFileInfo(linkPath).isSymLink())
        ::unlink(link.constData());
    if (::symlink(QFile::encodeName(target).constData(), link.constData()) != 0)
        throw std::runtime_error(QStringLiteral("cannot make the link %1: %2")
                                     .arg(linkPath, QString::fromLocal8Bit(std::strerror(errno)))
                                     .toStdString());
}

TTerminalLink::~TTerminalLink()
{
    if (QFileInfo(LinkPath).symLinkTarget() == QFileInfo(Target).absoluteFilePath())
        ::unlink(QFile::encodeName(LinkPath).constData());
}
