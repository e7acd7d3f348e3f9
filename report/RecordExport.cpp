#include "report/RecordExport.h"

#include "model/Risk.h"
#include "model/Units.h"
#include "storage/DateTimeConvert.h"
#include "storage/LogFile.h"
#include "storage/RecordClock.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

#include <cmath>
#include <cstring>
#include <string>
#include <unordered_map>
#include <vector>

namespace {

constexpr std::size_t BlockRecords = 65536;
constexpr std::size_t FlushBytes = 1 << 20;

class TOutput {
public:
    explicit TOutput(TByteSink sink) : Sink(std::move(sink)) { Buffer.reserve(FlushBytes + 4096); }
    // A sink that throws has given up: nothing more goes to it.
    ~TOutput()
    {
        if (std::uncaught_exceptions() == 0)
            Flush();
    }
    void Append(const char *text, std::size_t length)
    {
        Buffer.append(text, length);
        if (Buffer.size() >= FlushBytes)
            Flush();
    }
    void Append(const QString &text) { const QByteArray utf8 = text.toUtf8(); Append(utf8.constData(), utf8.size()); }
    void Append(const char *text) { Append(text, std::strlen(text)); }
    void Printf(const char *format, auto... values)
    {
        char buffer[64];
        const int length = std::snprintf(buffer, sizeof buffer, format, values...);
        Append(buffer, static_cast<std::size_t>(length));
    }
    void Flush()
    {
        if (!Buffer.empty())
            Sink(Buffer.data(), Buffer.size());
        Buffer.clear();
    }

private:
    TByteSink Sink;
    std::string Buffer;
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

// Two decimals without a "-0.00" for levels that round to zero from below.
void AppendLevel(TOutput &output, double level)
{
    char buffer[32];
    int length = std::snprintf(buffer, sizeof buffer, "%.2f", level);
    if (std::strcmp(buffer, "-0.00") == 0)
        length = std::snprintf(buffer, sizeof buffer, "0.00");
    output.Append(buffer, static_cast<std::size_t>(length));
}

void AppendKey(TOutput &output, const char *key, const QString &value)
{
    output.Append(key);
    output.Append(": ");
    output.Append(value);
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
    if (QFileInfo::exists(metaPath)) {
        ReadMetaFile(metaPath, result.Meta);
        result.Found = true;
        return result;
    }
    result.Meta.Version = 1;
    result.Meta.StartTime = ToTDateTime(QDateTime::currentDateTime());
    result.Meta.Unit = UnitMWm2;
    result.Meta.Correction = 0;
    result.Meta.Interval = 0.5;
    return result;
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
            summary.Statistics.Add(block[i].Value);
        summary.Samples += count;
    }
    return summary;
}

void WriteCsv(std::FILE *out, const QString &logPath, const TMetaData &meta, int population, int state)
{
    WriteCsv(FileSink(out), logPath, meta, population, state, {});
}

bool WriteCsv(const TByteSink &sink, const QString &logPath, const TMetaData &meta, int population, int state,
              const TExportProgress &progress)
{
    TLogReader reader(logPath);
    TOutput output(sink);
    const QByteArray unitName = TextOrEmpty(UnitName(meta.Unit)).toUtf8();
    std::unordered_map<int, QByteArray> categoryOfRisk; // a few dozen risk indexes occur at most
    const TRecordClock clock(meta.StartTime, meta.Interval);

    output.Append("index,time,value,unit,peak_frequency,level_db,risk_index,risk_category\n");
    std::vector<TSampleRecord> block(BlockRecords);
    std::uint64_t index = 0;
    char time[32];
    while (const std::size_t count = reader.Read(block)) {
        for (std::size_t i = 0; i < count; ++i) {
            const TSampleRecord &record = block[i];
            ++index;
            output.Printf("%llu,", static_cast<unsigned long long>(index));
            output.Append(time, static_cast<std::size_t>(clock.FormatSampleTime(index, time)));
            output.Printf(",%.9g,", static_cast<double>(record.Value));
            output.Append(unitName.constData(), unitName.size());
            output.Printf(",%u,", static_cast<unsigned>(record.Frequency));
            AppendLevel(output, LevelOf(meta.Unit, record.Value));
            const int risk = EvaluateRisk(meta.Unit, record.Value, population, state);
            output.Printf(",%d,", risk);
            auto category = categoryOfRisk.find(risk);
            if (category == categoryOfRisk.end())
                category = categoryOfRisk.emplace(risk, RiskCategoryName(risk).toUtf8()).first;
            output.Append(category->second.constData(), category->second.size());
            output.Append("\n");
        }
        if (progress && !progress(index, reader.Count()))
            return false;
    }
    return true;
}

void WriteSummary(std::FILE *out, const QString &logPath, const TMetaData &meta, const TRecordSummary &summary,
                  int population, int state)
{
    TOutput output(FileSink(out));
    const TSampleStatistics &statistics = summary.Statistics;
    const bool any = summary.Samples > 0;
    AppendKey(output, "file", QFileInfo(logPath).fileName());
    AppendKey(output, "operator", meta.Operator.Text());
    AppendKey(output, "place", meta.Place.Text());
    AppendKey(output, "notes", meta.Notes.Text());
    AppendKey(output, "start", TRecordClock(meta.StartTime, meta.Interval).SampleTimeText(1));
    AppendKey(output, "unit", TextOrEmpty(UnitName(meta.Unit)));
    AppendKey(output, "correction", QString::number(meta.Correction));
    AppendKey(output, "interval", IntervalText(meta.Interval));
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
}
