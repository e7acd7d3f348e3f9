#pragma once
// The connection form: finds the meter's port, opens it, keeps looking once a second while
// there is none, and turns each line the meter sends into a sample or an import line of the
// receiver (the acquisition session), which holds the lines back through it. It is never
// shown; what the user sees goes to the client's status line (the main window's) and to
// message boxes. Client and receiver must outlive it: its destruction saves the settings.
// A meter unplugged while listening or recording is waited for on the same port: once a
// second the port is opened again, and reception goes on where it stopped.

#include "device/ComPort.h"
#include "device/ConnectionClient.h"
#include "device/PortListBox.h"
#include "model/AppPaths.h"
#include "model/MeterReceiver.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>

class TMeterConnection : public QObject, public ILineHold {
    Q_OBJECT

public:
    // Runs FormCreate: loads the settings, configures ComPort1 and connects to the highest
    // openable port of deviceDir (or to deviceDir itself when it names a port, not a folder),
    // or starts waiting for one.
    TMeterConnection(IConnectionClient &client, IMeterReceiver &receiver, const TAppPaths &paths,
                     const QString &deviceDir = QStringLiteral("/dev"), QObject *parent = nullptr);
    // Runs FormDestroy: saves the settings and closes the port.
    ~TMeterConnection() override;
    TMeterConnection(const TMeterConnection &) = delete;
    TMeterConnection &operator=(const TMeterConnection &) = delete;

    // Opens the selected port unless it is open (throws EComError when it cannot), and with
    // startListening starts listening through the client. With no port known: ShowWaiting.
    void ConnectDevice(bool startListening);
    // The waiting texts, the status line inviting to connect, and the retry timer.
    void ShowWaiting();
    // One line from the port, CR LF included.
    void ComPort1ReceiveCallBack(const QString &Data);
    void Timer1Timer();
    // Closes the port on purpose (stop, end of an import, program end): nothing is waited
    // for. A close that does not come through here is the meter going away.
    void ClosePort();
    // Tries the lost meter's port again; on success the reception goes on.
    void ReconnectTimerTimer();
    // Writes the settings file now (before the process ends at once) unless WritesSettings is
    // false; a failure is shown.
    void SaveSettings();

    // The port's delivery held and released for the receiver.
    void HoldLines() override { ComPort1.HoldDelivery(); }
    void ReleaseLines() override { ComPort1.ReleaseDelivery(); }

    TPortListBox ListBoxPorts;
    QString Panel1;
    QString Panel2;
    QTimer Timer1;
    TComPort ComPort1;
    QTimer ReconnectTimer; // runs while a lost meter is waited for

    // The client's side of losing the meter and finding it again.
    std::function<void()> OnMeterLost;
    std::function<void()> OnMeterBack;

    // False for the recorder: it reads the program's settings file but never writes it.
    bool WritesSettings = true;

    bool DbmWarningShown = false; // the dBm warning is shown once per run of 13-character lines
    bool StrayLineSeen = false;   // the one stray line tolerated per run has come
    // The first line after the meter came back may begin with what was left of the line
    // that the unplugging cut.
    bool LineMayBeCut = false;

private:
    void FormCreate();
    void FormDestroy();
    void LoadSettings();
    void ComPort1PortClose();
    void ConnectFromOwnEvent();
    void HandleDbmLine();
    void HandleMeasurementLine(const QString &Data);
    void HandleStrayLine();
    void EndAfterStrayLine();

    IConnectionClient &Client;
    IMeterReceiver &Receiver;
    const TAppPaths Paths;
    const QString DeviceDir;
    QString SettingsFile;
    QString ShownPermissionHint; // the sentence the waiting status line carries now
    QString ReportedOpenError;   // the open failure last shown: the retries do not show it again
    bool ClosingOnPurpose = false;
};
