#pragma once
// A text that should hold an integer and does not: the settings boxes are editable, so what
// the user types is converted, and a failed conversion ends the action with this error.

#include <QCoreApplication>
#include <QString>

#include <stdexcept>

class EConvertError : public std::runtime_error {
public:
    explicit EConvertError(const QString &text)
        : std::runtime_error(QCoreApplication::translate("ConvertError", "'%1' is not a valid integer value")
                                 .arg(text)
                                 .toStdString()) {}
};

// The integer in text (optional sign after optional leading blanks); EConvertError otherwise.
int StrToInt(const QString &text);
