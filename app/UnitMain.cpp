#include "app/UnitMain.h"

#include "windows/ClickForwarder.h"
#include "model/ConvertError.h"
#include "model/DecimalSeparators.h"
#include "model/HandlerErrors.h"
#include "windows/ChoiceGroup.h"
#include "app/RiskScaleBox.h"
#include "app/Version.h"
#include "dialogs/WidgetStyle.h"
#include "charts/ChartConfigurations.h"
#include "charts/RChart.h"
#include "device/Form2_Port.h"
#include "model/InOutError.h"
#include "model/Services.h"
#include "dialogs/DialogLook.h"
#include "dialogs/MetaDataDialog.h"
#include "dialogs/ScheduleDialog.h"
#include "windows/StatisticsPanel.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QResizeEvent>
#include <QSplitter>
#include <QToolButton>

#include <utility>

namespace {

const QString MissingPdfMessage =
    QStringLiteral("The requirred pdf file has not been found. Please reinstall the application.");
constexpr int PeakFrequencyClearMs = 10000;
// Long enough to read a notice before the running status comes back.
constexpr int NoticeMs = 10000;
constexpr int CollapsedRightWidth = 6;
constexpr int ExpandedRightWidth = 155;

const QColor ShownTitleColour(255, 255, 210);

} // namespace

TForm1::TForm1(const TAppPaths &paths, QWidget *parent)
    : QMainWindow(parent), Paths(paths), Session(paths.LogDir)
{
    MetaDataDialog = new TMetaDataDialog(Session.DescriptionToEdit(), this);
    ScheduleDialog = new TScheduleDialog(this);
    BuildLayout();
    BuildMenu();
    WireHandlers();
    WatchSession();
    FormCreate();
}

TForm1::~TForm1() = default;

void TForm1::FormCreate()
{
    setWindowIcon(QIcon(Paths.ResourcesDir + "Zeltar.ico"));
    ProgressBar->hide();
    LabelInterrupt->hide();
    SetAlertsPicture();
    UnlockAcquisitionSettings();

    QFont scaleFont = NamedFont(QStringLiteral("Corbel"), RiskEvaluationPB->height() - 4, QFont::SansSerif);
    RiskEvaluationPB->setFont(scaleFont);

    CheckDecimalSeparator();

    AppliedChoice = {UnitFromName(IrrUnitGB->ItemText(IrrUnitGB->ItemIndex())),
                     IntervalSeconds(IntervalCB->currentText()).value_or(0.5), StrToInt(CorrectionCB->currentText()),
                     StrToInt(VisibleSamplesCB->currentText())};
    Session.TakeSettings(AppliedChoice);
    Session.ResetStatistics();

    ConfigureChart(*TChart, MainTimeChartConfiguration(AppliedChoice.VisibleSamples, AppliedChoice.Interval));
    ConfigureChart(*HChart, MainHistogramChartConfiguration());
    PanelBottom->SetExpanded(false);

    NoticeTimer.setSingleShot(true);
    NoticeTimer.setInterval(NoticeMs);
    LabelPeakFreqTimer.setInterval(PeakFrequencyClearMs);
    LabelPeakFreqTimer.start();
}

void TForm1::WireHandlers()
{
    connect(PlayB, &QToolButton::clicked, this, ShowingErrors(this, &TForm1::PlayBClick));
    connect(PauseB, &QToolButton::clicked, this, ShowingErrors(this, &TForm1::PauseBClick));
    connect(RecB, &QToolButton::clicked, this, ShowingErrors(this, &TForm1::RecBClick));
    connect(StopB, &QToolButton::clicked, this, ShowingErrors(this, &TForm1::StopBClick));
    connect(RestartB, &QToolButton::clicked, this, ShowingErrors(this, &TForm1::RestartBClick));
    connect(&Session.ScheduledEnd().InterruptREC, &QTimer::timeout, this,
            ShowingErrors(this, &TForm1::InterruptRECTimer));

    IrrUnitGB->OnClick = [this] { IrrUnitGBClick(); };
    connect(IntervalCB, &QComboBox::activated, this, ShowingErrors(this, &TForm1::IntervalCBChange));
    // The editable boxes apply what is typed on every keystroke, and a picked item at once.
    connect(VisibleSamplesCB, &QComboBox::activated, this, ShowingErrors(this, &TForm1::VisibleSamplesCBChange));
    connect(VisibleSamplesCB->lineEdit(), &QLineEdit::textEdited, this,
            ShowingErrors(this, &TForm1::VisibleSamplesCBChange));
    connect(CorrectionCB, &QComboBox::activated, this, ShowingErrors(this, &TForm1::correctionCBChange));
    connect(CorrectionCB->lineEdit(), &QLineEdit::textEdited, this,
            ShowingErrors(this, &TForm1::correctionCBChange));

    auto *rightPanelClicks = new TClickForwarder([this] { PanelRightClick(); }, this);
    rightPanelClicks->Watch({PanelRight});
    auto *alertClicks = new TClickForwarder([this] { ImageSOUNDClick(); }, this);
    alertClicks->Watch({ImageSOUND});
    auto *statusClicks = new TClickForwarder([this] { PanelStatusClick(); }, this);
    statusClicks->Watch({PanelStatus});

    connect(Splitter1, &QSplitter::splitterMoved, this, ShowingErrors(this, &TForm1::Splitter1Moved));
    connect(&LabelPeakFreqTimer, &QTimer::timeout, this, ShowingErrors(this, &TForm1::LabelPeakFreqTimerTimer));

    TChart->OnMouseDown = [this](TRChart *, Qt::MouseButton button, TShiftState shift, int, int) {
        TChartMouseDown(button, shift.Keys);
    };
    TChart->OnMouseMoveInChart = [this](TRChart *, bool inChart, TShiftState, double, double y) {
        TChartMouseMoveInChart(inChart, y);
    };
    HChart->OnMouseMoveInChart = [this](TRChart *, bool inChart, TShiftState, double x, double) {
        HChartMouseMoveInChart(inChart, x);
    };
}

void TForm1::WatchSession()
{
    connect(&Session, &TAcquisitionSession::LiveStateReset, this, [this] {
        ElapsedX = 0.0;
        PlottedCount = 0;
        const TAcquisitionChoice settings = Session.Settings();
        SetupTimeChart(*TChart, settings.Unit, settings.VisibleSamples, settings.Interval);
        ResetHistogramChart(*HChart);
    });
    connect(&Session, &TAcquisitionSession::StateChanged, this, &TForm1::SetStateIcons);
    connect(&Session, &TAcquisitionSession::SampleProcessed, this, &TForm1::ShowSample);
    connect(&Session, &TAcquisitionSession::StatusText, PanelStatus, &QLabel::setText);
    connect(&Session, &TAcquisitionSession::RecordSaved, LabelSample, &QLabel::clear);
    connect(&Session, &TAcquisitionSession::ScheduledEndChanged, this, &TForm1::ShowPendingEnd);
    connect(&Session, &TAcquisitionSession::LogFileCreated, this, [this] {
        if (LogFileCreated)
            LogFileCreated();
    });
    WatchImport();
}

void TForm1::AttachConnectionForm(TForm2 &form)
{
    ConnectionForm = &form;
    connect(&form, &QObject::destroyed, this, [this] { ConnectionForm = nullptr; });
    form.OnMeterLost = [this] { MeterDisconnected(); };
    form.OnMeterBack = [this] { MeterReconnected(); };
    if (std::exchange(ListenWhenAttached, false))
        StartListening();
}

bool TForm1::PortIsOpen() const
{
    return ConnectionForm && ConnectionForm->ComPort1.isOpen();
}

void TForm1::HoldLineDelivery(bool hold)
{
    if (PortIsOpen())
        ConnectionForm->ComPort1.SetReceiveMode(hold ? rmACCUMULATE : rmTERM);
}

void TForm1::OpenRecord1Click()
{
    if (OpenFileManager)
        OpenFileManager(0);
}

void TForm1::Density1Click()
{
    if (OpenFileManager)
        OpenFileManager(1);
}

void TForm1::DensityAnalyser1Click()
{
    if (ShowDensityAnalyser)
        ShowDensityAnalyser();
}

void TForm1::PanelStatusClick()
{
    OpenRecord1Click();
}

void TForm1::ConnectDevice(bool startListening)
{
    if (ConnectionForm)
        ConnectionForm->ConnectDevice(startListening);
}

void TForm1::ClosePort()
{
    if (ConnectionForm)
        ConnectionForm->ClosePort();
}

void TForm1::StartListening()
{
    // The connection form opens the port while it is being made, before it is attached.
    if (!ConnectionForm) {
        ListenWhenAttached = true;
        return;
    }
    // An import that waits for its port goes on once the port opens; only Play ends it.
    if (RecordingState == Importing && !PlayB->isChecked()) {
        Session.ImportPortOpened();
        return;
    }
    PlayB->setChecked(true);
    PlayBClick();
}

void TForm1::ShowStatus(const QString &text)
{
    PanelStatus->setText(text);
}

void TForm1::ShowNotice(const QString &text)
{
    PanelStatus->setText(text);
    NoticeTimer.start();
}

double TForm1::CurrentInterval() const
{
    return Session.CurrentMetaData().Interval;
}

void TForm1::SaveRecordingBeforeExit()
{
    Session.SaveBeforeExit();
}

void TForm1::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    FormShow();
}

void TForm1::FormShow()
{
    if (FirstShown)
        return;
    setWindowTitle(VersionCaption);
    CentreOnScreen(*this);
    FirstShown = true;
    PlaceChartReadouts();
}

void TForm1::closeEvent(QCloseEvent *event)
{
    if (FormCloseQuery())
        event->accept();
    else
        event->ignore();
}

bool TForm1::FormCloseQuery()
{
    if (RecordingState != Recording) {
        // A record that still lacks files gets its last chance to be completed.
        if (Session.HasUnsavedFiles())
            RunShowingErrors([this] { SaveRecordingBeforeExit(); });
        return true;
    }
    const TMsgAnswer answer = ShowMessageBox(
        TMsgKind::Confirmation,
        QStringLiteral("Currently recording. Are you sure you want to stop recording and close the application?"),
        TMsgButtons::OkCancel);
    if (answer != TMsgAnswer::Ok)
        return false;
    try {
        SaveRecordingBeforeExit();
    } catch (const EInOutError &error) {
        // The user asked to close: what could be saved is saved, and the window goes.
        ShowMessageBox(TMsgKind::Error, error.Message);
    }
    return true;
}

bool TForm1::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == PanelPlots && event->type() == QEvent::Resize)
        PlaceChartReadouts();
    if (watched == PanelCoolBar && event->type() == QEvent::Resize) {
        const auto *resize = static_cast<QResizeEvent *>(event);
        if (resize->oldSize().isValid())
            ProgressBar->move(ProgressBar->x() + resize->size().width() - resize->oldSize().width(), ProgressBar->y());
    }
    return QMainWindow::eventFilter(watched, event);
}

void TForm1::PanelRightClick()
{
    if (PanelRight->maximumWidth() != CollapsedRightWidth) {
        // The titles take the panel's own colour, so nothing shows in the strip.
        SetTitleColour(WindowGrey);
        PanelRight->setFixedWidth(CollapsedRightWidth);
    } else {
        SetTitleColour(ShownTitleColour);
        PanelRight->setFixedWidth(ExpandedRightWidth);
    }
    PanelRight->update();
}

void TForm1::SetTitleColour(const QColor &colour)
{
    for (QLabel *title : {Label2, Label3, Label4})
        SetTextColour(title, colour);
}

void TForm1::Splitter1Moved()
{
    HChartEdit->move(HChartEdit->x(), HChart->mapTo(PanelPlots, QPoint(0, 0)).y() + 8);
}

void TForm1::ImageSOUNDClick()
{
    AlertsOn = !AlertsOn;
    SetAlertsPicture();
}

void TForm1::SetAlertsPicture()
{
    ImageSOUND->setPixmap(QPixmap(Paths.ResourcesDir + (AlertsOn ? "Speaker.bmp" : "Speakeroff.bmp")));
}

void TForm1::LabelPeakFreqTimerTimer()
{
    LabelPeakFreq->clear();
    LabelPeakFreqTimer.stop();
}

void TForm1::OpenLogdirectory1Click()
{
    ShellOpen(Paths.LogDir);
}

void TForm1::ShellOpenFile(const QString &folder, const QString &fileName, const QString &errorMessage)
{
    const QString path = folder.isEmpty() ? fileName : QDir(folder).filePath(fileName);
    // The desktop may hand a missing file to a viewer and report success: look first.
    if (!QFileInfo::exists(path) || !ShellOpen(path))
        ShowMessageBox(TMsgKind::Plain, errorMessage);
}

void TForm1::English2Click()
{
    ShellOpenFile(Paths.ResourcesDir, QStringLiteral("ZELTAR Logger User Manual.pdf"), MissingPdfMessage);
}

void TForm1::Franais1Click()
{
    ShellOpenFile(Paths.ResourcesDir, QStringLiteral("ZELTAR Logger Manuel Utilisateur.pdf"), MissingPdfMessage);
}

void TForm1::English1Click()
{
    ShellOpenFile(Paths.ResourcesDir, QStringLiteral("Risk ENG.pdf"), MissingPdfMessage);
}

void TForm1::French1Click()
{
    ShellOpenFile(Paths.ResourcesDir, QStringLiteral("Risk FRA.pdf"), MissingPdfMessage);
}

void TForm1::Italiano1Click()
{
    ShellOpenFile(Paths.ResourcesDir, QStringLiteral("Risk ITA.pdf"), MissingPdfMessage);
}
