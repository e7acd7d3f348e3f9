#pragma once
// The runtime's input/output error: file operations throw it and nothing below the
// application's top-level handler catches it, so the action in progress ends there.

#include <QString>

#include <stdexcept>

class EInOutError : public std::runtime_error {
public:
    // message: the operating system's error text with its code, naming the file.
    EInOutError(const QString &message, int errorCode = 0)
        : std::runtime_error(message.toStdString()), Message(message), ErrorCode(errorCode) {}

    QString Message;
    int ErrorCode;
};
