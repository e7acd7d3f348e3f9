#include "dialogs/ScheduleEndQuestion.h"

#include "model/Services.h"

#include <QCoreApplication>

bool ConfirmStartRecordingForSchedule()
{
    return ShowMessageBox(TMsgKind::Confirmation,
                          QCoreApplication::translate(
                              "ScheduleEndQuestion", "Do you want to start recording and schedule the end of recording?"),
                          TMsgButtons::YesCancel) == TMsgAnswer::Yes;
}
