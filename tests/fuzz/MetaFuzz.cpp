// The .meta reader, and what the viewer, the file manager and the export make of its record:
// any 576 bytes read back byte for byte, and no damaged number reaches a text.

#include "tests/fuzz/FuzzChecks.h"

#include "model/InOutError.h"
#include "storage/LocaleTimeText.h"
#include "storage/MetaData.h"
#include "storage/RecordClock.h"
#include "storage/RecordReadings.h"
#include "report/RecordExport.h"

#include <QFile>
#include <QRegularExpression>

#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    EnsureCoreApplication();
    TMetaData meta;
    try {
        ReadMetaFile(ScratchFile("record.meta", data, size), meta);
    } catch (const EInOutError &) {
        Require(size < sizeof meta, "only a short .meta is refused");
        return 0;
    }
    Require(std::memcmp(&meta, data, sizeof meta) == 0, "the record is read as it lies in the file");

    const QString copy = ScratchPath("copy.meta");
    WriteMetaFile(copy, meta, meta.StartTime);
    QFile written(copy);
    const QByteArray record(reinterpret_cast<const char *>(data), sizeof meta);
    Require(written.open(QIODevice::ReadOnly) && written.readAll() == record, "the record is written back byte for byte");

    const double interval = RecordInterval(meta.Interval);
    Require(interval > 0.0 && std::isfinite(interval), "a record's interval is a time", QString::number(interval));
    const TRecordClock clock(meta.StartTime, interval);
    static const QRegularExpression sampleTime(QStringLiteral(R"(^\d{4,}-\d\d-\d\d \d\d:\d\d:\d\d\.\d\d\d$)"));
    // The last index: a log of 32 GiB.
    for (const std::uint64_t index : {std::uint64_t{1}, std::uint64_t{2}, std::uint64_t{1} << 32})
        Require(sampleTime.match(clock.SampleTimeText(index)).hasMatch(), "a sample time is a time",
                clock.SampleTimeText(index));
    RequireNoNonFiniteText(DayCountText(meta.StartTime), "start time text");

    const TRecordSummary none{};
    RequireSoundSummary(WrittenText([&](std::FILE *out) { WriteSummary(out, "record.zlog", meta, none, TPopulation::General, TTargetState::Wake); }));
    return 0;
}
