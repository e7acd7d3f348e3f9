#pragma once
// How the dialogs are shown modally. A test installs a hook for a dialog class to answer
// it without a modal loop: the hook gets the prepared dialog, fills its fields and closes
// it through its handlers (or leaves it open, which counts as not accepted).

#include <QDialog>

#include <functional>

template <class TDialog>
struct TModalSeam {
    static inline std::function<void(TDialog &)> Hook;
};

// The dialog's result: QDialog::Accepted or QDialog::Rejected.
template <class TDialog>
int RunModal(TDialog &dialog)
{
    if (!TModalSeam<TDialog>::Hook)
        return dialog.exec();
    dialog.setResult(QDialog::Rejected);
    TModalSeam<TDialog>::Hook(dialog);
    return dialog.result();
}
