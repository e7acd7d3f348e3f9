#include "session/FreeLogName.h"

#include "storage/LogFile.h"

#include <QFileInfo>

namespace {

bool RecordExists(const QString &logPath)
{
    for (const QString &companion : {CompanionName(logPath, QStringLiteral(".meta")),
                                     CompanionName(logPath, QStringLiteral(".histo"))})
        if (QFileInfo::exists(companion))
            return true;
    return QFileInfo::exists(logPath);
}

} // namespace

QString FreeLogFileName(const QString &logDir, const QDateTime &now)
{
    QDateTime moment = now;
    QString name = LogFileName(logDir, moment);
    while (RecordExists(name)) {
        moment = moment.addSecs(1);
        name = LogFileName(logDir, moment);
    }
    return name;
}
