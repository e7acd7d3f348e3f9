#include "report/RecordExport.h"

#include "model/Risk.h"
#include "model/Services.h"
#include "model/SingleLineText.h"
#include "model/Units.h"
#include "report/CsvNumbers.h"
#include "storage/DateTimeConvert.h"
#include "storage/LogFile.h"
#include "storage/MetaPlausibility.h"
#include "storage/RecordClock.h"
#include "storage/RecordReadings.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstring>
#include <future>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr std::size_t BlockRecords = 65536;
constexpr std::size_t FlushBytes = 1 << 20;
// The most a row or a piece of text handed to Append at once may add beyond a full block.
constexpr std::size_t RowRoom = 256;

// Collects the text in blocks of a megabyte. A full block goes to the sink on a second thread
// while the next one fills, so writing the file and making the rows overlap.
class TOutput {
public:
    explicit TOutput(TByteSink sink) : Sink(std::move(sink)) {}
    // An export that ended early still waits for the block under way; its failure is moot then.
    ~TOutput()
    {
        if (Pending.valid())
            Pending.wait();
    }
    // Where the next row goes: room for RowRoom bytes, taken with Advance.
    char *End() { return Filling.get() + Size; }
    void Advance(const char *end)
    {
        Size = std::size_t(end - Filling.get());
        if (Size >= FlushBytes)
            HandOver();
    }
    void Append(const char *text, std::size_t length)
    {
        while (length > 0) {
            const std::size_t piece = std::min(length, RowRoom);
            Advance(std::copy_n(text, piece, End()));
            text += piece;
            length -= piece;
        }
    }
    void Append(const QString &text) { const QByteArray utf8 = text.toUtf8(); Append(utf8.constData(), utf8.size()); }
    void Append(const char *text) { Append(text, std::strlen(text)); }
    // Everything handed to the sink; a failure of the sink is thrown here.
    void Finish()
    {
        HandOver();
        Collect();
    }

private:
    void HandOver()
    {
        Collect();
        if (Size == 0)
            return;
        std::swap(Filling, Writing);
        Pending = std::async(std::launch::async, [this, size = Size] { Sink(Writing.get(), size); });
        Size = 0;
    }
    void Collect()
    {
        if (Pending.valid())
            Pending.get();
    }

    TByteSink Sink;
    std::unique_ptr<char[]> Filling = std::make_unique_for_overwrite<char[]>(FlushBytes + RowRoom);
    std::unique_ptr<char[]> Writing = std::make_unique_for_overwrite<char[]>(FlushBytes + RowRoom);
    std::size_t Size = 0;
    std::future<void> Pending;
};

TByteSink FileSink(std::FILE *out)
{
    return [out](const char *data, std::size_t size) { std::fwrite(data, 1, size, out); };
}

QString TextOrEmpty(const std::optional<QString> &text)
{
    return text.value_or(QString());
}

QString IntervalText(double interval)
{
    // A damaged .meta may hold an interval outside the meter's table; show its seconds then.
    return IntervalName(interval).value_or(QString::number(interval, 'g', 10) + " s");
}

// One CSV row written in place into the output's block.
class TCsvRow {
public:
    explicit TCsvRow(TOutput &output) : Output(output), At(output.End()) {}
    template <typename T> void Integer(T value) { At = std::to_chars(At, At + 24, value).ptr; }
    void Reading(double value) { At = WriteSignificant9(At, value); }
    // Two decimals without a "-0.00" for levels that round to zero from below.
    void Level(double level) { At = WriteFixed2(At, level <= 0 && level > -0.005 ? 0.0 : level); }
    void Bytes(const QByteArray &bytes) { At = std::copy_n(bytes.constData(), bytes.size(), At); }
    void Time(const TRecordClock &clock, std::uint64_t index) { At += clock.FormatSampleTime(index, At); }
    void Separator(char separator) { *At++ = separator; }
    void End()
    {
        Output.Advance(At);
        At = Output.End();
    }

private:
    TOutput &Output;
    char *At;
};

void AppendKey(TOutput &output, const char *key, const QString &value)
{
    output.Append(key);
    output.Append(": ");
    output.Append(SingleLineText(value));
    output.Append("\n");
}

QString Significant(double value, int digits)
{
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "%.*g", digits, value);
    return QString::fromLatin1(buffer);
}

} // namespace

TExportMeta ReadExportMeta(const QString &logPath)
{
    TExportMeta result;
    const QString metaPath = CompanionName(logPath, ".meta");
    const double now = ToTDateTime(CurrentTime());
    if (QFileInfo::exists(metaPath)) {
        TMetaData stored;
        ReadMetaFile(metaPath, stored);
        const TCheckedMeta checked = CheckMeta(stored, now);
        result.Meta = checked.Meta;
        result.Found = true;
        if (!checked.Damaged.empty())
            result.Damage << DamagedMetaText(checked);
    } else {
        result.Meta.Version = 1;
        result.Meta.StartTime = now;
        result.Meta.Unit = UnitMWm2;
        result.Meta.Correction = 0;
        result.Meta.Interval = DefaultRecordInterval;
    }
    if (const QString partial = PartialSampleText(logPath); !partial.isEmpty())
        result.Damage << partial;
    return result;
}

QString PartialSampleText(const QString &logPath)
{
    const qint64 tail = QFileInfo(logPath).size() % qint64(sizeof(TSampleRecord));
    if (tail == 0)
        return {};
    return QStringLiteral("The log file ends in part of a sample (%1 of its 8 bytes); that part is left out.")
        .arg(tail);
}

bool IsFileOfRecord(const QString &path, const QString &logPath)
{
    const QString target = QFileInfo(path).absoluteFilePath();
    for (const QString &own : {logPath, CompanionName(logPath, ".meta"), CompanionName(logPath, ".histo")}) {
        const QFileInfo file(own);
        if (target == file.absoluteFilePath() ||
            (file.exists() && QFileInfo(path).canonicalFilePath() == file.canonicalFilePath()))
            return true;
    }
    return false;
}

TRecordSummary SummariseRecord(const QString &logPath, std::uint8_t unit)
{
    TRecordSummary summary;
    summary.Statistics.Reset(unit);
    TLogReader reader(logPath);
    std::vector<TSampleRecord> block(BlockRecords);
    while (const std::size_t count = reader.Read(block)) {
        for (std::size_t i = 0; i < count; ++i)
            summary.Statistics.Add(RecordReading(block[i].Value));
        summary.Samples += count;
    }
    return summary;
}

void WriteCsv(std::FILE *out, const QString &logPath, const TMetaData &meta, TPopulation population, TTargetState state)
{
    WriteCsv(FileSink(out), logPath, meta, population, state, {});
}

bool WriteCsv(const TByteSink &sink, const QString &logPath, const TMetaData &meta, TPopulation population,
              TTargetState state, const TExportProgress &progress)
{
    TLogReader reader(logPath);
    TOutput output(sink);
    const QByteArray unitName = TextOrEmpty(UnitName(meta.Unit)).toUtf8();
    std::array<QByteArray, RiskCategoryNames.size()> categoryNames;
    for (std::size_t category = 0; category < categoryNames.size(); ++category)
        categoryNames[category] = RiskCategoryNames[category].toUtf8();
    const TRecordClock clock(meta.StartTime, RecordInterval(meta.Interval));
    const int riskOffset = RiskOffset(population, state);

    output.Append("index,time,value,unit,peak_frequency,level_db,risk_index,risk_category\n");
    std::vector<TSampleRecord> block(BlockRecords);
    std::uint64_t index = 0;
    while (const std::size_t count = reader.Read(block)) {
        TCsvRow row(output);
        for (std::size_t i = 0; i < count; ++i) {
            const TSampleRecord &record = block[i];
            const double value = RecordReading(record.Value);
            ++index;
            row.Integer(index);
            row.Separator(',');
            row.Time(clock, index);
            row.Separator(',');
            row.Reading(value);
            row.Separator(',');
            row.Bytes(unitName);
            row.Separator(',');
            row.Integer(record.Frequency);
            row.Separator(',');
            // One logarithm for the level and the risk, as LevelOf and EvaluateRisk take it.
            const double powerDb = PowerToDB(DensityOf(meta.Unit, value));
            row.Level(std::clamp(powerDb, double(LevelFloorDb), double(LevelCeilingDb)));
            row.Separator(',');
            const int risk = LevelToRiskBase(powerDb) + riskOffset;
            row.Integer(risk);
            row.Separator(',');
            row.Bytes(categoryNames[std::size_t(RiskCategoryIndex(risk))]);
            row.Separator('\n');
            row.End();
        }
        if (progress && !progress(index, reader.Count()))
            return false;
    }
    output.Finish();
    return true;
}

void WriteSummary(std::FILE *out, const QString &logPath, const TMetaData &meta, const TRecordSummary &summary,
                  TPopulation population, TTargetState state)
{
    TOutput output(FileSink(out));
    const TSampleStatistics &statistics = summary.Statistics;
    const bool any = summary.Samples > 0;
    AppendKey(output, "file", QFileInfo(logPath).fileName());
    AppendKey(output, "operator", meta.Operator.Text());
    AppendKey(output, "place", meta.Place.Text());
    AppendKey(output, "notes", meta.Notes.Text());
    const double interval = RecordInterval(meta.Interval);
    AppendKey(output, "start", TRecordClock(meta.StartTime, interval).SampleTimeText(1));
    AppendKey(output, "unit", TextOrEmpty(UnitName(meta.Unit)));
    AppendKey(output, "correction", QString::number(meta.Correction));
    AppendKey(output, "interval", IntervalText(interval));
    AppendKey(output, "samples", QString::number(summary.Samples));
    AppendKey(output, "maximum", any ? Significant(statistics.Maximum(), 10) : QString());
    AppendKey(output, "minimum", any ? Significant(statistics.Minimum(), 10) : QString());
    AppendKey(output, "mean", any ? Significant(statistics.Mean(), 10) : QString());
    AppendKey(output, "range_db", QString::number(statistics.RangeDB()));
    const THistogram &histogram = statistics.Histogram();
    AppendKey(output, "mode_class_db", QString::number(histogram.ModeIndex + histogram.Lower));
    AppendKey(output, "mode_value", Significant(DBToPower(histogram.ModeIndex + histogram.Lower), 10));
    QStringList counts;
    for (const std::uint32_t count : histogram.Counts)
        counts << QString::number(count);
    AppendKey(output, "histogram", counts.join(' '));
    const int risk = any ? EvaluateRisk(meta.Unit, statistics.Maximum(), population, state) : 0;
    AppendKey(output, "risk_index_max", any ? QString::number(risk) : QString());
    AppendKey(output, "risk_category_max", any ? RiskCategoryName(risk) : QString());
    output.Finish();
}
