// A record as zeltar-export reads it: the first 576 bytes are its .meta (none when the input is
// shorter), the rest its .zlog. Summary and CSV hold no non-finite number and keep their lines.

#include "tests/fuzz/FuzzChecks.h"

#include "model/InOutError.h"
#include "storage/MetaData.h"
#include "report/RecordExport.h"

#include <QFile>

namespace {

void RequireSoundCsv(const QByteArray &csv, std::uint64_t samples)
{
    RequireNoNonFiniteText(QString::fromUtf8(csv), "CSV");
    const QList<QByteArray> lines = csv.split('\n');
    Require(static_cast<std::uint64_t>(lines.size()) == samples + 2 && lines.last().isEmpty(),
            "a heading and one CSV row per sample");
    for (const QByteArray &line : lines.mid(0, lines.size() - 1))
        Require(line.count(',') == 7, "eight CSV fields", QString::fromUtf8(line));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    EnsureCoreApplication();
    const std::size_t metaSize = sizeof(TMetaData);
    const QString log = size >= metaSize ? ScratchFile("record.zlog", data + metaSize, size - metaSize)
                                         : ScratchFile("record.zlog", data, size);
    if (size >= metaSize)
        ScratchFile("record.meta", data, metaSize);
    else
        QFile::remove(ScratchPath("record.meta"));

    const TExportMeta meta = ReadExportMeta(log);
    const TRecordSummary summary = SummariseRecord(log, meta.Meta.Unit);
    const TSampleStatistics &statistics = summary.Statistics;
    for (const double number : {statistics.Maximum(), statistics.Minimum(), statistics.Mean(), statistics.Level()})
        RequireFinite(number, "record statistics");
    RequireSoundSummary(WrittenText([&](std::FILE *out) { WriteSummary(out, log, meta.Meta, summary, TPopulation::Sensitive, TTargetState::Sleep); }));
    RequireSoundCsv(WrittenText([&](std::FILE *out) { WriteCsv(out, log, meta.Meta, TPopulation::General, TTargetState::Wake); }), summary.Samples);
    return 0;
}
