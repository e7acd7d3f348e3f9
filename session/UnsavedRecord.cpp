#include "session/UnsavedRecord.h"

#include "model/SampleStatistics.h"
#include "storage/LogFile.h"

#include <QCoreApplication>
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
    // Whole sentences for each case, so that a language can make its words agree.
    QStringList parts;
    if (missingSamples == 1)
        parts << QCoreApplication::translate("UnsavedRecord", "1 sample could not be written to its log");
    else if (missingSamples > 1)
        parts << QCoreApplication::translate("UnsavedRecord", "%1 samples could not be written to its log")
                     .arg(missingSamples);
    if (missingFiles.size() == 1)
        parts << QCoreApplication::translate("UnsavedRecord", "%1 could not be written").arg(missingFiles[0]);
    else if (missingFiles.size() > 1)
        parts << QCoreApplication::translate("UnsavedRecord", "%1 and %2 could not be written")
                     .arg(missingFiles.mid(0, missingFiles.size() - 1)
                              .join(QCoreApplication::translate("UnsavedRecord", " and ")),
                          missingFiles.last());
    if (parts.isEmpty())
        return {};
    if (parts.size() == 1)
        return QCoreApplication::translate("UnsavedRecord", "   The record is incomplete: %1").arg(parts[0]);
    return QCoreApplication::translate("UnsavedRecord", "   The record is incomplete: %1; %2").arg(parts[0], parts[1]);
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
