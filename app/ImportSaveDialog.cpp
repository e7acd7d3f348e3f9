#include "app/ImportSaveDialog.h"

TSaveFileRequest ImportSaveRequest(const QString &logDir, const QString &proposedFile)
{
    return {QStringLiteral("Give a name to save the imported data"), QStringLiteral("ZELTAR Log Files (*.zlog)"),
            QStringLiteral("zlog"), logDir, proposedFile};
}
