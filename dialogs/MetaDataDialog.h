#pragma once
// The metadata dialog: operator, place and notes of a record, asked before its .meta file
// is written. Made once and reused, so the texts of one recording are proposed for the
// next. OK is the only way out: no Cancel, no close box, Escape does nothing.

#include "dialogs/ButtonClosedDialog.h"
#include "storage/MetaData.h"

class QLineEdit;
class QToolButton;
class QVBoxLayout;

class TMetaDataDialog : public TButtonClosedDialog {
    Q_OBJECT

public:
    // The dialog writes into currentMetaData, which must outlive it.
    explicit TMetaDataDialog(TMetaData &currentMetaData, QWidget *parent = nullptr);

    // Shows the dialog modally (see dialogs/ModalSeam.h); true when it was closed by OK,
    // the texts then being in the metadata.
    bool Execute();

    // A placeholder text ("Unknown", "0", "None") goes on the first click into its field;
    // any other text stays.
    void EditOperatorClick(QLineEdit *Sender);
    // Operator, place and notes into the metadata, cut to their fields; then close with OK.
    void ImageOKbClick();

    QLineEdit *EditOperator = nullptr;
    QLineEdit *EditPlace = nullptr;
    QLineEdit *EditNotes = nullptr;
    QToolButton *ImageOKb = nullptr;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // A caption and its borderless field, followed by the bar below them.
    QLineEdit *AddRow(QVBoxLayout &rows, const QString &caption, const QString &initialText);

    TMetaData &CurrentMetaData;
};
