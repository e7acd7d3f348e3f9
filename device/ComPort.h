#pragma once
// The serial port component through which the program listens to the meter. It opens a
// serial device, reads what arrives and hands it to its owner on the UI thread, either as
// read (rmRAW) or cut into lines at the terminator (rmTERM). What arrives while the delivery
// is held waits in one bounded buffer. It never writes to the device.

#include "device/ComError.h"
#include "device/LineFramer.h"

#include <QObject>
#include <QSerialPort>
#include <QString>

#include <cstdint>
#include <functional>

enum TParity { ptNONE, ptODD, ptEVEN, ptMARK, ptSPACE };
enum TStopBit { sbONE, sbONE5, snTWO };
enum TReceiveMode { rmRAW, rmTERM };

using TNotifyEvent = std::function<void(QObject *Sender)>;
using TReceiveProc = std::function<void(const QString &Data)>;

class TComPort : public QObject {
    Q_OBJECT

public:
    explicit TComPort(QObject *parent = nullptr);
    // Closes the port without firing OnPortClose: the owner may be half destroyed by then.
    ~TComPort() override;

    QString Port() const { return PortName; }
    void SetPort(const QString &port) { PortName = port; }
    quint32 Baud() const { return BaudRate; }
    void SetBaud(quint32 baud) { BaudRate = baud; }
    quint8 DataBits() const { return CharBits; }
    void SetDataBits(quint8 bits) { CharBits = bits; }
    TParity Parity() const { return ParityMode; }
    void SetParity(TParity parity) { ParityMode = parity; }
    TStopBit StopBits() const { return StopBitMode; }
    void SetStopBits(TStopBit stopBits) { StopBitMode = stopBits; }
    quint32 WinQSizeIn() const { return QueueSizeIn; }
    void SetWinQSizeIn(quint32 size) { QueueSizeIn = size; }
    // Kept for the settings' sake: nothing is ever written to the device.
    quint32 WinQSizeOut() const { return QueueSizeOut; }
    void SetWinQSizeOut(quint32 size) { QueueSizeOut = size; }
    TReceiveMode ReceiveMode() const { return Mode; }
    void SetReceiveMode(TReceiveMode mode) { Mode = mode; }
    // The one hold of the delivery, counted: while a ReceiveCallBack runs (for instance under
    // a message box it opened) and between HoldDelivery and its ReleaseDelivery, what arrives
    // is only buffered. Releasing the last hold delivers it at the next turn of the event loop.
    void HoldDelivery() { ++Holds; }
    void ReleaseDelivery();
    // Textual form, "#13#10" for CR LF; writing a malformed or empty text throws EComError.
    QString Terminator() const;
    void SetTerminator(const QString &text);
    bool isOpen() const { return Opened; }

    // Opens Port with the current settings; does nothing when open. Throws EComError.
    void Open();
    // Does nothing when closed. Text received but not yet delivered stays for the next Open.
    void Close();

    TNotifyEvent OnPortOpen;
    TNotifyEvent OnPortClose;
    // A line with its terminator (rmTERM) or a chunk as read (rmRAW); bytes map 1:1 to Latin-1.
    TReceiveProc ReceiveCallBack;
    // The device reported an error that did not end the connection.
    TNotifyEvent OnError;
    // Lines were dropped while their delivery was held (beyond what may be held, or on
    // purpose): told with their number once the delivery has gone on.
    std::function<void(std::uint64_t count)> OnLinesDropped;

    // Drops the complete lines received and not yet delivered: they are stale.
    void DropReceivedLines() { Received.DropLines(); }
    qsizetype HeldLineBytes() const { return Received.HeldLineBytes(); }

private:
    void ReadArrived();
    void ScheduleDelivery();
    bool HasDelivery() const;
    void DeliverPending();
    void HandleSerialError(QSerialPort::SerialPortError error);
    bool DeviceHungUp() const;
    void CloseAfterDeviceLoss(quint64 openCount);
    void ReleasePort();

    QString PortName = QStringLiteral("COM1");
    quint32 BaudRate = 9600;
    quint8 CharBits = 8;
    TParity ParityMode = ptNONE;
    TStopBit StopBitMode = sbONE;
    quint32 QueueSizeIn = 8192;
    quint32 QueueSizeOut = 8192;
    TReceiveMode Mode = rmTERM;
    QByteArray TerminatorBytes = QByteArrayLiteral("\r\n");

    QSerialPort Serial;
    bool Opened = false;
    quint64 OpenCount = 0;      // tells a stale device-loss notice from the current connection
    QString OpenErrorText;      // the first error the platform reported while opening
    TLineFramer Received;       // the receive buffer
    int Holds = 0;              // a running ReceiveCallBack is one
    bool DeliveryScheduled = false;
};
