#pragma once
// The main window's tool bar: the alerts switch, the Play, Pause, Record, Stop and Restart
// buttons, the peak frequency of the last sample (gone at most 10 s after it came), the pending
// end of the recording and, over them, the progress of an import. It shows by itself what the
// session reports; what the buttons do is the window's.

#include "storage/LastSettings.h"

#include <QFrame>
#include <QTimer>

#include <functional>

class QButtonGroup;
class QLabel;
class QProgressBar;
class QToolButton;
class TAcquisitionSession;

class TAcquisitionBar : public QFrame {
public:
    TAcquisitionBar(const TAcquisitionSession &session, const QString &resourcesDir, QWidget *parent = nullptr);

    bool AlertsOn() const { return Alerts; }
    // The switch, by a click or from the settings file; OnAlertsSwitched shows it.
    void SetAlertsOn(bool on);
    std::function<void(bool on)> OnAlertsSwitched;
    // Its line of the settings file: the alerts switch.
    void WriteSettings(TLastSettings &settings) const { settings.AlertsOn = Alerts; }
    void ApplyLoadedSettings(const TLastSettings &settings, int linesInEffect);
    // The pending end of the recording, or nothing.
    void ShowPendingEnd();

    QLabel *AlertsSwitch = nullptr;
    QToolButton *PlayB = nullptr;
    QToolButton *PauseB = nullptr;
    QToolButton *RecB = nullptr;
    QToolButton *StopB = nullptr;
    QToolButton *RestartB = nullptr;
    QButtonGroup *ListenButtons = nullptr;
    QLabel *PeakFrequency = nullptr;
    QLabel *PendingEnd = nullptr;
    QProgressBar *ProgressBar = nullptr;
    QTimer PeakFrequencyTimer;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void ShowPeakFrequency();
    void ClearPeakFrequency();
    // The bar from x 206 to 10 pixels short of the window's right edge.
    void ShowImportProgress(int maximum);

    const TAcquisitionSession &Session;
    const QString ResourcesDir;
    bool Alerts = false;
};
