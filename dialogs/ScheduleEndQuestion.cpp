#include "dialogs/ScheduleEndQuestion.h"

#include "model/Services.h"

bool ConfirmStartRecordingForSchedule()
{
    return ShowMessageBox(TMsgKind::Confirmation,
                          QStringLiteral("Do you want to start recording and schedule the end of recording?"),
                          TMsgButtons::YesCancel) == TMsgAnswer::Yes;
}
