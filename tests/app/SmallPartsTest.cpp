// The small helpers of the main window: date texts, escaped errors, the box of the real services.

#include "app/QtServices.h"
#include "model/HandlerErrors.h"
#include "model/InOutError.h"
#include "storage/LocaleTimeText.h"
#include "tests/support/FakeServices.h"

#include <QMessageBox>

#include <gtest/gtest.h>

#include <stdexcept>

TEST(LocaleDateTimeText, ShortDateAndClockWithoutZoneLeavingMidnightOut)
{
    const QLocale locale(QLocale::English, QLocale::UnitedStates);
    EXPECT_EQ(LocaleDateTimeText(QDateTime(QDate(2025, 1, 7), QTime(9, 5, 3)), locale), "1/7/25 9:05:03 AM");
    EXPECT_EQ(LocaleDateTimeText(QDateTime(QDate(2025, 1, 7), QTime(0, 0)), locale), "1/7/25");
}

TEST(EscapedErrorText, ShowsTheMessageOfEveryKindOfError)
{
    const auto text = [](auto error) { return EscapedErrorText(std::make_exception_ptr(error)); };
    EXPECT_EQ(text(EInOutError("Permission denied (13): /x/run.zlog", 13)), "Permission denied (13): /x/run.zlog");
    EXPECT_EQ(text(std::runtime_error("bad_alloc")), "bad_alloc");
    EXPECT_EQ(text(42), "Unknown error");
}

// The port's open error ends its first line with a lone CR: a line break in the box.
TEST(QtMessageBox, ShowsTheProgramsLineEndsAsLineBreaks)
{
    const auto box = MakeQtMessageBox(TMsgKind::Error,
                                      "TCOMPORT : cannot open /dev/ttyUSB99\rPermission error while locking the device",
                                      TMsgButtons::Ok);
    EXPECT_EQ(box->text(), "TCOMPORT : cannot open /dev/ttyUSB99\nPermission error while locking the device");
    EXPECT_EQ(MakeQtMessageBox(TMsgKind::Plain, "a\r\nb", TMsgButtons::Ok)->text(), "a\nb");
}
