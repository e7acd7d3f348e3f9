#include "model/MessageBoxSeam.h"

#include <cstdio>
#include <utility>

namespace {

TMsgAnswer SafeAnswer(TMsgKind, const QString &, TMsgButtons buttons)
{
    switch (buttons) {
    case TMsgButtons::Ok: return TMsgAnswer::Ok;
    case TMsgButtons::OkCancel: return TMsgAnswer::Cancel;
    case TMsgButtons::YesNo: return TMsgAnswer::No;
    case TMsgButtons::YesCancel: return TMsgAnswer::Cancel;
    }
    return TMsgAnswer::Cancel;
}

TMessageBoxHandler &Handler()
{
    static TMessageBoxHandler handler;
    return handler;
}

} // namespace

TMsgAnswer ShowMessageBox(TMsgKind kind, const QString &text, TMsgButtons buttons)
{
    const TMessageBoxHandler &handler = Handler();
    return handler ? handler(kind, text, buttons) : SafeAnswer(kind, text, buttons);
}

TMessageBoxHandler SetMessageBoxHandler(TMessageBoxHandler handler)
{
    return std::exchange(Handler(), std::move(handler));
}

void SendMessagesToStandardError()
{
    SetMessageBoxHandler([](TMsgKind kind, const QString &text, TMsgButtons buttons) {
        std::fprintf(stderr, "ZELTAR Logger: %s\n", text.toLocal8Bit().constData());
        std::fflush(stderr);
        return SafeAnswer(kind, text, buttons);
    });
}
