#include "device/ComPort.h"
#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

const QString IllegalText = "Illegal terminator string.\rformat : #<asciicode>#<asciicode>#<...>\rexample: #13#10";

QString ErrorOf(TComPort &port, const QString &text)
{
    try {
        port.SetTerminator(text);
    } catch (const EComError &error) {
        return error.Message;
    }
    return QString();
}

} // namespace

TEST(ComTerminator, TextualFormReadsBackAsWritten)
{
    TComPort port;
    for (const QString text : {"#13#10", "#10", "#0#255", "#3"}) {
        port.SetTerminator(text);
        EXPECT_EQ(port.Terminator(), text);
    }
    port.SetTerminator("#13#");
    EXPECT_EQ(port.Terminator(), "#13") << "a trailing # adds nothing";
    port.SetTerminator("#266");
    EXPECT_EQ(port.Terminator(), "#10") << "only the low 8 bits count";
}

TEST(ComTerminator, EmptyTextIsRefusedAndLeavesNoTerminator)
{
    TComPort port;
    for (const QString text : {"", "#"}) {
        EXPECT_EQ(ErrorOf(port, text), "Terminator string cannot be empty!") << qPrintable(text);
        EXPECT_EQ(port.Terminator(), "");
    }
}

TEST(ComTerminator, MalformedCodeIsRefusedAndLeavesCrLf)
{
    TComPort port;
    for (const QString text : {"#13##10", "#1x#10", "#a", "13#10"}) {
        port.SetTerminator("#10");
        EXPECT_EQ(ErrorOf(port, text), IllegalText) << qPrintable(text);
        EXPECT_EQ(port.Terminator(), "#13#10") << qPrintable(text);
    }
}
