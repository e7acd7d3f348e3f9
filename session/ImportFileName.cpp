#include "session/ImportFileName.h"

#include <QFileInfo>

#include <limits>

namespace {

QString ImportName(const QString &logDir, qint64 n)
{
    return logDir + QStringLiteral("Import") + QString::number(n) + QStringLiteral(".zlog");
}

} // namespace

QString ProposedImportName(const QString &logDir)
{
    constexpr qint64 last = std::numeric_limits<std::int32_t>::max();
    for (qint64 n = 1; n < last; ++n) {
        const QString name = ImportName(logDir, n);
        if (!QFileInfo::exists(name))
            return name;
    }
    return ImportName(logDir, last);
}
