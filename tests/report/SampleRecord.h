#pragma once
// The sample record of the repository copied into a Log folder, for the report tests.

#include <QFile>
#include <QString>

inline QString CopySampleRecord(const QString &logDir)
{
    const QString name = QStringLiteral("2025 01 07 - 09 05 03");
    for (const char *suffix : {".zlog", ".meta", ".histo"})
        QFile::copy(QStringLiteral(ZELTAR_SAMPLES_DIR "/") + name + suffix, logDir + name + suffix);
    return logDir + name + ".zlog";
}
