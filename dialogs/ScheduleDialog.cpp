#include "dialogs/ScheduleDialog.h"

#include "model/HandlerErrors.h"
#include "model/Services.h"
#include "dialogs/DialogLook.h"
#include "dialogs/ModalSeam.h"
#include "storage/ScheduleValidation.h"
#include "dialogs/WidgetStyle.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int CaptionWidth = 176;
constexpr int CellWidth = 56;
constexpr int BandHeight = 4;
constexpr qint64 ProposedDelaySeconds = 6 * 60;

// Each part as a plain decimal number; an unknown moment leaves the row empty.
void FillRow(const std::array<QLineEdit *, 6> &row, const QDateTime &moment)
{
    if (!moment.isValid()) {
        for (QLineEdit *field : row)
            field->clear();
        return;
    }
    const QDate date = moment.date();
    const QTime time = moment.time();
    const std::array<int, 6> parts = {time.hour(), time.minute(), time.second(), date.day(), date.month(), date.year()};
    for (std::size_t i = 0; i < row.size(); ++i)
        row[i]->setText(QString::number(parts[i]));
}

QHBoxLayout *NewRowLayout(QWidget *row)
{
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 2, 8, 2);
    layout->setSpacing(6);
    return layout;
}

QLabel *NewCaption(const QString &text, int width, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setFixedWidth(width);
    return label;
}

} // namespace

TScheduleDialog::TScheduleDialog(QWidget *parent) : TButtonClosedDialog(parent, CaptionOnlyTitleBar)
{
    setWindowTitle(tr("Schedule"));
    SetColours(this, DialogTextGrey, palette().color(QPalette::Window));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    TFieldRow start{};
    TFieldRow end{};
    layout->addWidget(NewHeading());
    layout->addWidget(NewBand(BandHeight, DialogBandGrey, this));
    layout->addWidget(NewFieldRow(tr(" Starting time and date :"), start, true));
    layout->addWidget(NewBand(BandHeight, DialogBandGrey, this));
    layout->addWidget(NewFieldRow(tr(" Schedule end :"), end, false));
    layout->addWidget(NewBand(BandHeight, DialogBandGrey, this));
    layout->addStretch();
    layout->addWidget(NewBottomBar());

    hour_Start = start[0];
    min_Start = start[1];
    sec_Start = start[2];
    day_Start = start[3];
    month_Start = start[4];
    year_start = start[5];
    hour_End = end[0];
    min_End = end[1];
    sec_End = end[2];
    day_End = end[3];
    month_End = end[4];
    year_End = end[5];

    setFixedSize(560, 200);
}

QWidget *TScheduleDialog::NewHeading()
{
    auto *heading = new QWidget(this);
    SetColours(heading, DialogTextGrey, Qt::white);
    QHBoxLayout *layout = NewRowLayout(heading);
    QLabel *title = NewCaption(tr("       Recording"), CaptionWidth, heading);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    layout->addWidget(title);
    for (const TEndFieldRule &rule : EndFieldRules()) {
        QLabel *column = NewCaption(FieldName(rule), CellWidth, heading);
        column->setAlignment(Qt::AlignCenter);
        layout->addWidget(column);
    }
    layout->addStretch();
    return heading;
}

QWidget *TScheduleDialog::NewFieldRow(const QString &caption, TFieldRow &fields, bool readOnly)
{
    auto *row = new QWidget(this);
    QHBoxLayout *layout = NewRowLayout(row);
    layout->addWidget(NewCaption(caption, CaptionWidth, row));
    for (QLineEdit *&field : fields) {
        field = new QLineEdit(row);
        field->setFixedWidth(CellWidth);
        field->setAlignment(Qt::AlignCenter);
        field->setReadOnly(readOnly);
        SetColours(field, DialogTextGrey, Qt::white);
        layout->addWidget(field);
    }
    layout->addStretch();
    return row;
}

QWidget *TScheduleDialog::NewBottomBar()
{
    auto *bar = new QWidget(this);
    QHBoxLayout *layout = NewRowLayout(bar);
    layout->setContentsMargins(8, 4, 8, 6);
    ShutDownCB = new QCheckBox(tr("Shutdown upon completion"), bar);
    ImageCancelb = NewImageButton(tr("Cancel"), QStyle::SP_DialogCancelButton, bar);
    ImageOKb = NewImageButton(tr("OK"), QStyle::SP_DialogOkButton, bar);
    connect(ImageCancelb, &QToolButton::clicked, this, ShowingErrors(this, &TScheduleDialog::ImageCancelbClick));
    connect(ImageOKb, &QToolButton::clicked, this, ShowingErrors(this, &TScheduleDialog::ImageOKbClick));
    layout->addWidget(ShutDownCB);
    layout->addStretch();
    layout->addWidget(ImageCancelb);
    layout->addWidget(ImageOKb);
    return bar;
}

TScheduleDialog::TFieldRow TScheduleDialog::StartRow() const
{
    return {hour_Start, min_Start, sec_Start, day_Start, month_Start, year_start};
}

TScheduleDialog::TFieldRow TScheduleDialog::EndRow() const
{
    return {hour_End, min_End, sec_End, day_End, month_End, year_End};
}

bool TScheduleDialog::Execute(const QDateTime &recordingStart, TScheduledEnd &schedule, double intervalSeconds)
{
    RecordingStart = recordingStart;
    PendingEnd = schedule.IsPending() ? std::optional(schedule.EndTime()) : std::nullopt;
    FormShow();
    CentreOnScreen(*this);
    if (RunModal(*this) != QDialog::Accepted)
        return false;
    schedule.Schedule(AcceptedEnd, intervalSeconds);
    return true;
}

void TScheduleDialog::FormShow()
{
    FillRow(StartRow(), RecordingStart);
    ProposedEnd = PendingEnd ? *PendingEnd : CurrentTime().addSecs(ProposedDelaySeconds);
    RefillEndRow();
}

void TScheduleDialog::RefillEndRow()
{
    FillRow(EndRow(), ProposedEnd);
}

void TScheduleDialog::ImageOKbClick()
{
    std::array<QString, 6> texts;
    const TFieldRow row = EndRow();
    for (std::size_t i = 0; i < row.size(); ++i)
        texts[i] = row[i]->text();

    const TEndFieldsCheck check = CheckEndFields(texts);
    for (const QString &message : check.Messages)
        ShowMessageBox(TMsgKind::Warning, message, TMsgButtons::Ok);
    if (!check.Messages.isEmpty())
        return;

    const TEndJudgement judgement = JudgeEnd(check.Fields, CurrentTime());
    switch (judgement.Verdict) {
    case TEndVerdict::NotADate:
        RefillEndRow();
        return;
    case TEndVerdict::TooClose:
        ShowMessageBox(TMsgKind::Warning, TooCloseMessage(), TMsgButtons::Ok);
        RefillEndRow();
        return;
    case TEndVerdict::Accepted:
        AcceptedEnd = judgement.End;
        done(QDialog::Accepted);
        return;
    }
}

void TScheduleDialog::ImageCancelbClick()
{
    done(QDialog::Rejected);
}
