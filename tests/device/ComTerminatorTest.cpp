#include "device/ComPort.h"
#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

// The form sets CR LF; a text that is refused leaves CR LF, an empty one no terminator.
TEST(ComTerminator, ReadsBackAsWrittenAndARefusedTextLeavesItsOwnTerminator)
{
    TComPort port;
    port.SetTerminator("#13#10");
    EXPECT_EQ(port.Terminator(), "#13#10");
    port.SetTerminator("#10");
    EXPECT_THROW(port.SetTerminator("#13##10"), EComError);
    EXPECT_EQ(port.Terminator(), "#13#10");
    EXPECT_THROW(port.SetTerminator(""), EComError);
    EXPECT_EQ(port.Terminator(), "");
}
