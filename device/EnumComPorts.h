#pragma once
// Lists the serial ports the meter may be on: <deviceDir>/ttyACM<n> and <deviceDir>/ttyUSB<n>
// for n = 0 ... 255 that can be opened for reading and writing right now, in ascending n
// (ttyACM before ttyUSB at equal n), so the last one is the highest. The full paths are
// appended after what the list already holds.

#include <QString>
#include <QStringList>

void EnumComPorts(QStringList &list, const QString &deviceDir = QStringLiteral("/dev"));

// The paths looked at, in that order, whether they exist or not. A deviceDir that is no
// folder is one port named by the user (the recorder's --port): the only candidate.
QStringList ComPortCandidates(const QString &deviceDir);
