#pragma once
// The alerts dialog: the limit at which an alert starts (a risk category, or a level of the
// reading instead), how long the readings must stay below it for the alert to end, and whether
// a tone sounds while it lasts.

#include "storage/ProgramOptionsFile.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QToolButton;

class TAlertsDialog : public QDialog {
    Q_OBJECT

public:
    explicit TAlertsDialog(QWidget *parent = nullptr);

    // Shows options modally (see dialogs/ModalSeam.h), a level in unitName; true when OK
    // took the entries into options. Cancel leaves them as they were.
    bool Execute(TAlertOptions &options, const QString &unitName);

    // Takes the entries, or tells what cannot be taken and stays open.
    void OkClick();

    QRadioButton *CategoryRB = nullptr;
    QComboBox *CategoryCB = nullptr;
    QRadioButton *LevelRB = nullptr;
    QLineEdit *LevelEdit = nullptr;
    QLabel *LevelUnit = nullptr;
    QDoubleSpinBox *HoldSB = nullptr;
    QCheckBox *ToneCB = nullptr;
    QToolButton *CancelB = nullptr;
    QToolButton *OkB = nullptr;

private:
    void Show(const TAlertOptions &options, const QString &unitName);
    void EnableLimitFields();

    TAlertOptions Taken;
};
