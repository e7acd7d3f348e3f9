#include "windows/ExportChoiceDialog.h"

#include "model/HandlerErrors.h"
#include "model/InOutError.h"
#include "model/ProgramVersion.h"
#include "model/Services.h"
#include "report/RecordExport.h"
#include "dialogs/ModalSeam.h"
#include "windows/RecordExportCommands.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TExportChoiceDialog::TExportChoiceDialog(const QString &logName, QWidget *parent) : QDialog(parent)
{
    setWindowTitle(ProgramName);
    auto *page = new QVBoxLayout(this);
    page->addWidget(new QLabel(tr("What do you want to write for the record \"%1\"?").arg(logName), this));
    auto *buttons = new QHBoxLayout;
    ReportButton = new QPushButton(tr("PDF report…"), this);
    CsvButton = new QPushButton(tr("CSV file…"), this);
    CancelButton = new QPushButton(tr("Cancel"), this);
    ReportButton->setDefault(true);
    for (QPushButton *button : {ReportButton, CsvButton, CancelButton})
        buttons->addWidget(button);
    page->addLayout(buttons);
    connect(ReportButton, &QPushButton::clicked, this, ShowingErrors([this] {
        Choice = ReportChoice;
        accept();
    }));
    connect(CsvButton, &QPushButton::clicked, this, ShowingErrors([this] {
        Choice = CsvChoice;
        accept();
    }));
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

std::optional<TExportChoiceDialog::TChoice> AskExportChoice(const QString &logName, QWidget *parent)
{
    TExportChoiceDialog dialog(logName, parent);
    if (RunModal(dialog) != QDialog::Accepted)
        return std::nullopt;
    return dialog.Choice;
}

void ExportPickedRecord(QWidget *parent, const QString &logFile, TPopulation population, TTargetState state)
{
    try {
        const std::optional<TExportChoiceDialog::TChoice> choice = AskExportChoice(QFileInfo(logFile).fileName(), parent);
        if (!choice)
            return;
        const TExportMeta meta = ReadExportMeta(logFile);
        if (!meta.Found)
            ShowMessageBox(TMsgKind::Information,
                           TExportChoiceDialog::tr("The meta data file associated to the log file you have selected has not "
                                          "been found. Default control parameters will be used, but they may not be "
                                          "appropriate for the recording."));
        const TReportRequest request{logFile, meta.Meta, population, state, meta.Damage};
        if (*choice == TExportChoiceDialog::CsvChoice)
            ExportCsvCommand(parent, request);
        else
            SaveReportCommand(parent, request);
    } catch (const EInOutError &error) {
        ShowMessageBox(TMsgKind::Error, error.Message);
    }
}
