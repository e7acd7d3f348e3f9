#include "session/LiveAlert.h"

#include "session/AcquisitionSession.h"

TLiveAlert::TLiveAlert() : Rule(TAlertLimit{}, Population, State) {}

void TLiveAlert::Watch(TAcquisitionSession &session)
{
    Session = &session;
    connect(&session, &TAcquisitionSession::StateChanged, this, [this](TRecordingState state) {
        if (state != Listening && state != Recording)
            End();
    });
}

void TLiveAlert::SetOn(bool on)
{
    IsOn = on;
    if (!on)
        End();
}

void TLiveAlert::SetLimit(const TAlertLimit &limit)
{
    End();
    Rule = TAlertRule(limit, Population, State);
}

void TLiveAlert::SetTarget(TPopulation population, TTargetState state)
{
    Population = population;
    State = state;
    Rule.SetTarget(population, state);
}

void TLiveAlert::Judge(double timeSeconds, std::uint8_t unit, double correctedValue)
{
    // The replay of an import is no live reading.
    if (!Session || (Session->State() != Listening && Session->State() != Recording))
        return;
    // A level is a number in the unit of the readings: in another unit it means something else.
    if (unit != RunUnit) {
        End();
        RunUnit = unit;
    }
    const double peak = Rule.Peak();
    switch (Rule.Take(timeSeconds, unit, correctedValue)) {
    case TAlertRule::TChange::Started: emit Started(); break;
    case TAlertRule::TChange::Ended:
        EndedPeak = Rule.Peak();
        emit Ended();
        break;
    case TAlertRule::TChange::None:
        if (Rule.Active() && Rule.Peak() != peak)
            emit PeakChanged();
        break;
    }
}

void TLiveAlert::End()
{
    const bool active = Rule.Active();
    if (active)
        EndedPeak = Rule.Peak();
    Rule = TAlertRule(Rule.Limit(), Population, State);
    if (active)
        emit Ended();
}
