// Completing a recording: the samples still in the write buffer go to the log, the live
// histogram beside it.

#include "app/DeferredError.h"
#include "app/SampleWait.h"
#include "app/UnitMain.h"
#include "model/InOutError.h"
#include "storage/LogFile.h"

#include <QLabel>

#include <vector>

void TForm1::SaveOnStop()
{
    // A pending end belongs to this recording: it must not stop a later one.
    HidePendingEnd();
    WaitWhileSampleInProgress(PauseForSample);
    // The log could not be written and the user has been told; its record stays incomplete.
    if (LogWriteFailed)
        return;
    TDeferredError error;
    error.Run([this] { AppendWriteBuffer(); });
    error.Run([this] { LiveHistogram.WriteToFile(CompanionName(CurrentLogFile, QStringLiteral(".histo"))); });
    error.Rethrow();
    PanelStatus->setText(QStringLiteral("   Data has been saved"));
    LabelSample->clear();
}

void TForm1::AppendWriteBuffer()
{
    if (LogWriteFailed || WriteBuffer->Count() == 0)
        return;
    std::vector<TSampleRecord> records;
    WriteBuffer->GetAll(records);
    WriteBuffer->Clear();
    try {
        AppendSamples(CurrentLogFile, records);
    } catch (const EInOutError &) {
        LogWriteFailed = true;
        throw;
    }
}
