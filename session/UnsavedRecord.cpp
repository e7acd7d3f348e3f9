#include "session/UnsavedRecord.h"

#include "model/SampleStatistics.h"
#include "storage/LogFile.h"

#include <QFileInfo>

#include <array>

void TUnsavedRecord::Retry(TDeferredError &error)
{
    if (!Samples.empty())
        error.Run([this] {
            AppendSamples(LogFile, Samples);
            Samples.clear();
        });
    if (Meta)
        error.Run([this] {
            WriteMetaFile(CompanionToWrite(LogFile, QStringLiteral(".meta")), *Meta, Meta->StartTime);
            Meta.reset();
        });
    error.Run([this] { WriteHistogram(); });
}

void TUnsavedRecord::WriteHistogram()
{
    // A histogram written now would miss the samples still to come.
    if (!HistogramOwed || !Samples.empty())
        return;
    const QString histogramFile = CompanionToWrite(LogFile, QStringLiteral(".histo"));
    if (LiveHistogram)
        LiveHistogram->WriteToFile(histogramFile);
    else
        HistogramOfLog(LogFile, Unit).WriteToFile(histogramFile);
    HistogramOwed = false;
}

QStringList TUnsavedRecord::OwedFiles() const
{
    QStringList files;
    if (Meta)
        files << QFileInfo(CompanionName(LogFile, QStringLiteral(".meta"))).fileName();
    if (HistogramOwed)
        files << QFileInfo(CompanionName(LogFile, QStringLiteral(".histo"))).fileName();
    return files;
}

QString IncompleteRecordText(std::uint64_t missingSamples, const QStringList &missingFiles)
{
    QStringList parts;
    if (missingSamples > 0) {
        const QString samples =
            missingSamples == 1 ? QStringLiteral("1 sample") : QStringLiteral("%1 samples").arg(missingSamples);
        parts << QStringLiteral("%1 could not be written to its log").arg(samples);
    }
    if (!missingFiles.isEmpty())
        parts << QStringLiteral("%1 could not be written").arg(missingFiles.join(QStringLiteral(" and ")));
    if (parts.isEmpty())
        return {};
    return QStringLiteral("   The record is incomplete: ") + parts.join(QStringLiteral("; "));
}

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
