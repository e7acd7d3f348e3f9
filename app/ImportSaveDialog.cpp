#include "app/ImportSaveDialog.h"

#include <QCoreApplication>

TSaveFileRequest ImportSaveRequest(const QString &logDir, const QString &proposedFile)
{
    return {QCoreApplication::translate("ImportSaveDialog", "Give a name to save the imported data"), QCoreApplication::translate("ImportSaveDialog", "ZELTAR Log Files (*.zlog)"),
            QStringLiteral("zlog"), logDir, proposedFile};
}
