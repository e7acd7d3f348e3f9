#pragma once
// What the main menu's "Export record…" writes for the log picked in the file manager: the
// question (a PDF report or a CSV file), then the command's own save dialog.

#include "model/Risk.h"

#include <QDialog>

#include <optional>

class QPushButton;

class TExportChoiceDialog : public QDialog {
    Q_OBJECT

public:
    enum TChoice { ReportChoice, CsvChoice };

    TExportChoiceDialog(const QString &logName, QWidget *parent);

    TChoice Choice = ReportChoice;
    QPushButton *ReportButton = nullptr;
    QPushButton *CsvButton = nullptr;
    QPushButton *CancelButton = nullptr;
};

// Shown modally through the dialog seam (dialogs/ModalSeam.h); none for Cancel.
std::optional<TExportChoiceDialog::TChoice> AskExportChoice(const QString &logName, QWidget *parent);

// Asks what to write for logFile and writes it with the risk columns of population and state.
// A missing .meta is told and the viewer's defaults are used; failures end in one error box.
void ExportPickedRecord(QWidget *parent, const QString &logFile, TPopulation population, TTargetState state);
