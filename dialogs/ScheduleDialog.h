#pragma once
// The schedule dialog: shows when the running recording began and asks for the local date
// and time at which it is to end, and whether the program is to end with it. Made once and
// reused; the shutdown choice is kept from one opening to the next. Only its Cancel and OK
// buttons close it.

#include "dialogs/ButtonClosedDialog.h"
#include "storage/ScheduledEnd.h"

#include <QDateTime>

#include <array>
#include <optional>

class QCheckBox;
class QLineEdit;
class QToolButton;
class QWidget;

class TScheduleDialog : public TButtonClosedDialog {
    Q_OBJECT

public:
    explicit TScheduleDialog(QWidget *parent = nullptr);

    // Shows the dialog modally (see dialogs/ModalSeam.h) for the recording that began at
    // recordingStart. The end row proposes the end pending in schedule, or six minutes
    // from now (CurrentTime) when none is. True when an end was accepted: it is then the
    // pending end of schedule, looked for at the period of the live intervalSeconds.
    // Cancel leaves schedule as it was.
    bool Execute(const QDateTime &recordingStart, TScheduledEnd &schedule, double intervalSeconds);

    // Fills the start row and proposes the end.
    void FormShow();
    // Checks the end row; messages and a refilled row when it is refused, OK when accepted.
    void ImageOKbClick();
    void ImageCancelbClick();

    QLineEdit *hour_Start = nullptr;
    QLineEdit *min_Start = nullptr;
    QLineEdit *sec_Start = nullptr;
    QLineEdit *day_Start = nullptr;
    QLineEdit *month_Start = nullptr;
    QLineEdit *year_start = nullptr;
    QLineEdit *hour_End = nullptr;
    QLineEdit *min_End = nullptr;
    QLineEdit *sec_End = nullptr;
    QLineEdit *day_End = nullptr;
    QLineEdit *month_End = nullptr;
    QLineEdit *year_End = nullptr;
    QCheckBox *ShutDownCB = nullptr;
    QToolButton *ImageCancelb = nullptr;
    QToolButton *ImageOKb = nullptr;

private:
    using TFieldRow = std::array<QLineEdit *, 6>;  // hour, minute, second, day, month, year

    QWidget *NewHeading();
    QWidget *NewFieldRow(const QString &caption, TFieldRow &fields, bool readOnly);
    QWidget *NewBottomBar();
    TFieldRow StartRow() const;
    TFieldRow EndRow() const;
    // The proposed end back into the end row, after a refused entry as on opening.
    void RefillEndRow();

    // What Execute hands to FormShow and ImageOKbClick.
    QDateTime RecordingStart;
    std::optional<QDateTime> PendingEnd;

    QDateTime ProposedEnd;
    QDateTime AcceptedEnd;
};
