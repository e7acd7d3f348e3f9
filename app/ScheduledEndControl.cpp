// The scheduled end of a recording: the menu entry that asks for it, the label that shows
// it, and the timer that ends the recording when its time has come.

#include "app/AcquisitionBar.h"
#include "app/AcquisitionControl.h"
#include "session/AcquisitionSession.h"
#include "device/MeterConnection.h"
#include "model/Services.h"
#include "session/DeferredError.h"
#include "storage/DateTimeConvert.h"
#include "dialogs/ScheduleDialog.h"
#include "dialogs/ScheduleEndQuestion.h"

#include <QCheckBox>

#include <cstdlib>

void TAcquisitionControl::ScheduleEnd1Click()
{
    if (Session.State() != Recording) {
        if (!ConfirmStartRecordingForSchedule())
            return;
        PressRecordButton();
    }
    if (Session.State() != Recording)
        return;
    const TMetaData &meta = Session.CurrentMetaData();
    if (!ScheduleDialog->Execute(FromTDateTime(meta.StartTime), Session.ScheduledEnd(), meta.Interval))
        return;
    // The recording may have ended while the dialog was open: the end was set for nothing.
    if (Session.State() != Recording) {
        Session.CancelScheduledEnd();
        return;
    }
    Bar->ShowPendingEnd();
}

void TAcquisitionControl::InterruptRECTimer()
{
    if (!Session.TakeReachedEnd())
        return;
    TDeferredError saveError;
    // Saved and stopped first, so that the stop does not save a second time.
    saveError.Run([this] { Session.FinishRecording(); });
    PressStopButton();
    if (!ScheduleDialog->ShutDownCB->isChecked()) {
        saveError.Rethrow();
        return;
    }
    // The program ends: what earlier records still lack gets its last chance.
    saveError.Run([this] { Session.SaveBeforeExit(); });
    const bool saved = !saveError;
    // The error is shown before the program ends, or nobody would ever see it.
    try {
        saveError.Rethrow();
    } catch (const EInOutError &error) {
        ShowMessageBox(TMsgKind::Error, error.Message);
    }
    if (ConnectionForm)
        ConnectionForm->SaveSettings();
    EndProcessAtOnce(saved ? EXIT_SUCCESS : EXIT_FAILURE);
}
