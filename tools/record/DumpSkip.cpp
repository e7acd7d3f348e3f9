#include "tools/record/DumpSkip.h"

#include "device/ComPort.h"
#include "session/DumpLine.h"
#include "session/MemoryImport.h"

TDumpSkip::TDumpSkip(TComPort &port, QObject *parent) : QObject(parent), Receiver(port.ReceiveCallBack)
{
    Silence.setSingleShot(true);
    Silence.setInterval(TMemoryImport::EndOfTransferMs);
    connect(&Silence, &QTimer::timeout, this, &TDumpSkip::Passed);
    port.ReceiveCallBack = [this](const QString &line) { Receive(line); };
}

void TDumpSkip::Receive(const QString &line)
{
    if (!Skipping() && !IsDumpHeaderLine(line)) {
        Receiver(line);
        return;
    }
    if (!Skipping() && OnDumpBegun)
        OnDumpBegun();
    ++Skipped;
    Silence.start();
}

void TDumpSkip::Passed()
{
    if (OnDumpPassed)
        OnDumpPassed(Skipped);
    Skipped = 0;
}
