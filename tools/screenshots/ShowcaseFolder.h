#pragma once
// A temporary application folder as a user's would look after some weeks of use: the
// installation's resources, the sample record and a few more records made with the
// program's own file routines from generated readings.

#include "model/AppPaths.h"

#include <QStringList>
#include <QTemporaryDir>

class TShowcaseFolder {
public:
    // Copies every file of resourcesDir and the records (.zlog, .meta, .histo) of samplesDir.
    // Throws std::runtime_error (or EInOutError from the file routines) when that fails.
    TShowcaseFolder(const QString &resourcesDir, const QString &samplesDir);

    const TAppPaths &Paths() const { return AppPaths; }
    // The sample record's log, in the Log folder.
    const QString &SampleLog() const { return SampleLogPath; }
    // Every log in the Log folder, oldest first.
    QStringList Logs() const;

private:
    QTemporaryDir Dir;
    TAppPaths AppPaths;
    QString SampleLogPath;
};
