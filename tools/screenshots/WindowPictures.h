#pragma once
// Each window brought into the state a new user would see with real records, shown, and
// written as a PNG. Failures throw std::runtime_error.

#include <QString>
#include <QStringList>

class TMainWindow;
class TRecordViewer;
class TDensityAnalyser;
class TFileManager;

// The main window after a minute of readings at 1 s while listening.
void SaveMainWindowPicture(TMainWindow &mainWindow, const QString &pngFile);
// The viewer with logFile open.
void SaveViewerPicture(TRecordViewer &viewer, const QString &logFile, const QString &pngFile);
// The file manager in mode 0: the listed folder's newest log current, its information and preview shown.
void SaveFileManagerPicture(TFileManager &fileManager, const QString &pngFile);
// The density analyser with the level distributions of histogramFiles.
void SaveAnalyserPicture(TDensityAnalyser &analyser, const QStringList &histogramFiles, const QString &pngFile);
