#pragma once
// The EInOutError of a failed file operation: the system's error text with its code, and
// the file's name.

#include "model/InOutError.h"

#include <QFileDevice>
#include <QString>

// errorCode: the errno of the failed call.
EInOutError FileError(const QString &fileName, int errorCode);
// After a failed QFile / QSaveFile call; savedErrno: errno right after that call. Qt's text
// is used, with the errno when it names the same failure, else with Qt's error number.
EInOutError FileError(const QFileDevice &file, const QString &fileName, int savedErrno);
