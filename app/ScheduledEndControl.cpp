// The scheduled end of a recording: the menu entry that asks for it, the label that shows
// it, and the timer that ends the recording when its time has come.

#include "app/DeferredError.h"
#include "app/UnitMain.h"
#include "device/Form2_Port.h"
#include "model/MessageBoxSeam.h"
#include "model/ProcessExit.h"
#include "storage/DateTimeConvert.h"
#include "storage/Form6_Schedule.h"
#include "storage/ScheduleEndQuestion.h"

#include <QCheckBox>
#include <QLabel>

#include <cstdlib>

void TForm1::ScheduleEnd1Click()
{
    if (RecordingState != Recording) {
        if (!ConfirmStartRecordingForSchedule())
            return;
        PressRecordButton();
    }
    if (RecordingState != Recording)
        return;
    if (!Form6->Execute(FromTDateTime(CurrentMetaData.StartTime), ScheduledEnd, CurrentMetaData.Interval))
        return;
    // The recording may have ended while the dialog was open: the end was set for nothing.
    if (RecordingState != Recording) {
        HidePendingEnd();
        return;
    }
    ShowPendingEnd();
}

void TForm1::ShowPendingEnd()
{
    LabelInterrupt->setText(ScheduledEnd.LabelText());
    LabelInterrupt->show();
}

void TForm1::HidePendingEnd()
{
    ScheduledEnd.Cancel();
    LabelInterrupt->hide();
}

void TForm1::InterruptRECTimer()
{
    if (!ScheduledEnd.EndReached())
        return;
    HidePendingEnd();
    if (RecordingState != Recording)
        return;
    TDeferredError saveError;
    saveError.Run([this] { SaveOnStop(); });
    // Stopped first, so that the stop does not save a second time.
    RecordingState = Stopped;
    PressStopButton();
    if (!Form6->ShutDownCB->isChecked()) {
        saveError.Rethrow();
        return;
    }
    // The error is shown before the program ends, or nobody would ever see it.
    try {
        saveError.Rethrow();
    } catch (const EInOutError &error) {
        ShowMessageBox(TMsgKind::Error, error.Message);
    }
    if (ConnectionForm)
        ConnectionForm->SaveSettings();
    EndProcessAtOnce(EXIT_SUCCESS);
}
