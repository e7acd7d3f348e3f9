// The import of the meter's memory: the questions before it, the lines of the dump, and at
// the end of the transfer the replay through the live pipeline and the save as a record.

#include "session/AcquisitionSession.h"

#include "model/HandlerErrors.h"
#include "model/InOutError.h"
#include "model/Services.h"
#include "session/ImportFileName.h"
#include "session/ImportedRecordFiles.h"
#include "storage/DateTimeConvert.h"

#include <QScopeGuard>

#include <algorithm>

namespace {

const char *const HoldNotice = QT_TRANSLATE_NOOP("TAcquisitionSession",
    "Please make sure the ZELTAR device is on HOLD before proceeding (if not, the application may crush)");
const char *const WaitingStatus =
    QT_TRANSLATE_NOOP("TAcquisitionSession", "   Waiting for data to be sent from ZELTAR device...");
const char *const ImportingStatus = QT_TRANSLATE_NOOP("TAcquisitionSession", "   Importing data from ZELTAR device...");
const char *const PlottingStatus = QT_TRANSLATE_NOOP("TAcquisitionSession", "   Plotting data...");
const char *const NothingReceivedMessage =
    QT_TRANSLATE_NOOP("TAcquisitionSession", "No measurement has been received from the ZELTAR device");

} // namespace

TImportConsent TAcquisitionSession::AskToImport()
{
    const bool wasRecording = RecordingState == Recording;
    if (wasRecording) {
        if (ShowMessageBox(TMsgKind::Confirmation, tr("Are you sure you want to stop recording?"),
                           TMsgButtons::YesCancel)
            != TMsgAnswer::Yes)
            return TImportConsent::Declined;
        // The scheduled end may have saved and stopped the recording while the question
        // was open: it is not saved a second time.
        FinishRecording();
    }
    if (ShowMessageBox(TMsgKind::Information, tr(HoldNotice), TMsgButtons::OkCancel) != TMsgAnswer::Ok)
        return wasRecording ? TImportConsent::RecordingEnded : TImportConsent::Declined;
    return TImportConsent::Agreed;
}

void TAcquisitionSession::BeginImport()
{
    SetState(Importing);
    Import.Begin();
    emit StatusText(tr(WaitingStatus));
    emit ImportProgressShown(static_cast<int>(Import.ImportBuffer.Length()));
}

// The status line invited to connect the meter meanwhile; now the import waits for its data.
void TAcquisitionSession::ImportPortOpened()
{
    emit StatusText(tr(WaitingStatus));
}

void TAcquisitionSession::ImportLine(const QString &line)
{
    switch (Import.ImportLine(line)) {
    case TImportLineKind::Header:
        emit StatusText(tr(ImportingStatus));
        break;
    case TImportLineKind::Data:
        // The buffer grows for a long transfer, and the progress's end with it.
        emit ImportProgress(Import.Progress(), static_cast<int>(Import.ImportBuffer.Length()));
        break;
    case TImportLineKind::Ignored:
        break;
    }
}

void TAcquisitionSession::EndTransfer()
{
    const int length = static_cast<int>(Import.ImportBuffer.Length());
    std::vector<TSampleRecord> records = Import.EndTransfer();
    // Stop or Play ended the import meanwhile: its transfer is not wanted any more.
    if (RecordingState != Importing)
        return;
    // Nobody asked for this action, so its error is reported, once the import has ended.
    try {
        CompleteImport(records, length);
    } catch (...) {
        emit Error(EscapedErrorText(std::current_exception()));
    }
}

void TAcquisitionSession::CompleteImport(std::vector<TSampleRecord> &records, int length)
{
    const auto ending = qScopeGuard([this] { EndImport(); });
    if (records.empty()) {
        HideImportProgress();
        ShowMessageBox(TMsgKind::Information, tr(NothingReceivedMessage));
        return;
    }
    ReplayImport(records, ImportWindow.Settings(), length);
    try {
        SaveImportedRecord(records);
    } catch (const EInOutError &error) {
        emit Error(error.Message);
    }
}

// The transfer reversed into the order of its measurement, then replayed through the
// pipeline onto a time chart that holds it whole.
void TAcquisitionSession::ReplayImport(std::vector<TSampleRecord> &records, const TAcquisitionChoice &choice,
                                       int length)
{
    emit StatusText(tr(PlottingStatus));
    emit ImportProgress(0, length);
    {
        const THeldLines held(LineHold);
        std::ranges::reverse(records);
        TAcquisitionChoice wholeTransfer = choice;
        wholeTransfer.VisibleSamples = static_cast<int>(records.size());
        ResetLiveState(Importing, wholeTransfer);
        int done = 0;
        for (const TSampleRecord &record : records) {
            ProcessSample(record.Frequency, record.Value);
            emit ImportProgress(++done, length);
        }
    }
    HideImportProgress();
    emit ImportReplayed();
}

void TAcquisitionSession::HideImportProgress()
{
    emit StatusText(QString());
    emit ImportProgressHidden();
}

// Nothing is written when the name or the description is declined.
void TAcquisitionSession::SaveImportedRecord(const std::vector<TSampleRecord> &records)
{
    const QString fileName = ImportWindow.AskName(ProposedImportName(LogDir));
    if (fileName.isEmpty())
        return;
    LogFile = fileName;
    if (!ImportWindow.Describe())
        return;
    WriteImportedRecord(LogFile, records, MetaData, ToTDateTime(CurrentTime()));
}

void TAcquisitionSession::EndImport()
{
    SetState(Stopped);
    emit ImportEnded();
}
