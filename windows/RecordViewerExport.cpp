// The record viewer's export menu: the report, the CSV and the picture of the record shown.
// A button with its own menu at the end of the notes strip, so the charts keep every mouse
// button.

#include "windows/RecordViewer.h"

#include "model/HandlerErrors.h"
#include "charts/ChartWidget.h"
#include "windows/ChoiceGroup.h"
#include "windows/RecordExportCommands.h"
#include "dialogs/WidgetStyle.h"

#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QToolButton>

QToolButton *TRecordViewer::BuildExportButton()
{
    auto *button = new QToolButton(PanelCoolBar);
    button->setText(tr("Export"));
    button->setToolTip(tr("Save the record shown as a PDF report, a CSV file or a picture"));
    button->setPopupMode(QToolButton::InstantPopup);
    button->setFont(NamedFont(QStringLiteral("Corbel"), 15, QFont::Normal, QFont::SansSerif));
    button->setFixedHeight(24);
    auto *menu = new QMenu(button);
    QAction *report = menu->addAction(tr("Save report as PDF…"), this, ShowingErrors(this, &TRecordViewer::SaveReportClick));
    QAction *csv = menu->addAction(tr("Export as CSV…"), this, ShowingErrors(this, &TRecordViewer::ExportCsvClick));
    QAction *picture = menu->addAction(tr("Save picture…"), this, ShowingErrors(this, &TRecordViewer::SavePictureClick));
    connect(menu, &QMenu::aboutToShow, this, ShowingErrors([this, report, csv, picture] {
        const bool shown = !ShownRecordFile.isEmpty() && !LoadInProgress;
        for (QAction *action : {report, csv, picture})
            action->setEnabled(shown);
    }));
    button->setMenu(menu);
    return button;
}

void TRecordViewer::SaveReportClick()
{
    if (ShownRecordFile.isEmpty() || LoadInProgress)
        return;
    const QString saved = SaveReportCommand(this, {ShownRecordFile, RecordMeta, PopulationOfIndex(RiskPopulationRG->ItemIndex()),
                                                   TargetStateOfIndex(RiskStateRG->ItemIndex()), RecordDamage});
    if (!saved.isEmpty())
        PanelStatus->setText(SavedFileStatus(tr("   Report saved to %1"), saved));
}

void TRecordViewer::ExportCsvClick()
{
    if (ShownRecordFile.isEmpty() || LoadInProgress)
        return;
    const QString saved = ExportCsvCommand(this, {ShownRecordFile, RecordMeta, PopulationOfIndex(RiskPopulationRG->ItemIndex()),
                                                  TargetStateOfIndex(RiskStateRG->ItemIndex()), RecordDamage});
    if (!saved.isEmpty())
        PanelStatus->setText(SavedFileStatus(tr("   CSV file saved to %1"), saved));
}

void TRecordViewer::SavePictureClick()
{
    if (ShownRecordFile.isEmpty() || LoadInProgress)
        return;
    const QString saved = SavePictureCommand(this, QFileInfo(ShownRecordFile).completeBaseName(), {TChart, HChart});
    if (!saved.isEmpty())
        PanelStatus->setText(SavedFileStatus(tr("   Picture saved to %1"), saved));
}
