// Completing a recording: the samples still in the write buffer go to the log, the live
// histogram beside it. A log that cannot be written keeps the samples meant for it in memory
// and takes them at the next flush that succeeds.

#include "app/DeferredError.h"
#include "app/SampleWait.h"
#include "app/UnitMain.h"
#include "model/InOutError.h"
#include "storage/LogFile.h"

#include <QLabel>

#include <array>
#include <utility>
#include <vector>

namespace {

// The level histogram of the samples that are in the log.
THistogram HistogramOfLog(const QString &logPath, std::uint8_t unit)
{
    TSampleStatistics statistics;
    statistics.Reset(unit);
    TLogReader reader(logPath);
    std::array<TSampleRecord, 4096> block;
    while (const std::size_t count = reader.Read(block))
        for (std::size_t i = 0; i < count; ++i)
            statistics.Add(block[i].Value);
    return statistics.Histogram();
}

} // namespace

void TForm1::SaveOnStop()
{
    // A pending end belongs to this recording: it must not stop a later one.
    HidePendingEnd();
    WaitWhileSampleInProgress(PauseForSample);
    TDeferredError error;
    error.Run([this] { AppendWriteBuffer(); });
    const std::uint64_t missing = Unwritten.MissingCount();
    error.Run([this, missing] {
        const QString histogramFile = CompanionToWrite(CurrentLogFile, QStringLiteral(".histo"));
        // The histogram tells what the log holds, without the samples it could not take.
        if (missing == 0)
            LiveHistogram.WriteToFile(histogramFile);
        else
            HistogramOfLog(CurrentLogFile, CurrentMetaData.Unit).WriteToFile(histogramFile);
    });
    if (missing > 0) {
        const QString samples = missing == 1 ? QStringLiteral("1 sample") : QStringLiteral("%1 samples").arg(missing);
        PanelStatus->setText(QStringLiteral("   The record is incomplete: %1 could not be written to its log").arg(samples));
    } else if (!error) {
        PanelStatus->setText(QStringLiteral("   Data has been saved"));
        LabelSample->clear();
    }
    error.Rethrow();
}

void TForm1::AppendWriteBuffer()
{
    std::vector<TSampleRecord> records;
    WriteBuffer->GetAll(records);
    WriteBuffer->Clear();
    Unwritten.Add(records);
    if (Unwritten.Records().empty())
        return;
    try {
        AppendSamples(CurrentLogFile, Unwritten.Records());
    } catch (const EInOutError &) {
        Unwritten.NotWritten();
        // Told once; until the log takes samples again the status line says so.
        if (!std::exchange(LogWriteFailed, true))
            throw;
        return;
    }
    Unwritten.Written();
    LogWriteFailed = false;
}
