#include "model/FileError.h"

#include <QDir>

#include <cstring>

namespace {

EInOutError MakeError(const QString &text, int code, const QString &fileName)
{
    return EInOutError(QStringLiteral("%1 (%2): %3").arg(text).arg(code).arg(QDir::toNativeSeparators(fileName)),
                       code);
}

} // namespace

EInOutError FileError(const QString &fileName, int errorCode)
{
    return MakeError(QString::fromLocal8Bit(std::strerror(errorCode)), errorCode, fileName);
}

EInOutError FileError(const QFileDevice &file, const QString &fileName, int savedErrno)
{
    const QString text = file.errorString();
    if (savedErrno != 0 && text == QString::fromLocal8Bit(std::strerror(savedErrno)))
        return MakeError(text, savedErrno, fileName);
    return MakeError(text, static_cast<int>(file.error()), fileName);
}
