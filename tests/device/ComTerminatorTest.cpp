#include "device/ComPort.h"
#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

TEST(ComTerminator, ReadsBackAsWrittenAndARefusedTextLeavesItsOwnTerminator)
{
    const QString illegal = "Illegal terminator string.\rformat : #<asciicode>#<asciicode>#<...>\rexample: #13#10";
    // Text, what is read back, the error; a malformed code leaves CR LF, an empty text none.
    const std::tuple<QString, QString, QString> cases[] = {
        {"#13#10", "#13#10", ""}, {"#0#255", "#0#255", ""}, {"#13#", "#13", ""}, {"#266", "#10", ""},
        {"", "", "Terminator string cannot be empty!"}, {"#", "", "Terminator string cannot be empty!"},
        {"#13##10", "#13#10", illegal}, {"#1x#10", "#13#10", illegal}, {"13#10", "#13#10", illegal},
    };
    for (const auto &[text, readBack, error] : cases) {
        TComPort port;
        port.SetTerminator("#10");
        QString raised;
        try {
            port.SetTerminator(text);
        } catch (const EComError &e) {
            raised = e.Message;
        }
        EXPECT_EQ(raised, error) << qPrintable(text);
        EXPECT_EQ(port.Terminator(), readBack) << qPrintable(text);
    }
}
