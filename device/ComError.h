#pragma once
// The serial port component's error: a message text only.

#include "model/MessageError.h"

class EComError : public EMessageError {
public:
    explicit EComError(const QString &message) : EMessageError(message) {}
};
