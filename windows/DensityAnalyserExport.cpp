// The density analyser's "Save picture…" button in the band above the chart.

#include "windows/DensityAnalyser.h"

#include "model/HandlerErrors.h"
#include "windows/RecordExportCommands.h"
#include "dialogs/WidgetStyle.h"

#include <QToolButton>

QToolButton *TDensityAnalyser::BuildSavePictureButton(QWidget *parent)
{
    auto *button = new QToolButton(parent);
    button->setText(QStringLiteral("Save picture…"));
    button->setToolTip(QStringLiteral("Save the chart as a PNG or SVG picture"));
    button->setFont(NamedFont(QStringLiteral("Corbel"), 15, QFont::Normal, QFont::SansSerif));
    button->setFixedHeight(24);
    connect(button, &QToolButton::clicked, this, ShowingErrors(this, &TDensityAnalyser::SavePictureClick));
    return button;
}

void TDensityAnalyser::SavePictureClick()
{
    if (HasDensity())
        SavePictureCommand(this, QStringLiteral("Density"), {HChart});
}
