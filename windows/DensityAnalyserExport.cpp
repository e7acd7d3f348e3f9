// The density analyser's "Save picture…" button in the band above the chart.

#include "windows/DensityAnalyser.h"

#include "model/HandlerErrors.h"
#include "windows/DensityColours.h"
#include "windows/DensityCurve.h"
#include "windows/DensityLegend.h"
#include "windows/RecordExportCommands.h"
#include "dialogs/WidgetStyle.h"

#include <QLabel>
#include <QToolButton>

QToolButton *TDensityAnalyser::BuildSavePictureButton(QWidget *parent)
{
    auto *button = new QToolButton(parent);
    button->setText(tr("Save picture…"));
    button->setToolTip(tr("Save the chart as a PNG or SVG picture"));
    button->setFont(NamedFont(QStringLiteral("Corbel"), 15, QFont::Normal, QFont::SansSerif));
    button->setFixedHeight(24);
    connect(button, &QToolButton::clicked, this, ShowingErrors(this, &TDensityAnalyser::SavePictureClick));
    return button;
}

void TDensityAnalyser::SavePictureClick()
{
    if (!HasDensity())
        return;
    // The picture names its curves as the legend beside the chart does; files without a curve stay out.
    std::vector<TPictureLegendLine> legend;
    for (std::size_t i = 0; i < DensityList.size() && i < std::size_t(DensityFiles.size()); ++i)
        if (HasDensityCurve(DensityList[i]))
            legend.push_back({LegendName(DensityFiles[qsizetype(i)]), DensityColour(i)});
    const QString saved = SavePictureCommand(this, QStringLiteral("Density"), {HChart}, legend);
    if (!saved.isEmpty())
        SaveStatus->setText(SavedFileStatus(tr("   Picture saved to %1"), saved));
}
