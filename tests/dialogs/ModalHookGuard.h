#pragma once
// Answers a dialog class's modal showings with a test's hook while it lives.

#include "dialogs/ModalSeam.h"

#include <functional>
#include <utility>

template <class TDialog>
class ModalHookGuard {
public:
    explicit ModalHookGuard(std::function<void(TDialog &)> hook) { TModalSeam<TDialog>::Hook = std::move(hook); }
    ~ModalHookGuard() { TModalSeam<TDialog>::Hook = nullptr; }
    ModalHookGuard(const ModalHookGuard &) = delete;
    ModalHookGuard &operator=(const ModalHookGuard &) = delete;
};
