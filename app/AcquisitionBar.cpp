#include "app/AcquisitionBar.h"

#include "dialogs/WidgetStyle.h"
#include "model/FrequencyColours.h"
#include "model/HandlerErrors.h"
#include "session/AcquisitionSession.h"
#include "windows/ClickForwarder.h"

#include <QCoreApplication>
#include <QButtonGroup>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QResizeEvent>
#include <QToolButton>

namespace {

const QString SitkaText = QStringLiteral("Sitka Text");
const QColor PeakFrequencyColour(255, 74, 142);
const QColor PendingEndColour(152, 252, 174);
constexpr int ToolButtonSize = 24;
constexpr int ProgressBarTop = 5, ProgressBarHeight = 16;
constexpr int PeakFrequencyClearMs = 10000;

QFrame *VerticalRule()
{
    auto *rule = new QFrame;
    rule->setFixedSize(1, ToolButtonSize);
    SetBackground(rule, QColor(128, 128, 128));
    return rule;
}

// A flat speed button named name: its glyph, and the pressed glyph while it is down.
QToolButton *SpeedButton(const QString &name, const QString &resourcesDir, const QString &glyph, const QString &hint,
                         bool checkable)
{
    auto *button = new QToolButton;
    button->setObjectName(name);
    button->setFixedSize(ToolButtonSize, ToolButtonSize);
    button->setIconSize(QSize(ToolButtonSize, ToolButtonSize));
    button->setAutoRaise(true);
    button->setToolTip(hint);
    button->setCheckable(checkable);
    QIcon icon;
    icon.addFile(resourcesDir + glyph + ".png", {}, QIcon::Normal, QIcon::Off);
    icon.addFile(resourcesDir + glyph + "_down.png", {}, QIcon::Normal, QIcon::On);
    button->setIcon(icon);
    return button;
}

} // namespace

TAcquisitionBar::TAcquisitionBar(const TAcquisitionSession &session, const QString &resourcesDir, QWidget *parent)
    : QFrame(parent), Session(session), ResourcesDir(resourcesDir)
{
    setFixedHeight(26);
    SetBackground(this, WindowGrey);
    // The glyphs draw their own pressed look.
    setStyleSheet(QStringLiteral("QToolButton { border: none; padding: 0px; background: transparent; }"));
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(3, 1, 0, 1);
    row->setSpacing(0);

    AlertsSwitch = new QLabel(this);
    AlertsSwitch->setToolTip(QCoreApplication::translate("TAcquisitionBar", "Toggle alerts (on/off)"));
    AlertsSwitch->setFixedSize(ToolButtonSize, ToolButtonSize);
    row->addWidget(AlertsSwitch);
    row->addSpacing(4);
    row->addWidget(VerticalRule());
    row->addSpacing(3);

    PlayB = SpeedButton(QStringLiteral("PlayB"), resourcesDir, "Play", QCoreApplication::translate("TAcquisitionBar", "Start Listening"), true);
    PauseB = SpeedButton(QStringLiteral("PauseB"), resourcesDir, "Pause", QCoreApplication::translate("TAcquisitionBar", "Pause"), true);
    RecB = SpeedButton(QStringLiteral("RecB"), resourcesDir, "Record", QCoreApplication::translate("TAcquisitionBar", "Start Recording"), true);
    StopB =
        SpeedButton(QStringLiteral("StopB"), resourcesDir, "Stop", QCoreApplication::translate("TAcquisitionBar", "Stop Listening/Recording"), true);
    ListenButtons = new QButtonGroup(this);
    ListenButtons->setExclusive(true);
    for (QToolButton *button : {PlayB, RecB, StopB})
        ListenButtons->addButton(button);
    for (QToolButton *button : {PlayB, PauseB, RecB, StopB})
        row->addWidget(button);
    row->addSpacing(4);
    row->addWidget(VerticalRule());
    row->addSpacing(4);

    RestartB = SpeedButton(QStringLiteral("RestartB"), resourcesDir, "Restart", QCoreApplication::translate("TAcquisitionBar", "Restart"), false);
    connect(RestartB, &QToolButton::pressed, this,
            ShowingErrors([this] { RestartB->setIcon(QIcon(ResourcesDir + "Restart_down.png")); }));
    connect(RestartB, &QToolButton::released, this,
            ShowingErrors([this] { RestartB->setIcon(QIcon(ResourcesDir + "Restart.png")); }));
    row->addWidget(RestartB);
    row->addSpacing(5);

    PeakFrequency = new QLabel(this);
    PeakFrequency->setFont(NamedFont(SitkaText, 19, QFont::Serif));
    SetTextColour(PeakFrequency, PeakFrequencyColour);
    row->addWidget(PeakFrequency, 1);

    PendingEnd = new QLabel(this);
    // At least its design width; wider where the end's date and time need it.
    PendingEnd->setMinimumWidth(365);
    PendingEnd->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    PendingEnd->setFont(NamedFont(SitkaText, 15, QFont::Serif));
    SetTextColour(PendingEnd, PendingEndColour);
    row->addWidget(PendingEnd);
    PendingEnd->hide();

    // Placed by hand over the bar's other controls, and kept at its distance from the right
    // edge when the window is resized.
    ProgressBar = new QProgressBar(this);
    ProgressBar->setRange(0, 100);
    ProgressBar->setTextVisible(false);
    ProgressBar->setGeometry(359, ProgressBarTop, 229, ProgressBarHeight);
    ProgressBar->hide();

    auto *alertClicks = new TClickForwarder([this] { SetAlertsOn(!Alerts); }, this);
    alertClicks->Watch({AlertsSwitch});

    PeakFrequencyTimer.setInterval(PeakFrequencyClearMs);
    PeakFrequencyTimer.start();
    connect(&PeakFrequencyTimer, &QTimer::timeout, this, ShowingErrors(this, &TAcquisitionBar::ClearPeakFrequency));

    connect(&Session, &TAcquisitionSession::SampleProcessed, this, &TAcquisitionBar::ShowPeakFrequency);
    connect(&Session, &TAcquisitionSession::ScheduledEndChanged, this, &TAcquisitionBar::ShowPendingEnd);
    connect(&Session, &TAcquisitionSession::ImportProgressShown, this, &TAcquisitionBar::ShowImportProgress);
    connect(&Session, &TAcquisitionSession::ImportProgress, ProgressBar, [this](int done, int length) {
        ProgressBar->setMaximum(length);
        ProgressBar->setValue(done);
    });
    connect(&Session, &TAcquisitionSession::ImportProgressHidden, ProgressBar, [this] {
        ProgressBar->setValue(0);
        ProgressBar->hide();
    });
    connect(&Session, &TAcquisitionSession::ImportEnded, ProgressBar, &QWidget::hide);
}

void TAcquisitionBar::SetAlertsOn(bool on)
{
    Alerts = on;
    if (OnAlertsSwitched)
        OnAlertsSwitched(on);
}

void TAcquisitionBar::ApplyLoadedSettings(const TLastSettings &settings, int linesInEffect)
{
    if (linesInEffect >= 1)
        SetAlertsOn(settings.AlertsOn);
}

void TAcquisitionBar::ShowPendingEnd()
{
    const TScheduledEnd &end = Session.ScheduledEnd();
    PendingEnd->setText(end.LabelText());
    PendingEnd->setVisible(end.IsPending());
}

void TAcquisitionBar::ShowPeakFrequency()
{
    const std::uint16_t peakFrequency = Session.PeakFrequency();
    if (peakFrequency == 0)
        return;
    QPalette palette = PeakFrequency->palette();
    palette.setColor(QPalette::WindowText, FrequencyColour(peakFrequency));
    PeakFrequency->setPalette(palette);
    PeakFrequency->setText(QCoreApplication::translate("TAcquisitionBar", "Peak Frequency: %1").arg(peakFrequency));
    // A running timer keeps its period: the read-out goes at most 10 s after it came.
    if (!PeakFrequencyTimer.isActive())
        PeakFrequencyTimer.start();
}

void TAcquisitionBar::ClearPeakFrequency()
{
    PeakFrequency->clear();
    PeakFrequencyTimer.stop();
}

void TAcquisitionBar::ShowImportProgress(int maximum)
{
    ProgressBar->setGeometry(206, ProgressBarTop, window()->width() - 216, ProgressBarHeight);
    ProgressBar->setRange(0, maximum);
    ProgressBar->setValue(0);
    ProgressBar->show();
}

void TAcquisitionBar::resizeEvent(QResizeEvent *event)
{
    QFrame::resizeEvent(event);
    if (event->oldSize().isValid())
        ProgressBar->move(ProgressBar->x() + event->size().width() - event->oldSize().width(), ProgressBar->y());
}
