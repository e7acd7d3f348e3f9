// The scheduled end as the main window takes it: the menu entry starts a recording first, and
// an end with shutdown saves the record and the settings and ends the program.

#include "tests/e2e/MeterSession.h"

#include "dialogs/ScheduleDialog.h"
#include "storage/LogFile.h"
#include "tests/dialogs/ModalHookGuard.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QLabel>
#include <QToolButton>

#include <cstdlib>

using ScheduledEndTest = ConnectedMeterSession;

TEST_F(ScheduledEndTest, TheMenuEntryRecordsAndAnEndWithShutdownSavesAndEndsTheProgram)
{
    // Yes to recording first; the dialog's offer is six minutes after the start.
    Services.Answer(TMsgAnswer::Yes);
    const ModalHookGuard<TScheduleDialog> guard([](TScheduleDialog &dialog) {
        dialog.ShutDownCB->setChecked(true);
        dialog.ImageOKbClick();
    });
    Form1->Control->ScheduleEnd1Click();
    ASSERT_TRUE(Form1->Session.State() == Recording && !Form1->Bar->PendingEnd->isHidden());
    MeasureSeries(2);
    Services.Now = Services.Now.addSecs(365);
    Form1->Control->InterruptRECTimer();
    EXPECT_EQ(Services.ExitCodes, std::vector<int>{EXIT_SUCCESS});
    EXPECT_TRUE(Form1->Bar->StopB->isChecked() && Form1->Bar->PendingEnd->isHidden());
    EXPECT_EQ(LogRecords(Log()).size(), 2u);
    EXPECT_TRUE(QFileInfo::exists(CompanionName(Log(), ".histo")));
    EXPECT_TRUE(QFileInfo::exists(App.Paths().SettingsDir + "LastSettings.ls"));
}
