#include "device/MeterConnection.h"

#include "device/EnumComPorts.h"
#include "device/MeterLineKind.h"
#include "device/PortPermission.h"
#include "model/HandlerErrors.h"
#include "model/InOutError.h"
#include "model/MeasurementLine.h"
#include "model/Services.h"
#include "storage/LastSettings.h"

#include <QCoreApplication>

#include <cstdlib>
#include <utility>

namespace {

constexpr int RetryIntervalMs = 1000;
constexpr int ReconnectIntervalMs = 1000;
// Stray lines are tolerated once only at the short intervals, where one may slip in.
constexpr double LongestStrayTolerantInterval = 10.0;

const char *const WaitingForDeviceText =
    QT_TRANSLATE_NOOP("TMeterConnection", "Please connect the ZELTAR via USB cable to the PC");
const char *const WaitingText = QT_TRANSLATE_NOOP("TMeterConnection", "Waiting...");
const char *const ConnectOrOpenStatus =
    QT_TRANSLATE_NOOP("TMeterConnection",
                      "  Connect a ZELTAR device or open a record (from the \"Data\" menu or just click here)");
const char *const DbmWarning = QT_TRANSLATE_NOOP("TMeterConnection",
    "Logging is not supported in dBm unit. Please change unit by clicking on the \"UNIT\" button of ZELTAR device");
const char *const StrayLineWarning = QT_TRANSLATE_NOOP("TMeterConnection",
    "Please connect your ZELTAR device to the PC via USB port and run this application again. If you have already "
    "connected the device, just start the application again. If this message appears again, re-connect the device.");

QString DroppedLinesText(std::uint64_t count)
{
    return count == 1
               ? QCoreApplication::translate("TMeterConnection",
                                             "   1 line received while a message was open has been dropped")
               : QCoreApplication::translate("TMeterConnection",
                                             "   %1 lines received while a message was open have been dropped")
                     .arg(count);
}

} // namespace

TMeterConnection::TMeterConnection(IConnectionClient &client, IMeterReceiver &receiver, const TAppPaths &paths,
                                   const QString &deviceDir, QObject *parent)
    : QObject(parent), Client(client), Receiver(receiver), Paths(paths), DeviceDir(deviceDir)
{
    Receiver.SetLineHold(this);
    Timer1.setInterval(RetryIntervalMs);
    connect(&Timer1, &QTimer::timeout, this, ShowingErrors(this, &TMeterConnection::Timer1Timer));
    ReconnectTimer.setInterval(ReconnectIntervalMs);
    connect(&ReconnectTimer, &QTimer::timeout, this, ShowingErrors(this, &TMeterConnection::ReconnectTimerTimer));
    FormCreate();
}

TMeterConnection::~TMeterConnection()
{
    Receiver.SetLineHold(nullptr);
    FormDestroy();
}

void TMeterConnection::FormCreate()
{
    Panel1.clear();
    Panel2.clear();
    LoadSettings();

    ComPort1.SetParity(ptNONE);
    ComPort1.SetDataBits(8);
    ComPort1.SetStopBits(sbONE);
    ComPort1.SetBaud(9600);
    ComPort1.SetWinQSizeIn(8192);
    ComPort1.SetWinQSizeOut(8192);
    ComPort1.SetReceiveMode(rmTERM);
    ComPort1.SetTerminator(QStringLiteral("#13#10"));
    ComPort1.ReceiveCallBack = [this](const QString &Data) { ComPort1ReceiveCallBack(Data); };
    // However the port opens again, nobody needs to look for it any more.
    ComPort1.OnPortOpen = [this](QObject *) {
        ReconnectTimer.stop();
        ReportedOpenError.clear();
    };
    ComPort1.OnPortClose = [this](QObject *) { ComPort1PortClose(); };
    ComPort1.OnLinesDropped = [this](std::uint64_t count) { Client.ShowNotice(DroppedLinesText(count)); };

    EnumComPorts(ListBoxPorts.Items, DeviceDir);
    if (!ListBoxPorts.Items.isEmpty())
        ListBoxPorts.SelectLast();
    ConnectFromOwnEvent();
}

void TMeterConnection::FormDestroy()
{
    SaveSettings();
    ClosePort();
}

void TMeterConnection::ConnectDevice(bool startListening)
{
    if (!ComPort1.isOpen()) {
        if (ListBoxPorts.Items.isEmpty()) {
            ShowWaiting();
            return;
        }
        ComPort1.SetPort(ListBoxPorts.SelectedItem());
        if (ComPort1.Port().isEmpty()) {
            ShowWaiting();
            return;
        }
    }
    ComPort1.Open();
    Panel1.clear();
    Panel2.clear();
    if (startListening)
        Client.StartListening();
}

// Creation and the retry timer are not user actions: nobody above them shows an open
// failure, so they show it themselves, once, and go on waiting: a port another program holds
// may be let go.
void TMeterConnection::ConnectFromOwnEvent()
{
    try {
        ConnectDevice(true);
    } catch (const EComError &error) {
        if (error.Message != std::exchange(ReportedOpenError, error.Message))
            ShowMessageBox(TMsgKind::Error, error.Message);
        ShowWaiting();
    }
}

void TMeterConnection::ShowWaiting()
{
    Panel1 = tr(WaitingForDeviceText);
    Panel2 = tr(WaitingText);
    if (!Timer1.isActive())
        Timer1.start();
    ShownPermissionHint = PortPermissionHint(DeniedComPorts(DeviceDir));
    Client.ShowStatus(tr(ConnectOrOpenStatus) + ShownPermissionHint);
}

void TMeterConnection::Timer1Timer()
{
    // A port that failed to open is still listed: it is looked for afresh, not added again.
    ListBoxPorts.Items.clear();
    EnumComPorts(ListBoxPorts.Items, DeviceDir);
    if (!ListBoxPorts.Items.isEmpty()) {
        ListBoxPorts.SelectLast();
        Timer1.stop();
        ConnectFromOwnEvent();
        return;
    }
    // A meter plugged in while waiting may be one this user may not open: say so once.
    if (PortPermissionHint(DeniedComPorts(DeviceDir)) != ShownPermissionHint)
        ShowWaiting();
}

void TMeterConnection::ClosePort()
{
    ReconnectTimer.stop();
    ClosingOnPurpose = true;
    ComPort1.Close();
    ClosingOnPurpose = false;
}

// Only a listening or recording run waits for its meter; an import ends by its silence.
void TMeterConnection::ComPort1PortClose()
{
    const TRecordingState state = Receiver.State();
    if (ClosingOnPurpose || (state != Listening && state != Recording))
        return;
    LineMayBeCut = true;
    ReconnectTimer.start();
    if (OnMeterLost)
        OnMeterLost();
}

void TMeterConnection::ReconnectTimerTimer()
{
    if (ComPort1.isOpen()) {
        ReconnectTimer.stop();
        return;
    }
    try {
        ComPort1.Open();
    } catch (const EComError &) {
        return; // still away; the next tick tries again
    }
    if (OnMeterBack)
        OnMeterBack();
}

void TMeterConnection::ComPort1ReceiveCallBack(const QString &Data)
{
    if (Receiver.IsOnHold())
        return;
    if (Receiver.State() == Importing) {
        Receiver.ImportLine(Data);
        return;
    }
    const TMeterLine line = ClassifyMeterLine(Data, std::exchange(LineMayBeCut, false));
    switch (line.Kind) {
    case TMeterLineKind::Dbm:
        HandleDbmLine();
        break;
    case TMeterLineKind::Measurement:
        HandleMeasurementLine(line.Text);
        break;
    case TMeterLineKind::Stray:
        HandleStrayLine();
        break;
    case TMeterLineKind::CutRemainder:
        break;
    }
}

void TMeterConnection::HandleDbmLine()
{
    if (DbmWarningShown)
        return;
    DbmWarningShown = true;
    ShowMessageBox(TMsgKind::Warning, tr(DbmWarning));
    // What came while the warning was open is stale now, unless a recording keeps it.
    if (Receiver.State() != Recording)
        ComPort1.DropReceivedLines();
}

void TMeterConnection::HandleMeasurementLine(const QString &Data)
{
    DbmWarningShown = false;
    // A garbled line carries no measurement; the next one will.
    const std::optional<TMeasurement> measurement = ParseMeasurementLine(Data);
    if (!measurement)
        return;
    Receiver.ProcessSample(measurement->PeakFrequency, measurement->Value);
}

void TMeterConnection::HandleStrayLine()
{
    DbmWarningShown = false;
    if (!StrayLineSeen && Receiver.SampleInterval() <= LongestStrayTolerantInterval) {
        StrayLineSeen = true;
        return;
    }
    ShowMessageBox(TMsgKind::Warning, tr(StrayLineWarning));
    EndAfterStrayLine();
}

// The port is not closed here: this runs inside its own delivery, and the process ends
// without waiting for anything.
void TMeterConnection::EndAfterStrayLine()
{
    try {
        Client.SaveRecordingBeforeExit();
    } catch (const EInOutError &error) {
        ShowMessageBox(TMsgKind::Error, error.Message);
    }
    SaveSettings();
    EndProcessAtOnce(EXIT_FAILURE);
}

void TMeterConnection::LoadSettings()
{
    SettingsFile = Paths.SettingsDir + LastSettingsFileName;
    const std::optional<TSettingsFileRead> read = LoadSettingsFile(SettingsFile);
    if (!read)
        return;
    // The lines before a bad one have been taken, as a reading line by line takes them.
    if (read->LinesInEffect > 0)
        Client.ApplyLoadedSettings(read->Settings, read->LinesInEffect);
    if (!read->Error.isEmpty())
        ShowMessageBox(TMsgKind::Error, read->Error);
}

void TMeterConnection::SaveSettings()
{
    if (!WritesSettings)
        return;
    try {
        SaveSettingsFile(SettingsFile, Client.CurrentSettings());
    } catch (const EInOutError &error) {
        ShowMessageBox(TMsgKind::Error, error.Message);
    }
}
