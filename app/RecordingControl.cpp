// Listening and recording control: Play, Record, Pause, Stop and Restart, the icons of each
// state, and the settings that a recording locks.

#include "app/ConvertError.h"
#include "app/DeferredError.h"
#include "app/FreeLogName.h"
#include "windows/ChoiceGroup.h"
#include "app/UnitMain.h"
#include "app/Version.h"
#include "storage/WidgetStyle.h"
#include "charts/RChart.h"
#include "model/InOutError.h"
#include "model/MessageBoxSeam.h"
#include "storage/DateTimeConvert.h"
#include "storage/Form5_MetaData.h"
#include "storage/LogFile.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QProgressBar>
#include <QToolButton>

#include <optional>

namespace {

const QString ConnectFirstMessage = QStringLiteral("Please connect a ZELTAR device first");

const QColor LockedCaptionColour(0x6A, 0x6F, 0x6F);
const QColor UnlockedCaptionColour(0xD3, 0xFA, 0xFE);

QString StateIconFile(TRecordingState state)
{
    switch (state) {
    case Listening: return QStringLiteral("Zeltar_Listen.ico");
    case Recording: return QStringLiteral("Zeltar_Rec.ico");
    case Importing: return QStringLiteral("Zeltar_import.ico");
    case Stopped: break;
    }
    return QStringLiteral("Zeltar.ico");
}

// Marks the re-arming of a recording for as long as it lives, also when it ends by an error.
class TRestartScope {
public:
    TRestartScope() { RestartInProgress = true; }
    ~TRestartScope() { RestartInProgress = false; }
    TRestartScope(const TRestartScope &) = delete;
    TRestartScope &operator=(const TRestartScope &) = delete;
};

} // namespace

void TForm1::PlayBClick()
{
    if (!PortIsOpen()) {
        // Once the port opens, the connection form starts listening through this action.
        ConnectDevice(true);
        if (!PortIsOpen())
            ShowMessageBox(TMsgKind::Information, ConnectFirstMessage);
        return;
    }
    setWindowTitle(VersionCaption);
    if (RecordingState == Recording) {
        const TMsgAnswer answer = ShowMessageBox(TMsgKind::Confirmation,
                                                 QStringLiteral("Are you sure you want to stop recording?"),
                                                 TMsgButtons::YesCancel);
        // The scheduled end may have stopped the recording (and closed the port) meanwhile:
        // then listening starts as from there.
        if (RecordingState != Recording) {
            if (answer == TMsgAnswer::Yes)
                PlayBClick();
            return;
        }
        // The settings stay locked: the recording goes on.
        if (answer != TMsgAnswer::Yes) {
            RecB->setChecked(true);
            return;
        }
    }
    UnlockAcquisitionSettings();
    TDeferredError saveError;
    if (RecordingState == Recording)
        saveError.Run([this] { SaveOnStop(); });
    SetStateIcons(Listening);
    ProgressBar->hide();
    ApplySettings(Listening);
    saveError.Rethrow();
}

void TForm1::RecBClick()
{
    if (!PortIsOpen())
        ConnectDevice(false);
    if (!PortIsOpen()) {
        ShowMessageBox(TMsgKind::Information, ConnectFirstMessage);
        return;
    }
    // A recording running now is completed before the next begins.
    if (RecordingState == Recording)
        SaveOnStop();
    setWindowTitle(VersionCaption);
    LockAcquisitionSettings();
    ProgressBar->hide();
    const QString previousLogFile = CurrentLogFile;
    CurrentLogFile = FreeLogFileName(Paths.LogDir, QDateTime::currentDateTime());
    SetStateIcons(Recording);
    try {
        ApplySettings(Recording);
    } catch (const EConvertError &) {
        // Nothing was reset: the run in progress goes on as it was, its settings free to be
        // corrected unless it is a recording.
        CurrentLogFile = previousLogFile;
        if (RecordingState != Recording)
            UnlockAcquisitionSettings();
        SetStateIcons(RecordingState);
        throw;
    } catch (const EInOutError &) {
        // No log could be made, so nothing is recorded: listening goes on instead.
        CurrentLogFile = Paths.LogDir;
        UnlockAcquisitionSettings();
        SetStateIcons(Listening);
        PlayB->setChecked(true);
        ApplySettings(Listening);
        throw;
    }
    if (RestartInProgress)
        return;
    if (Form5->Execute())
        WriteMetaFile(CompanionToWrite(CurrentLogFile, QStringLiteral(".meta")), CurrentMetaData, SessionStart);
}

void TForm1::PauseBClick()
{
    if (PauseB->isChecked() && StopB->isChecked()) {
        // Nothing arrives while stopped, so there is nothing to hold.
        PauseB->setChecked(false);
    } else if (PauseB->isChecked()) {
        OnHold = true;
        PanelStatus->setText(QStringLiteral("   On Hold"));
    } else {
        OnHold = false;
        PanelStatus->clear();
    }
}

void TForm1::StopBClick()
{
    // A save that could not be written does not keep the recording from stopping.
    TDeferredError saveError;
    if (RecordingState == Recording)
        saveError.Run([this] { SaveOnStop(); });
    ClosePort();
    UnlockAcquisitionSettings();
    for (TRChart *chart : {TChart, HChart}) {
        chart->ClearItems();
        chart->Redraw();
    }
    LiveHistogram.Clear();
    ClearStatistics();
    RecordingState = Stopped;
    SetStateIcons(Stopped);
    CurrentLogFile = Paths.LogDir;
    saveError.Rethrow();
}

void TForm1::RestartBClick()
{
    if (RecordingState == Listening) {
        ApplySettings(Listening);
        return;
    }
    if (RecordingState != Recording)
        return;
    if (ShowMessageBox(TMsgKind::Confirmation, QStringLiteral("Are you sure you want to start over the recording?"),
                       TMsgButtons::YesCancel) != TMsgAnswer::Yes
        || RecordingState != Recording)
        return;

    // The stop takes the pending end with it; the restarted recording gets it back.
    const std::optional<QDateTime> pendingEnd =
        ScheduledEnd.IsPending() ? std::optional(ScheduledEnd.EndTime()) : std::nullopt;
    PressStopButton();
    const TRestartScope restarting;
    PressRecordButton();
    if (RecordingState != Recording)
        return;
    if (pendingEnd) {
        ScheduledEnd.Schedule(*pendingEnd, CurrentMetaData.Interval);
        ShowPendingEnd();
    }
    // The new record keeps the operator, place and notes of the previous one.
    WriteMetaFile(CompanionToWrite(CurrentLogFile, QStringLiteral(".meta")), CurrentMetaData,
                  ToTDateTime(QDateTime::currentDateTime()));
}

void TForm1::PressRecordButton()
{
    RecB->setChecked(true);
    RecBClick();
}

void TForm1::PressStopButton()
{
    StopB->setChecked(true);
    StopBClick();
}

void TForm1::SetStateIcons(TRecordingState state)
{
    const QIcon icon(Paths.ResourcesDir + StateIconFile(state));
    setWindowIcon(icon);
    QApplication::setWindowIcon(icon);
}

void TForm1::LockAcquisitionSettings()
{
    PanelRight1->setEnabled(false);
    PanelRight2->setEnabled(false);
    SetAcquisitionCaptionColour(LockedCaptionColour);
}

void TForm1::UnlockAcquisitionSettings()
{
    PanelRight1->setEnabled(true);
    PanelRight2->setEnabled(true);
    SetAcquisitionCaptionColour(UnlockedCaptionColour);
}

void TForm1::SetAcquisitionCaptionColour(const QColor &colour)
{
    for (QWidget *caption : {static_cast<QWidget *>(StaticText1), static_cast<QWidget *>(StaticText2),
                             static_cast<QWidget *>(StaticText5), static_cast<QWidget *>(IrrUnitGB)})
        SetTextColour(caption, colour);
}

void TForm1::ClearStatistics()
{
    for (QLabel *label :
         {LabelPeak, LabelMaxValue, LabelModeValue, LabelRisk, LabelRangedBValue, LabelMinValue, LabelMeanValue})
        label->clear();
}
