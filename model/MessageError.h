#pragma once
// An error whose text is made for the user: the error box shows Message as it stands.

#include <QString>

#include <stdexcept>

class EMessageError : public std::runtime_error {
public:
    explicit EMessageError(const QString &message) : std::runtime_error(message.toStdString()), Message(message) {}

    QString Message;
};
