#include "tools/record/RecorderHost.h"

#include "model/Units.h"
#include "session/AcquisitionSession.h"

TRecorderHost::TRecorderHost(TAcquisitionSession &session, const TChoiceOverrides &overrides)
    : Session(session), Overrides(overrides)
{
    // The program's controls before any settings file: mW/m², 0.5 sec, 0 dB, 60 points.
    Chosen = {Loaded.Unit, 0.5, Loaded.Correction, Loaded.VisibleSamples};
    Override();
}

void TRecorderHost::Override()
{
    Chosen.Unit = Overrides.Unit.value_or(Chosen.Unit);
    Chosen.Interval = Overrides.Interval.value_or(Chosen.Interval);
    Chosen.Correction = Overrides.Correction.value_or(Chosen.Correction);
    Session.TakeSettings(Chosen);
}

void TRecorderHost::StartListening()
{
    if (OnMeterFound)
        OnMeterFound();
}

void TRecorderHost::ShowStatus(const QString &text)
{
    if (OnWaiting)
        OnWaiting(text);
}

void TRecorderHost::ShowNotice(const QString &text)
{
    if (OnNotice)
        OnNotice(text);
}

// The file belongs to the program: should it ever be written from here, it keeps its values.
TLastSettings TRecorderHost::CurrentSettings() const
{
    return Loaded;
}

// As the program takes them: each line read is in effect, also when a later one is bad.
void TRecorderHost::ApplyLoadedSettings(const TLastSettings &settings, int linesInEffect)
{
    if (linesInEffect >= 2)
        Chosen.Unit = settings.Unit;
    if (linesInEffect >= 3)
        Chosen.Interval = IntervalSecondsAt(settings.IntervalIndex).value_or(0.5);
    if (linesInEffect >= 4)
        Chosen.VisibleSamples = settings.VisibleSamples;
    if (linesInEffect >= 5)
        Chosen.Correction = settings.Correction;
    Loaded = settings;
    Override();
}

void TRecorderHost::SaveRecordingBeforeExit()
{
    Session.SaveBeforeExit();
}
