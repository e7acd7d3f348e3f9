#include "app/ImportSaveDialog.h"

#include "app/ImportFileName.h"

TSaveFileRequest ImportSaveRequest(const QString &logDir)
{
    return {QStringLiteral("Give a name to save the imported data"), QStringLiteral("ZELTAR Log Files (*.zlog)"),
            QStringLiteral("zlog"), logDir, ProposedImportName(logDir)};
}
