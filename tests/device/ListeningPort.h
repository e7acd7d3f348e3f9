#pragma once
// A TComPort listening on a fresh pseudo-terminal whose other end the test writes to.

#include "device/ComPort.h"
#include "tests/support/QtPrinters.h"
#include "tools/meter-sim/MeterTerminal.h"

#include <QStringList>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

struct ListeningPort {
    ListeningPort()
    {
        Port.SetPort(Terminal->Path());
        Port.ReceiveCallBack = [this](const QString &data) { Lines.append(data); };
        Port.Open();
    }

    void Send(const QByteArray &bytes) { ASSERT_EQ(Terminal->Write(bytes), bytes.size()); }

    bool WaitForLines(qsizetype count, int timeoutMs = 5000)
    {
        return QTest::qWaitFor([&] { return Lines.size() >= count; }, timeoutMs);
    }

    // Long enough for written bytes to reach the port when nothing can be observed.
    static void LetBytesArrive() { QTest::qWait(50); }

    std::unique_ptr<TMeterTerminal> Terminal = TMeterTerminal::OpenPseudoTerminal();
    TComPort Port;
    QStringList Lines;
};
