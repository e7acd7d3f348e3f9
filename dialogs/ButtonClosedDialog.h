#pragma once
// A dialog that only its own buttons close: Escape and the window manager's close both end
// in reject(), which does nothing here.

#include <QDialog>

class TButtonClosedDialog : public QDialog {
public:
    using QDialog::QDialog;

    void reject() override {}
};
