#pragma once
// The alerts of the main window: the switch's picture (on, off, or an alert in progress), the
// risk assessment's population and state handed to the session's alert, the status line while an
// alert lasts, a tone repeated every few seconds and a desktop notification at its start, and
// the alerts dialog, whose options are kept in the program's options file.

#include "model/AppPaths.h"
#include "storage/ProgramOptionsFile.h"

#include <QObject>
#include <QString>
#include <QTimer>

class QLabel;
class QWidget;
class TAcquisitionSession;
class TAlertsDialog;
class TChoiceGroup;

// The main window's controls the alerts use.
struct TAlertsView {
    QLabel *Picture;
    QLabel *Status;
    const TChoiceGroup *Population;
    const TChoiceGroup *State;
};

class TAlertsControl : public QObject {
    Q_OBJECT

public:
    static constexpr int ToneRepeatMs = 4000;

    // The options come from the options file in the settings folder of paths; a right click on
    // the picture opens the dialog.
    TAlertsControl(TAcquisitionSession &session, const TAlertsView &view, const TAppPaths &paths, QWidget *window);

    // The alerts switch.
    void SetSwitch(bool on);
    // The alerts dialog; the options taken are in effect at once and written to the options
    // file, which throws EInOutError when it cannot be written.
    void EditOptions();
    const TAlertOptions &Options() const { return AlertOptions; }

    // The status line says so while an alert lasts: true when it does.
    bool ShowStatus();

    // Repeats the tone while an alert lasts.
    QTimer ToneTimer;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void ShowPicture();
    void TakeTarget();
    void AlertStarted();
    void AlertEnded();
    void PlayTone();
    QString StatusText() const;
    // The category, or the level with its unit.
    QString LimitText() const;
    // A reading of the run's unit as the status line shows it: "1.234 V/m".
    QString ReadingText(double value) const;

    TAcquisitionSession &Session;
    const TAlertsView View;
    const QString ResourcesDir;
    const QString OptionsFile;
    QWidget *Window;
    TAlertsDialog *Dialog = nullptr;
    TAlertOptions AlertOptions;
    bool SwitchOn = false;
    // What the status line was given for the alert, to be taken away when it ends.
    QString ShownStatus;
};
