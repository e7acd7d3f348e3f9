#pragma once
// Meter ports that are plugged in but closed to this user. On Linux a serial device belongs
// to a group (dialout on Debian) that a new user is not in: the port then never shows up
// among the openable ones and the program would wait for a meter that is already there.

#include <QString>
#include <QStringList>

#include <functional>

// Tries to open path for reading and writing; returns 0 on success, else the errno.
using TPortOpenCheck = std::function<int(const QString &path)>;

int TryOpenForReadWrite(const QString &path);

// The candidates of EnumComPorts (ComPortCandidates, same order) that exist but whose open
// fails with EACCES or EPERM.
QStringList DeniedComPorts(const QString &deviceDir, const TPortOpenCheck &openCheck = TryOpenForReadWrite);

// The sentence that follows the waiting text when denied is not empty (it names the last,
// highest port), else an empty text.
QString PortPermissionHint(const QStringList &denied);
