#pragma once
// The control bar at the main window's right: the acquisition settings (the interval, the
// correction and the unit the meter sends with, and the points the time chart shows) and the
// risk choices. A changed valid setting restarts the session's run with it; a recording locks
// the acquisition settings. A click folds the bar to a strip and unfolds it again. It reads and
// writes its own lines of the settings file.

#include "session/AcquisitionSession.h"
#include "model/Risk.h"
#include "storage/LastSettings.h"

#include <QFrame>

class QComboBox;
class QLabel;
class TChoiceGroup;

class TAcquisitionSettingsPanel : public QFrame {
public:
    // Takes the settings its controls hold into the session.
    explicit TAcquisitionSettingsPanel(TAcquisitionSession &session, QWidget *parent = nullptr);

    // The four acquisition settings as their controls hold them; a box holding no valid
    // number throws EConvertError.
    TAcquisitionChoice SettingsInControls() const;
    // The unit, interval and correction of the controls, for an import; a correction box
    // holding no valid number throws EConvertError.
    TAcquisitionChoice ImportSettingsInControls() const;
    // The interval the interval box holds, else the session's.
    double IntervalInControls() const;
    // Reads the settings from their controls, then the session's live state is reset for
    // mode. Nothing is reset when a box holds no valid number.
    void ApplySettings(TRecordingState mode);
    // The acquisition settings as their controls held them when they were last applied or
    // loaded: a handler whose control still holds that value leaves the run alone.
    TAcquisitionChoice AppliedChoice;

    // The risk choices.
    TPopulation Population() const;
    TTargetState TargetState() const;

    void LockAcquisitionSettings();
    void UnlockAcquisitionSettings();
    // Folds the bar to a strip, or unfolds it.
    void ToggleFolded();

    // Its lines of the settings file: the unit, the interval, the points, the correction, the
    // risk choices.
    void WriteSettings(TLastSettings &settings) const;
    // Loaded settings of the first linesInEffect lines put into the controls and the session.
    void ApplyLoadedSettings(const TLastSettings &settings, int linesInEffect);

    // What a user's change of a control runs.
    void IrrUnitGBClick();
    void IntervalCBChange();
    void VisibleSamplesCBChange();
    void correctionCBChange();

    // The sections and their titles.
    QFrame *InputSection = nullptr;
    QFrame *VisualizationSection = nullptr;
    QFrame *RiskSection = nullptr;
    QLabel *InputTitle = nullptr;
    QLabel *VisualizationTitle = nullptr;
    QLabel *RiskTitle = nullptr;
    // The captions of the acquisition settings and their controls.
    QLabel *IntervalCaption = nullptr;
    QLabel *CorrectionCaption = nullptr;
    QLabel *PointsCaption = nullptr;
    QComboBox *IntervalCB = nullptr;
    QComboBox *CorrectionCB = nullptr;
    TChoiceGroup *IrrUnitGB = nullptr;
    QComboBox *VisibleSamplesCB = nullptr;
    TChoiceGroup *RiskPopulationRG = nullptr;
    TChoiceGroup *RiskStateRG = nullptr;

private:
    void BuildInputSection();
    void BuildVisualizationSection();
    void BuildRiskSection();
    void WireHandlers();
    void ApplyChangedSetting();
    void SetTitleColour(const QColor &colour);
    void SetAcquisitionCaptionColour(const QColor &colour);

    TAcquisitionSession &Session;
};
