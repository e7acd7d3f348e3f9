#pragma once
// The serial port component's error: a message text only.

#include <QString>

#include <stdexcept>

class EComError : public std::runtime_error {
public:
    explicit EComError(const QString &message)
        : std::runtime_error(message.toStdString()), Message(message) {}

    QString Message;
};
