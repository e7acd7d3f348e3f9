// The main window's side of the settings file: the eight settings as its controls hold them,
// and loaded settings put back into the controls.

#include "windows/ChoiceGroup.h"
#include "app/MainWindow.h"
#include "model/NumberText.h"
#include "windows/StatisticsPanel.h"

#include <QComboBox>

#include <limits>

namespace {

// A box whose text is no valid number is saved with the value in effect, so that the file
// stays readable at the next start.
int NumberInBox(const QComboBox *box, int valueInEffect, int lowest)
{
    const std::optional<int> typed = DecimalTextToInt(box->currentText());
    return typed && *typed >= lowest ? *typed : valueInEffect;
}

} // namespace

TLastSettings TMainWindow::CurrentSettings() const
{
    TLastSettings settings;
    settings.AlertsOn = AlertsOn;
    const TMetaData &meta = Session.CurrentMetaData();
    settings.Unit = meta.Unit;
    settings.IntervalIndex = IntervalCB->currentIndex();
    settings.VisibleSamples = NumberInBox(VisibleSamplesCB, static_cast<int>(Session.VisibleSamples()), 1);
    settings.Correction = NumberInBox(CorrectionCB, meta.Correction, std::numeric_limits<int>::min());
    settings.Population = RiskPopulationRG->ItemIndex() == 0 ? 0 : 1;
    settings.State = RiskStateRG->ItemIndex() == 0 ? 0 : 1;
    settings.StatisticsExpanded = PanelBottom->Expanded();
    return settings;
}

void TMainWindow::ApplyLoadedSettings(const TLastSettings &settings, int linesInEffect)
{
    if (linesInEffect < 1)
        return;
    AlertsOn = settings.AlertsOn;
    SetAlertsPicture();

    if (linesInEffect < 2)
        return;
    // Each setting read is in effect at once, also when a later line is missing.
    TAcquisitionChoice inEffect = Session.Settings();
    inEffect.Unit = settings.Unit;
    Session.TakeSettings(inEffect);
    const int unitItem = settings.Unit == UnitMWm2 ? 1 : 0;
    if (IrrUnitGB->ItemIndex() != unitItem) {
        IrrUnitGB->SetItemIndex(unitItem);
        IrrUnitGBClick();
    }

    if (linesInEffect < 3)
        return;
    const bool knownInterval = settings.IntervalIndex >= 0 && settings.IntervalIndex < IntervalCB->count();
    IntervalCB->setCurrentIndex(knownInterval ? settings.IntervalIndex : 0);
    inEffect = Session.Settings();
    inEffect.Interval = IntervalSeconds(IntervalCB->currentText()).value_or(0.5);
    Session.TakeSettings(inEffect);

    if (linesInEffect < 4)
        return;
    VisibleSamplesCB->setCurrentText(QString::number(settings.VisibleSamples));
    inEffect.VisibleSamples = settings.VisibleSamples;
    Session.TakeSettings(inEffect);

    if (linesInEffect < 5)
        return;
    inEffect.Correction = settings.Correction;
    Session.TakeSettings(inEffect);
    CorrectionCB->setCurrentText(QString::number(settings.Correction));
    AppliedChoice = inEffect;

    if (linesInEffect < 6)
        return;
    RiskPopulationRG->SetItemIndex(settings.Population == 0 ? 0 : 1);
    if (linesInEffect < 7)
        return;
    RiskStateRG->SetItemIndex(settings.State == 0 ? 0 : 1);
    if (linesInEffect < 8)
        return;
    PanelBottom->SetExpanded(settings.StatisticsExpanded);
}
