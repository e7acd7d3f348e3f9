// The box of the real services.

#include "app/QtServices.h"

#include <QMessageBox>

#include <gtest/gtest.h>

// The port's open error ends its first line with a lone CR: a line break in the box.
TEST(QtMessageBox, ShowsTheProgramsLineEndsAsLineBreaks)
{
    const auto box = MakeQtMessageBox(TMsgKind::Error,
                                      "TCOMPORT : cannot open /dev/ttyUSB99\rPermission error while locking the device",
                                      TMsgButtons::Ok);
    EXPECT_EQ(box->text(), "TCOMPORT : cannot open /dev/ttyUSB99\nPermission error while locking the device");
    EXPECT_EQ(MakeQtMessageBox(TMsgKind::Plain, "a\r\nb", TMsgButtons::Ok)->text(), "a\nb");
}
