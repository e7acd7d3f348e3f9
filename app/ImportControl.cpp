// The import of the meter's memory: the start with its two questions, the lines of the dump,
// and at the end of the transfer the replay through the live pipeline and the save as a record.

#include "app/ConvertError.h"
#include "app/ImportSaveDialog.h"
#include "windows/ChoiceGroup.h"
#include "app/UnitMain.h"
#include "charts/LevelHistogram.h"
#include "charts/RChart.h"
#include "model/InOutError.h"
#include "model/Services.h"
#include "storage/Form5_MetaData.h"

#include <QComboBox>
#include <QLabel>
#include <QProgressBar>

#include <algorithm>
#include <functional>

namespace {

const QString HoldNotice = QStringLiteral(
    "Please make sure the ZELTAR device is on HOLD before proceeding (if not, the application may crush)");
const QString WaitingStatus = QStringLiteral("   Waiting for data to be sent from ZELTAR device...");
const QString ImportingStatus = QStringLiteral("   Importing data from ZELTAR device...");
const QString PlottingStatus = QStringLiteral("   Plotting data...");
const QString NothingReceivedMessage = QStringLiteral("No measurement has been received from the ZELTAR device");

// Runs its action when it goes, also when an error ends the work before.
class TOnScopeExit {
public:
    explicit TOnScopeExit(std::function<void()> action) : Action(std::move(action)) {}
    ~TOnScopeExit() { Action(); }
    TOnScopeExit(const TOnScopeExit &) = delete;
    TOnScopeExit &operator=(const TOnScopeExit &) = delete;

private:
    std::function<void()> Action;
};

} // namespace

void TForm1::Import1Click()
{
    const bool wasRecording = RecordingState == Recording;
    if (wasRecording) {
        if (ShowMessageBox(TMsgKind::Confirmation, QStringLiteral("Are you sure you want to stop recording?"),
                           TMsgButtons::YesCancel)
            != TMsgAnswer::Yes)
            return;
        // The scheduled end may have saved and stopped the recording while the question
        // was open: it is not saved a second time, nor by the stop below.
        Session.FinishRecording();
    }
    if (ShowMessageBox(TMsgKind::Information, HoldNotice, TMsgButtons::OkCancel) != TMsgAnswer::Ok) {
        // The recording has ended: the window must not go on looking as if it ran.
        if (wasRecording)
            PressStopButton();
        return;
    }
    PressStopButton();
    Session.BeginImport();
    MemoryImport.Begin();
    PanelStatus->setText(WaitingStatus);
    ShowImportProgress(static_cast<int>(MemoryImport.ImportBuffer.Length()));
    ConnectDevice(false);
}

void TForm1::ShowImportProgress(int maximum)
{
    ProgressBar->setGeometry(206, ProgressBarTop, width() - 216, ProgressBarHeight);
    ProgressBar->setRange(0, maximum);
    ProgressBar->setValue(0);
    ProgressBar->show();
}

// The status line invited to connect the meter meanwhile; now the import waits for its data.
void TForm1::ImportPortOpened()
{
    PanelStatus->setText(WaitingStatus);
}

void TForm1::ImportLine(const QString &line)
{
    switch (MemoryImport.ImportLine(line)) {
    case TImportLineKind::Header:
        PanelStatus->setText(ImportingStatus);
        break;
    case TImportLineKind::Data:
        AdvanceImportProgress();
        break;
    case TImportLineKind::Ignored:
        break;
    }
}

void TForm1::AdvanceImportProgress()
{
    // The buffer grows for a long transfer, and the bar's end with it.
    ProgressBar->setMaximum(static_cast<int>(MemoryImport.ImportBuffer.Length()));
    ProgressBar->setValue(std::min(ProgressBar->value() + 1, ProgressBar->maximum()));
}

void TForm1::ImportTimerTimer()
{
    std::vector<TSampleRecord> records = MemoryImport.EndTransfer();
    // Stop or Play ended the import meanwhile: its transfer is not wanted any more.
    if (RecordingState != Importing)
        return;
    const TOnScopeExit ending([this] { EndImport(); });
    if (records.empty()) {
        HideImportProgress();
        ShowMessageBox(TMsgKind::Information, NothingReceivedMessage);
        return;
    }
    ReplayImportedRecords(records);
    try {
        SaveImportedData(records);
    } catch (const EInOutError &error) {
        ShowMessageBox(TMsgKind::Error, error.Message);
    }
}

void TForm1::ReplayImportedRecords(std::vector<TSampleRecord> &records)
{
    TAcquisitionChoice choice;
    choice.Interval = IntervalSeconds(IntervalCB->currentText()).value_or(Session.CurrentMetaData().Interval);
    choice.Correction = StrToInt(CorrectionCB->currentText());
    choice.Unit = UnitFromName(IrrUnitGB->ItemText(IrrUnitGB->ItemIndex()));
    PanelStatus->setText(PlottingStatus);
    ProgressBar->setValue(0);
    const QMetaObject::Connection progress =
        connect(&Session, &TAcquisitionSession::SampleReplayed, ProgressBar, &QProgressBar::setValue);
    const TOnScopeExit disconnecting([progress] { disconnect(progress); });
    WithLinesHeld([&] { Session.ReplayImport(records, choice); });
    HideImportProgress();
    // The pipeline leaves the histogram alone while importing: it is drawn once, here.
    DrawLevelHistogram(*HChart, Session.LiveHistogram(), RiskPopulationRG->ItemIndex(), RiskStateRG->ItemIndex(),
                       true);
}

void TForm1::HideImportProgress()
{
    PanelStatus->clear();
    ProgressBar->setValue(0);
    ProgressBar->hide();
}

void TForm1::SaveImportedData(const std::vector<TSampleRecord> &records)
{
    const QString fileName = AskSaveFileName(ImportSaveRequest(Paths.LogDir), this);
    if (fileName.isEmpty())
        return;
    Session.SaveImportedRecord(fileName, records, [this] { return Form5->Execute(); });
}

void TForm1::EndImport()
{
    Session.EndImport();
    ProgressBar->hide();
    ClosePort();
}
