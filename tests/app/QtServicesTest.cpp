// The box, the progress window and the wait cursor of the real services.

#include "app/QtServices.h"

#include <QApplication>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QScopeGuard>

#include <gtest/gtest.h>

#include <utility>

// The port's open error ends its first line with a lone CR: a line break in the box.
TEST(QtMessageBox, ShowsTheProgramsLineEndsAsLineBreaks)
{
    const auto box = MakeQtMessageBox(TMsgKind::Error,
                                      "TCOMPORT : cannot open /dev/ttyUSB99\rPermission error while locking the device",
                                      TMsgButtons::Ok);
    EXPECT_EQ(box->text(), "TCOMPORT : cannot open /dev/ttyUSB99\nPermission error while locking the device");
    EXPECT_EQ(MakeQtMessageBox(TMsgKind::Plain, "a\r\nb", TMsgButtons::Ok)->text(), "a\nb");
}

// The progress window comes up over its parent with the task's texts and reports the user's
// Cancel; the wait cursor is set and put back; each goes when its task ends.
TEST(QtProgressAndBusy, ShowTheTaskAndGoWithIt)
{
    const auto restore = qScopeGuard([previous = InstallServices(QtServices())]() mutable {
        InstallServices(std::move(previous));
    });
    QWidget parent;
    {
        TProgressWindow progress({.Title = "ZELTAR Logger", .Text = "Exporting", .CancelText = "Stop", .Maximum = 10,
                                  .DelayMs = 500},
                                 &parent);
        auto *dialog = parent.findChild<QProgressDialog *>();
        ASSERT_TRUE(dialog);
        EXPECT_EQ(dialog->labelText(), "Exporting");
        EXPECT_EQ(dialog->windowTitle(), "ZELTAR Logger");
        EXPECT_EQ(dialog->maximum(), 10);
        EXPECT_EQ(dialog->minimumDuration(), 500);
        ASSERT_TRUE(dialog->findChild<QPushButton *>());
        EXPECT_EQ(dialog->findChild<QPushButton *>()->text(), "Stop");
        EXPECT_FALSE(progress.CancelledAt(3));
        EXPECT_EQ(dialog->value(), 3);
        dialog->cancel();
        EXPECT_TRUE(progress.CancelledAt(4));
    }
    EXPECT_FALSE(parent.findChild<QProgressDialog *>());
    {
        const TBusyCursor busy;
        ASSERT_TRUE(QApplication::overrideCursor());
        EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    }
    EXPECT_FALSE(QApplication::overrideCursor());
}
