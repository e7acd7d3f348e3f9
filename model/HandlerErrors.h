#pragma once
// The boundary of an event handler: what escapes the action is shown in the program's error
// box right there, so no exception travels through Qt's signal code.

#include "app/Application.h"
#include "model/MessageBoxSeam.h"

#include <exception>
#include <utility>

template <class TAction>
void RunShowingErrors(TAction &&action)
{
    try {
        std::forward<TAction>(action)();
    } catch (...) {
        ShowMessageBox(TMsgKind::Error, EscapedErrorText(std::current_exception()));
    }
}

// A slot that runs handler on object within that boundary.
template <class TObject>
auto ShowingErrors(TObject *object, void (TObject::*handler)())
{
    return [object, handler] { RunShowingErrors([object, handler] { (object->*handler)(); }); };
}
