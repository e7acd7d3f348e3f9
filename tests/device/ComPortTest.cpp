// The serial port component, listening on pseudo-terminals whose other end the test writes to.

#include "device/ComPort.h"
#include "tests/support/QtPrinters.h"
#include "tools/meter-sim/MeterTerminal.h"
#include "tools/meter-sim/TerminalLink.h"

#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>

namespace {

struct ListeningPort {
    ListeningPort()
    {
        Port.SetPort(Terminal->Path());
        Port.ReceiveCallBack = [this](const QString &data) { Lines.append(data); };
        Port.Open();
    }

    void Send(const QByteArray &bytes) { ASSERT_EQ(Terminal->Write(bytes), bytes.size()); }
    bool WaitForLines(qsizetype count) { return QTest::qWaitFor([&] { return Lines.size() >= count; }, 5000); }
    // Long enough for written bytes to reach the port when nothing can be observed.
    static void LetBytesArrive() { QTest::qWait(50); }

    std::unique_ptr<TMeterTerminal> Terminal = TMeterTerminal::OpenPseudoTerminal();
    TComPort Port;
    QStringList Lines;
};

} // namespace

TEST(ComPortReceive, HoldsNestAndTheLastReleaseDeliversAtTheNextTurn)
{
    ListeningPort listener;
    listener.Port.HoldDelivery();
    listener.Port.HoldDelivery();
    listener.Send("a\r\nb\r\n");
    listener.LetBytesArrive();
    listener.Port.ReleaseDelivery();
    listener.Send("c\r\nd");
    listener.LetBytesArrive();
    EXPECT_TRUE(listener.Lines.isEmpty()) << "delivered while still held once";

    listener.Port.ReleaseDelivery();
    EXPECT_TRUE(listener.Lines.isEmpty()) << "released inside the release";
    ASSERT_TRUE(listener.WaitForLines(3));
    EXPECT_EQ(listener.Lines, (QStringList{"a\r\n", "b\r\n", "c\r\n"}));

    listener.Send("\r\n");
    ASSERT_TRUE(listener.WaitForLines(4));
    EXPECT_EQ(listener.Lines.last(), "d\r\n");
}

// A callback that holds and releases the delivery (a reset of the live state under it), or runs
// the event loop while more lines arrive (as a modal message box would), is not entered again
// before it returns: what came meanwhile follows in order.
TEST(ComPortReceive, ACallbackIsNeverEnteredTwice)
{
    ListeningPort listener;
    QStringList events;
    listener.Port.ReceiveCallBack = [&](const QString &data) {
        events << "enter " + data.trimmed();
        listener.Port.HoldDelivery();
        listener.Port.ReleaseDelivery();
        if (data == "A\r\n") {
            listener.Send("C\r\n");
            QTest::qWait(100);
        }
        events << "leave " + data.trimmed();
    };
    listener.Send("A\r\nB\r\n");
    ASSERT_TRUE(QTest::qWaitFor([&] { return events.size() >= 6; }, 5000));
    EXPECT_EQ(events, (QStringList{"enter A", "leave A", "enter B", "leave B", "enter C", "leave C"}));
}

TEST(ComPortOpenClose, RepeatedOpenAndCloseDoNothingAndTextLeftAtCloseLeadsTheNextLine)
{
    ListeningPort listener;
    int opened = 0, closed = 0;
    listener.Port.OnPortOpen = [&](QObject *) { ++opened; };
    listener.Port.OnPortClose = [&](QObject *) { ++closed; };
    listener.Send("AB");
    listener.LetBytesArrive();
    listener.Port.Close();
    listener.Port.Close();
    listener.Port.Open();
    listener.Port.Open();
    EXPECT_EQ(std::make_pair(opened, closed), std::make_pair(1, 1));
    listener.Send("C\r\n");
    ASSERT_TRUE(listener.WaitForLines(1));
    EXPECT_EQ(listener.Lines, QStringList{"ABC\r\n"});
}

TEST(ComPortOpenClose, MissingDeviceRaisesTheComponentsText)
{
    TComPort port;
    port.SetPort("/nonexistent/ttyUSB0");
    EXPECT_THAT([&] { port.Open(); }, ::testing::ThrowsMessage<EComError>(::testing::StrEq(
                                          "TCOMPORT : cannot open /nonexistent/ttyUSB0\rNo such file or directory")));
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
    int closed = 0, errors = 0;
    port.ReceiveCallBack = [&](const QString &data) { lines << data; };
    port.OnPortClose = [&](QObject *) { ++closed; };
    port.OnError = [&](QObject *) { ++errors; };
    port.SetPort(name);
    port.Open();

    meter->Close();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !port.isOpen(); }, 5000));
    QTest::qWait(50);
    EXPECT_EQ(std::make_pair(closed, errors), std::make_pair(1, 0)) << "the hang-up was reported as line errors";

    // Plugged in again under the same name.
    link.reset();
    meter = TMeterTerminal::OpenPseudoTerminal();
    link = std::make_unique<TTerminalLink>(name, meter->Path());
    port.Open();
    ASSERT_EQ(meter->Write("back\r\n"), 6);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !lines.isEmpty(); }, 5000));
    EXPECT_EQ(lines, QStringList{"back\r\n"});
}
