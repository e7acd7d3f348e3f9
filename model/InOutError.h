#pragma once
// The runtime's input/output error: file operations throw it and nothing below the
// application's top-level handler catches it, so the action in progress ends there.

#include "model/MessageError.h"

class EInOutError : public EMessageError {
public:
    // message: the operating system's error text with its code, naming the file.
    EInOutError(const QString &message, int errorCode = 0) : EMessageError(message), ErrorCode(errorCode) {}

    int ErrorCode;
};
