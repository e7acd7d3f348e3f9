#pragma once
// The alert of the live run: the alert rule judges every corrected reading while the switch is
// on and the session listens or records. It tells when an alert starts, when its peak grows and
// when it ends; a stop, an import, a change of unit or the switch turned off end it at once.

#include "model/AcquisitionState.h"
#include "model/AlertRule.h"

#include <QObject>

#include <cstdint>

class TAcquisitionSession;

class TLiveAlert : public QObject {
    Q_OBJECT

public:
    TLiveAlert();

    // Follows the state of session, which feeds Take: a stop or an import ends the alert.
    void Watch(TAcquisitionSession &session);

    void SetOn(bool on);
    bool On() const { return IsOn; }
    // A new limit judges the next reading afresh: an alert in progress ends.
    void SetLimit(const TAlertLimit &limit);
    const TAlertLimit &Limit() const { return Rule.Limit(); }
    // The risk assessment's population and state.
    void SetTarget(TPopulation population, TTargetState state);

    // One corrected reading, in unit, taken at timeSeconds (any steady origin).
    void Take(double timeSeconds, std::uint8_t unit, double correctedValue)
    {
        if (IsOn)
            Judge(timeSeconds, unit, correctedValue);
    }

    bool Active() const { return Rule.Active(); }
    // The highest reading of the alert in progress, or of the last one however it ended, in Unit().
    double Peak() const { return Rule.Active() ? Rule.Peak() : EndedPeak; }
    std::uint8_t Unit() const { return RunUnit; }

signals:
    void Started();
    void PeakChanged();
    void Ended();

private:
    void Judge(double timeSeconds, std::uint8_t unit, double correctedValue);
    // An alert in progress ends now, and the rule starts afresh.
    void End();

    const TAcquisitionSession *Session = nullptr;
    bool IsOn = false;
    TPopulation Population = TPopulation::General;
    TTargetState State = TTargetState::Wake;
    TAlertRule Rule;
    // The peak of the last alert: a forced end starts the rule afresh.
    double EndedPeak = 0.0;
    std::uint8_t RunUnit = 0;
};
