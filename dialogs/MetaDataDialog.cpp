#include "dialogs/MetaDataDialog.h"

#include "model/HandlerErrors.h"
#include "dialogs/DialogLook.h"
#include "dialogs/ModalSeam.h"
#include "dialogs/WidgetStyle.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int CaptionWidth = 110;
constexpr int BarHeight = 2;

} // namespace

TMetaDataDialog::TMetaDataDialog(TMetaData &currentMetaData, QWidget *parent)
    : TButtonClosedDialog(parent, CaptionOnlyTitleBar | Qt::WindowStaysOnTopHint), CurrentMetaData(currentMetaData)
{
    setWindowTitle(tr("Edit Meta Data to be saved with the record"));
    SetColours(this, DialogTextGrey, Qt::white);
    setFont(NamedFont(QStringLiteral("Sitka Text"), 16, QFont::Serif));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    EditOperator = AddRow(*layout, tr(" Operator: "), QStringLiteral("Unknown"));
    EditPlace = AddRow(*layout, tr(" Place:"), QStringLiteral("Unknown"));
    EditNotes = AddRow(*layout, tr(" Notes:"), QStringLiteral("None"));
    EditOperator->setObjectName(QStringLiteral("EditOperator"));
    EditPlace->setObjectName(QStringLiteral("EditPlace"));
    EditNotes->setObjectName(QStringLiteral("EditNotes"));

    ImageOKb = NewImageButton(tr("OK"), QStyle::SP_DialogOkButton, this);
    ImageOKb->setObjectName(QStringLiteral("ImageOKb"));
    ImageOKb->setToolTip(tr("Save the session using current Meta-Data"));
    connect(ImageOKb, &QToolButton::clicked, this, ShowingErrors(this, &TMetaDataDialog::ImageOKbClick));
    auto *bottom = new QHBoxLayout;
    bottom->setContentsMargins(8, 4, 8, 4);
    bottom->addStretch();
    bottom->addWidget(ImageOKb);
    layout->addLayout(bottom);

    setFixedSize(878, 176);
}

QLineEdit *TMetaDataDialog::AddRow(QVBoxLayout &rows, const QString &caption, const QString &initialText)
{
    auto *label = new QLabel(caption, this);
    label->setFixedWidth(CaptionWidth);
    auto *edit = new QLineEdit(initialText, this);
    edit->setFrame(false);
    SetColours(edit, DialogTextGrey, Qt::white);
    edit->installEventFilter(this);

    auto *row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 8, 0);
    row->addWidget(label);
    row->addWidget(edit, 1);
    rows.addLayout(row, 1);
    rows.addWidget(NewBand(BarHeight, Qt::lightGray, this));
    return edit;
}

bool TMetaDataDialog::Execute()
{
    CentreOnScreen(*this);
    return RunModal(*this) == QDialog::Accepted;
}

void TMetaDataDialog::EditOperatorClick(QLineEdit *Sender)
{
    const QString text = Sender->text();
    if (text == u"Unknown" || text == u"0" || text == u"None")
        Sender->clear();
}

void TMetaDataDialog::ImageOKbClick()
{
    CurrentMetaData.Operator.Set(EditOperator->text());
    CurrentMetaData.Place.Set(EditPlace->text());
    CurrentMetaData.Notes.Set(EditNotes->text());
    done(QDialog::Accepted);
}

bool TMetaDataDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        for (QLineEdit *edit : {EditOperator, EditPlace, EditNotes})
            if (watched == edit)
                EditOperatorClick(edit);
    }
    return QDialog::eventFilter(watched, event);
}
