#pragma once
// The boundary of an event handler: what escapes the action is shown in the program's error
// box right there, so no exception travels through Qt's signal code and the program goes on
// with the next event. The action that threw ends there.

#include "model/Services.h"

#include <QString>

#include <exception>
#include <utility>

// The text an escaped exception is shown with: the message of the program's own errors, the
// standard text of any other.
QString EscapedErrorText(std::exception_ptr error);

template <class TAction>
void RunShowingErrors(TAction &&action)
{
    try {
        std::forward<TAction>(action)();
    } catch (...) {
        ShowMessageBox(TMsgKind::Error, EscapedErrorText(std::current_exception()));
    }
}

// A slot that runs action, with the signal's arguments it takes, within that boundary.
template <class TAction>
auto ShowingErrors(TAction action)
{
    return [action = std::move(action)](auto &&...args) -> decltype(action(args...), void()) {
        RunShowingErrors([&] { action(std::forward<decltype(args)>(args)...); });
    };
}

// A slot that runs handler on object within that boundary.
template <class TObject, class... TArgs>
auto ShowingErrors(TObject *object, void (TObject::*handler)(TArgs...))
{
    return [object, handler](TArgs... args) { RunShowingErrors([&] { (object->*handler)(args...); }); };
}
