// Handing on a record of 10 million samples: its PDF report (targets: 3 s, 300 MB peak
// resident) and its CSV as the record viewer writes it through QSaveFile, and its rows alone
// (target: at least 5 million samples per second). The report runs first, so the peak
// resident size it reports is its own.

#include "bench/PeakResident.h"
#include "model/Risk.h"
#include "model/Units.h"
#include "report/RecordExport.h"
#include "report/RecordReport.h"
#include "storage/DateTimeConvert.h"
#include "storage/LogFile.h"

#include <QImage>
#include <QSaveFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

constexpr std::int64_t Samples = 10'000'000;

struct TBenchRecord {
    QTemporaryDir Dir;
    QString Log = Dir.filePath("ten-million.zlog");
    TMetaData Meta{};

    // Readings in mW/m² drifting over three decades with a fast ripple; a frequency on most.
    TBenchRecord()
    {
        CreateLogFile(Log);
        std::vector<TSampleRecord> batch;
        for (std::int64_t i = 0; i < Samples; ++i) {
            TSampleRecord record{};
            record.Value = float(std::pow(10.0, 1.5 * std::sin(double(i) / 90000.0) + 0.2 * std::cos(double(i) / 3.0) - 1.5));
            record.Frequency = std::uint16_t(i % 9 == 0 ? 0 : 900 + (i * 7) % 1600);
            batch.push_back(record);
            if (batch.size() == 1 << 17 || i + 1 == Samples) {
                AppendSamples(Log, batch);
                batch.clear();
            }
        }
        Meta.Version = 1;
        Meta.Unit = UnitMWm2;
        Meta.Interval = 0.5;
        Meta.StartTime = ToTDateTime(QDateTime(QDate(2025, 1, 7), QTime(9, 5, 3)));
        // A palette of 40 colours, as the program loads one.
        QImage palette(RiskPaletteSize, 1, QImage::Format_RGB32);
        for (int k = 0; k < RiskPaletteSize; ++k)
            palette.setPixel(k, 0, qRgb(6 * k, 200 - 4 * k, 40));
        palette.save(Dir.filePath("Risk Palette.bmp"), "BMP");
        LoadRiskPalette(Dir.path());
    }
};

TBenchRecord &Record()
{
    static TBenchRecord record;
    return record;
}

void BM_ReportOfTenMillionSamples(benchmark::State &state)
{
    TBenchRecord &record = Record();
    const double before = PeakResidentMegabytes();
    for (auto _ : state)
        SaveRecordReport(record.Dir.filePath("report.pdf"), {record.Log, record.Meta, TPopulation::General, TTargetState::Wake});
    state.counters["peak_rss_MB"] = PeakResidentMegabytes();
    state.counters["rss_before_MB"] = before;
}
BENCHMARK(BM_ReportOfTenMillionSamples)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void BM_CsvOfTenMillionSamples(benchmark::State &state)
{
    TBenchRecord &record = Record();
    for (auto _ : state) {
        QSaveFile file(record.Dir.filePath("samples.csv"));
        file.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
        WriteCsv([&](const char *data, std::size_t size) { file.write(data, qint64(size)); }, record.Log, record.Meta,
                 TPopulation::General, TTargetState::Wake, [](std::uint64_t, std::uint64_t) { return true; });
        file.commit();
    }
    state.SetItemsProcessed(state.iterations() * Samples);
}
BENCHMARK(BM_CsvOfTenMillionSamples)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

// The rows alone, into a sink that only counts them: the writer's own speed, without the disk.
void BM_CsvRowsOfTenMillionSamples(benchmark::State &state)
{
    TBenchRecord &record = Record();
    std::size_t bytes = 0;
    for (auto _ : state)
        WriteCsv([&](const char *, std::size_t size) { bytes += size; }, record.Log, record.Meta,
                 TPopulation::General, TTargetState::Wake, [](std::uint64_t, std::uint64_t) { return true; });
    state.SetItemsProcessed(state.iterations() * Samples);
    state.counters["MB_per_run"] = double(bytes) / double(state.iterations()) / 1e6;
}
BENCHMARK(BM_CsvRowsOfTenMillionSamples)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

} // namespace
