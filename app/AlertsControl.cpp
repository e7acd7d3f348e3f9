#include "app/AlertsControl.h"

#include "dialogs/AlertsDialog.h"
#include "model/HandlerErrors.h"
#include "model/Risk.h"
#include "model/Services.h"
#include "model/Units.h"
#include "session/AcquisitionSession.h"
#include "windows/ChoiceGroup.h"

#include <QEvent>
#include <QLabel>
#include <QLocale>
#include <QMouseEvent>
#include <QPixmap>
#include <QRadioButton>

TAlertsControl::TAlertsControl(TAcquisitionSession &session, const TAlertsView &view, const TAppPaths &paths,
                               QWidget *window)
    : QObject(window), Session(session), View(view), ResourcesDir(paths.ResourcesDir),
      OptionsFile(paths.SettingsDir + ProgramOptionsFileName), Window(window)
{
    AlertOptions = ReadAlertOptions(OptionsFile);
    TLiveAlert &alert = Session.Alert;
    alert.SetLimit(AlertOptions.Limit);
    TakeTarget();
    // Also when the settings file selects a choice: the alert is judged as the display is.
    for (const TChoiceGroup *group : {View.Population, View.State})
        for (int i = 0; i < 2; ++i)
            connect(group->Item(i), &QRadioButton::toggled, this, [this] { TakeTarget(); });
    connect(&alert, &TLiveAlert::Started, this, &TAlertsControl::AlertStarted);
    connect(&alert, &TLiveAlert::Ended, this, &TAlertsControl::AlertEnded);
    ToneTimer.setInterval(ToneRepeatMs);
    connect(&ToneTimer, &QTimer::timeout, this, &TAlertsControl::PlayTone);
    View.Picture->installEventFilter(this);
    ShowPicture();
}

void TAlertsControl::SetSwitch(bool on)
{
    SwitchOn = on;
    Session.Alert.SetOn(on);
    ShowPicture();
}

void TAlertsControl::EditOptions()
{
    if (!Dialog)
        Dialog = new TAlertsDialog(Window);
    TAlertOptions options = AlertOptions;
    if (!Dialog->Execute(options, UnitName(Session.Settings().Unit).value_or(QString())))
        return;
    if (options.Limit != AlertOptions.Limit)
        Session.Alert.SetLimit(options.Limit);
    AlertOptions = options;
    if (!options.Tone)
        ToneTimer.stop();
    else if (Session.Alert.Active())
        ToneTimer.start();
    WriteAlertOptions(OptionsFile, AlertOptions);
}

bool TAlertsControl::ShowStatus()
{
    if (!Session.Alert.Active())
        return false;
    ShownStatus = StatusText();
    View.Status->setText(ShownStatus);
    return true;
}

bool TAlertsControl::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == View.Picture && event->type() == QEvent::MouseButtonPress
        && static_cast<QMouseEvent *>(event)->button() == Qt::RightButton) {
        RunShowingErrors([this] { EditOptions(); });
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void TAlertsControl::ShowPicture()
{
    const char *picture = Session.Alert.Active() ? "Speakeralert.bmp" : SwitchOn ? "Speaker.bmp" : "Speakeroff.bmp";
    View.Picture->setPixmap(QPixmap(ResourcesDir + picture));
}

void TAlertsControl::TakeTarget()
{
    Session.Alert.SetTarget(PopulationOfIndex(View.Population->ItemIndex()), TargetStateOfIndex(View.State->ItemIndex()));
}

void TAlertsControl::AlertStarted()
{
    ShowPicture();
    if (AlertOptions.Tone) {
        PlayTone();
        ToneTimer.start();
    }
    NotifyDesktop(tr("Alert: the readings have reached %1").arg(LimitText()),
                  tr("Reading: %1").arg(ReadingText(Session.Alert.Peak())));
}

void TAlertsControl::AlertEnded()
{
    ToneTimer.stop();
    ShowPicture();
    // The run's own status comes back with the next reading; a stopped run has none.
    if (!ShownStatus.isEmpty() && View.Status->text() == ShownStatus)
        View.Status->clear();
    ShownStatus.clear();
}

void TAlertsControl::PlayTone()
{
    PlaySound(ResourcesDir + "Alert.wav");
}

QString TAlertsControl::StatusText() const
{
    return tr("   Alert: the readings have reached %1 (peak %2)")
        .arg(LimitText(), ReadingText(Session.Alert.Peak()));
}

QString TAlertsControl::LimitText() const
{
    const TAlertLimit &limit = Session.Alert.Limit();
    if (!limit.Level)
        return RiskCategoryDisplayName(limit.Category.value_or(0));
    // The level as the user gave it, not in the decimals of a reading.
    const QString level = QLocale::system().toString(*limit.Level, 'g', QLocale::FloatingPointShortest);
    const std::optional<QString> unit = UnitName(Session.Alert.Unit());
    return unit ? level + ' ' + *unit : level;
}

QString TAlertsControl::ReadingText(double value) const
{
    const QString text = FormatValue(DisplayDecimals(value), value);
    const std::optional<QString> unit = UnitName(Session.Alert.Unit());
    return unit ? text + ' ' + *unit : text;
}
