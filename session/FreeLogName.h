#pragma once
// The name of a new recording's log. Names are made of the start time to the second, so a
// recording begun within the second of the previous one (a restart, Record pressed twice)
// would take its name and overwrite it; it takes the next free second's name instead.

#include <QDateTime>
#include <QString>

// LogFileName(logDir, now), or that of the first later second for which no .zlog, .meta
// or .histo exists yet.
QString FreeLogFileName(const QString &logDir, const QDateTime &now);
