#include "device/ComPort.h"
#include "tests/device/ListeningPort.h"
#include "tools/meter-sim/TerminalLink.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(ComPortReceive, AccumulateHoldsUntilTermReleasesAtNextTurn)
{
    ListeningPort listener;
    listener.Port.SetReceiveMode(rmACCUMULATE);
    listener.Send("a\r\nb\r\n");
    listener.LetBytesArrive();
    listener.Send("c\r\nd");
    listener.LetBytesArrive();
    EXPECT_TRUE(listener.Lines.isEmpty());

    listener.Port.SetReceiveMode(rmTERM);
    EXPECT_TRUE(listener.Lines.isEmpty()) << "released inside the mode switch";
    ASSERT_TRUE(listener.WaitForLines(3));
    EXPECT_EQ(listener.Lines, (QStringList{"a\r\n", "b\r\n", "c\r\n"}));

    listener.Send("\r\n");
    ASSERT_TRUE(listener.WaitForLines(4));
    EXPECT_EQ(listener.Lines.last(), "d\r\n");
}

TEST(ComPortReceive, CallbackThatRunsTheEventLoopIsNeverEnteredTwice)
{
    ListeningPort listener;
    QStringList events;
    int depth = 0;
    listener.Port.ReceiveCallBack = [&](const QString &data) {
        ++depth;
        events << QStringLiteral("enter %1 at depth %2").arg(data.trimmed()).arg(depth);
        if (data == "A\r\n") {
            // As a modal message box would: more lines arrive while the event loop runs.
            listener.Send("B\r\nC\r\n");
            QTest::qWait(100);
        }
        events << QStringLiteral("leave %1").arg(data.trimmed());
        --depth;
    };
    listener.Send("A\r\n");
    ASSERT_TRUE(QTest::qWaitFor([&] { return events.size() >= 6; }, 5000));
    EXPECT_EQ(events, (QStringList{"enter A at depth 1", "leave A", "enter B at depth 1", "leave B",
                                   "enter C at depth 1", "leave C"}));
}

TEST(ComPortReceive, RawModeHandsOverBytesAsRead)
{
    ListeningPort listener;
    listener.Port.SetReceiveMode(rmRAW);
    listener.Send("no\r\nline end");
    ASSERT_TRUE(QTest::qWaitFor([&] { return listener.Lines.join("") == "no\r\nline end"; }, 5000));
}

TEST(ComPortOpenClose, RepeatedOpenAndCloseDoNothing)
{
    ListeningPort listener;
    int opened = 0;
    int closed = 0;
    listener.Port.OnPortOpen = [&](QObject *sender) { opened += sender == &listener.Port; };
    listener.Port.OnPortClose = [&](QObject *sender) { closed += sender == &listener.Port; };

    listener.Port.Open();
    listener.Port.Close();
    listener.Port.Close();
    listener.Port.Open();
    EXPECT_EQ(std::make_pair(opened, closed), std::make_pair(1, 1));
}

TEST(ComPortOpenClose, TextLeftAtCloseLeadsTheNextLine)
{
    ListeningPort listener;
    listener.Send("AB");
    listener.LetBytesArrive();
    listener.Port.Close();
    listener.Port.Open();
    listener.Send("C\r\n");
    ASSERT_TRUE(listener.WaitForLines(1));
    EXPECT_EQ(listener.Lines, QStringList{"ABC\r\n"});
}

TEST(ComPortOpenClose, MissingDeviceRaisesTheComponentsText)
{
    TComPort port;
    port.SetPort("/nonexistent/ttyUSB0");
    try {
        port.Open();
        FAIL() << "no error";
    } catch (const EComError &error) {
        EXPECT_EQ(error.Message, "TCOMPORT : cannot open /nonexistent/ttyUSB0\rNo such file or directory");
    }
    EXPECT_FALSE(port.isOpen());
}

TEST(ComPortOpenClose, UnpluggedDeviceClosesThePortAndCanBeOpenedAgain)
{
    QTemporaryDir dir;
    const QString name = dir.filePath("ttyUSB0");
    auto meter = TMeterTerminal::OpenPseudoTerminal();
    auto link = std::make_unique<TTerminalLink>(name, meter->Path());

    TComPort port;
    QStringList lines;
    int closed = 0;
    int errors = 0;
    port.ReceiveCallBack = [&](const QString &data) { lines << data; };
    port.OnPortClose = [&](QObject *) { ++closed; };
    port.OnError = [&](QObject *) { ++errors; };
    port.SetPort(name);
    port.Open();

    meter->Close();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !port.isOpen(); }, 5000));
    QTest::qWait(50);
    EXPECT_EQ(closed, 1);
    EXPECT_EQ(errors, 0) << "the hang-up was reported as line errors";

    // Plugged in again under the same name.
    link.reset();
    meter = TMeterTerminal::OpenPseudoTerminal();
    link = std::make_unique<TTerminalLink>(name, meter->Path());
    port.Open();
    ASSERT_EQ(meter->Write("back\r\n"), 6);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !lines.isEmpty(); }, 5000));
    EXPECT_EQ(lines, QStringList{"back\r\n"});
}
