#pragma once
// The 8-bit character set of every text in .meta, .histo and the settings file, so that
// the files move between installations byte for byte.

#include <QByteArray>
#include <QString>

// One byte per character; a character the set cannot hold becomes '?'.
QByteArray ToWindows1252(const QString &text);
QString FromWindows1252(const QByteArray &bytes);
