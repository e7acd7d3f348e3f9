#include "device/ComPort.h"

#include "device/ComTerminator.h"
#include "model/HandlerErrors.h"

#include <QMetaObject>
#include <QScopeGuard>

#include <cerrno>
#include <poll.h>

namespace {

QSerialPort::Parity ToSerialParity(TParity parity)
{
    switch (parity) {
    case ptODD: return QSerialPort::OddParity;
    case ptEVEN: return QSerialPort::EvenParity;
    case ptMARK: return QSerialPort::MarkParity;
    case ptSPACE: return QSerialPort::SpaceParity;
    case ptNONE: break;
    }
    return QSerialPort::NoParity;
}

QSerialPort::StopBits ToSerialStopBits(TStopBit stopBits)
{
    switch (stopBits) {
    case sbONE5: return QSerialPort::OneAndHalfStop;
    case snTWO: return QSerialPort::TwoStop;
    case sbONE: break;
    }
    return QSerialPort::OneStop;
}

} // namespace

TComPort::TComPort(QObject *parent) : QObject(parent)
{
    connect(&Serial, &QSerialPort::readyRead, this, ShowingErrors(this, &TComPort::ReadArrived));
    connect(&Serial, &QSerialPort::errorOccurred, this, ShowingErrors(this, &TComPort::HandleSerialError));
}

TComPort::~TComPort()
{
    disconnect(&Serial, nullptr, this, nullptr);
    ReleasePort();
}

void TComPort::ReleaseDelivery()
{
    if (--Holds == 0)
        ScheduleDelivery();
}

QString TComPort::Terminator() const
{
    return FormatTerminator(TerminatorBytes);
}

void TComPort::SetTerminator(const QString &text)
{
    const TTerminatorParse parsed = ParseTerminator(text);
    TerminatorBytes = parsed.Terminator;
    Received.SetTerminator(TerminatorBytes);
    if (!parsed.ErrorText.isEmpty())
        throw EComError(parsed.ErrorText);
}

void TComPort::Open()
{
    if (Opened)
        return;
    const QString cannotOpen = tr("TCOMPORT : cannot open ") + PortName + u'\r';
    if (CharBits < 5 || CharBits > 8)
        throw EComError(cannotOpen + qt_error_string(EINVAL));

    Serial.setPortName(PortName);
    Serial.setBaudRate(static_cast<qint32>(BaudRate));
    Serial.setDataBits(static_cast<QSerialPort::DataBits>(CharBits));
    Serial.setParity(ToSerialParity(ParityMode));
    Serial.setStopBits(ToSerialStopBits(StopBitMode));
    Serial.setFlowControl(QSerialPort::NoFlowControl);
    Serial.setReadBufferSize(QueueSizeIn);
    OpenErrorText.clear();
    if (!Serial.open(QIODevice::ReadWrite))
        throw EComError(cannotOpen + (OpenErrorText.isEmpty() ? Serial.errorString() : OpenErrorText));

    // Best effort: a pseudo-terminal has no modem lines.
    Serial.setDataTerminalReady(false);
    Serial.setRequestToSend(false);
    // What waited in the driver was sent before anyone listened.
    Serial.clear(QSerialPort::AllDirections);
    Serial.clearError();
    Opened = true;
    ++OpenCount;
    if (OnPortOpen)
        OnPortOpen(this);
}

void TComPort::Close()
{
    if (!Opened)
        return;
    ReleasePort();
    if (OnPortClose)
        OnPortClose(this);
}

void TComPort::ReleasePort()
{
    Opened = false;
    if (Serial.isOpen())
        Serial.close();
}

void TComPort::ReadArrived()
{
    const QByteArray chunk = Serial.readAll();
    if (!Opened || !ReceiveCallBack)
        return;
    Received.Append(chunk);
    // Delivered from the event loop rather than from inside the platform's read
    // notification, so that an exception thrown by the callback cannot leave the
    // serial port's notification state behind.
    ScheduleDelivery();
}

void TComPort::ScheduleDelivery()
{
    if (DeliveryScheduled)
        return;
    DeliveryScheduled = true;
    QMetaObject::invokeMethod(this, &TComPort::DeliverPending, Qt::QueuedConnection);
}

bool TComPort::HasDelivery() const
{
    return Mode == rmTERM ? Received.HasLine() : !Received.IsEmpty();
}

void TComPort::DeliverPending()
{
    DeliveryScheduled = false;
    // A callback that runs the event loop must not be entered again: what arrives
    // meanwhile follows, in order, once it has returned.
    if (Holds > 0)
        return;
    while (Holds == 0 && Opened && ReceiveCallBack && HasDelivery()) {
        const QByteArray data = Mode == rmTERM ? Received.TakeLine() : Received.TakeAll();
        const TReceiveProc callback = ReceiveCallBack; // it may replace itself
        // Released also when the callback throws: the remaining lines still go out.
        HoldDelivery();
        const auto release = qScopeGuard([this] { ReleaseDelivery(); });
        callback(QString::fromLatin1(data));
    }
    // After an exception from the callback the count waits for the next delivery.
    if (const std::uint64_t dropped = Received.TakeDroppedCount(); dropped > 0 && OnLinesDropped)
        OnLinesDropped(dropped);
}

void TComPort::HandleSerialError(QSerialPort::SerialPortError error)
{
    if (error == QSerialPort::NoError)
        return;
    if (!Opened) {
        if (OpenErrorText.isEmpty())
            OpenErrorText = Serial.errorString();
        return;
    }
    // A hung-up terminal reads as end of file and reports a read error at every turn of
    // the event loop until it is closed.
    if (error == QSerialPort::ResourceError || (error == QSerialPort::ReadError && DeviceHungUp())) {
        QMetaObject::invokeMethod(
            this, [this, openCount = OpenCount] { CloseAfterDeviceLoss(openCount); }, Qt::QueuedConnection);
        return;
    }
    if (OnError)
        OnError(this);
}

bool TComPort::DeviceHungUp() const
{
    pollfd descriptor{Serial.handle(), POLLIN, 0};
    return ::poll(&descriptor, 1, 0) > 0 && (descriptor.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0;
}

void TComPort::CloseAfterDeviceLoss(quint64 openCount)
{
    if (Opened && openCount == OpenCount)
        Close();
}
