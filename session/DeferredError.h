#pragma once
// Completing an action whose file work failed: the file error of a step is kept while the
// remaining steps run, so that a stop still stops when its save could not be written, and
// is thrown at the end for the application's handler to show. Only the first is kept: the
// user hears of a failed action once.

#include "model/InOutError.h"

#include <exception>
#include <utility>

class TDeferredError {
public:
    template <class TStep>
    void Run(TStep &&step)
    {
        try {
            std::forward<TStep>(step)();
        } catch (const EInOutError &) {
            if (!Error)
                Error = std::current_exception();
        }
    }

    explicit operator bool() const { return static_cast<bool>(Error); }
    void Rethrow() const
    {
        if (Error)
            std::rethrow_exception(Error);
    }

private:
    std::exception_ptr Error;
};
