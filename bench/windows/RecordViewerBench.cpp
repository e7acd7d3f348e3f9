// Opening long records in the record viewer: records of 1 and 10 million samples at 0.5 s,
// every sample with a frequency, read, processed, summarised and drawn; then zooming and
// panning the time chart of the longest one. Memory is reported as the process's peak
// resident size.

#include "windows/RecordViewer.h"

#include "bench/PeakResident.h"
#include "charts/ChartWidget.h"
#include "model/Risk.h"
#include "model/SampleRecord.h"
#include "model/Units.h"
#include "storage/DateTimeConvert.h"
#include "storage/MetaData.h"
#include "windows/RecordWindowsHost.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cmath>
#include <map>
#include <memory>
#include <vector>

namespace {

class TIdleHost : public IRecordWindowsHost {
public:
    QString CurrentLogFile() const override { return {}; }
    bool IsRecording() const override { return false; }
    void HoldLineDelivery(bool) override {}
    TPopulation RiskPopulation() const override { return TPopulation::General; }
    TTargetState RiskState() const override { return TTargetState::Wake; }
};

struct TBenchFolder {
    QTemporaryDir Dir;
    TAppPaths Paths = TAppPaths::FromAppDir(Dir.path());
    TIdleHost Host;
    std::unique_ptr<TRecordViewer> Viewer;
    std::map<std::int64_t, QString> Logs;

    TBenchFolder()
    {
        QDir().mkpath(Paths.LogDir);
        QDir().mkpath(Paths.ResourcesDir);
        // A palette of 40 distinct greens to reds, so the bars are coloured as in use.
        QImage palette(RiskPaletteSize, 1, QImage::Format_RGB32);
        for (int i = 0; i < RiskPaletteSize; ++i)
            palette.setPixel(i, 0, qRgb(6 * i, 200 - 4 * i, 40));
        palette.save(Paths.ResourcesDir + "Risk Palette.bmp", "BMP");
        LoadRiskPalette(Paths.ResourcesDir);
        Viewer = std::make_unique<TRecordViewer>(Host, Paths);
        Viewer->resize(1056, 701);
    }

    // A record of samples readings in mW/m² wandering over four decades, each with a frequency.
    const QString &Log(std::int64_t samples)
    {
        QString &path = Logs[samples];
        if (!path.isEmpty())
            return path;
        path = Paths.LogDir + QString::number(samples) + ".zlog";
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        std::vector<TSampleRecord> block(65536);
        for (std::int64_t done = 0; done < samples;) {
            const std::size_t count = std::size_t(std::min<std::int64_t>(samples - done, std::int64_t(block.size())));
            for (std::size_t k = 0; k < count; ++k) {
                const double i = double(done + std::int64_t(k));
                block[k].Value = float(std::pow(10.0, 2.0 * std::sin(i / 50000.0) + 0.3 * std::sin(i / 7.0) - 1.0));
                block[k].Frequency = std::uint16_t(800 + std::int64_t(i) % 5200);
            }
            file.write(reinterpret_cast<const char *>(block.data()), qint64(count * sizeof(TSampleRecord)));
            done += std::int64_t(count);
        }
        file.close();
        TMetaData meta;
        meta.Version = 1;
        meta.Unit = UnitMWm2;
        meta.Interval = 0.5;
        WriteMetaFile(QString(path).replace(".zlog", ".meta"), meta, ToTDateTime(QDateTime(QDate(2025, 1, 7), QTime(9, 5, 3))));
        return path;
    }
};

TBenchFolder &Folder()
{
    static TBenchFolder folder;
    return folder;
}

void BM_OpenRecord(benchmark::State &state)
{
    TBenchFolder &folder = Folder();
    const QString log = folder.Log(state.range(0));
    // Once with a cold cache of the program's own structures; the file itself is in the cache.
    folder.Viewer->OpenRecord(log, false);
    for (auto _ : state) {
        folder.Viewer->OpenRecord(log, false);
        benchmark::DoNotOptimize(folder.Viewer->TChart->ItemCount());
    }
    state.counters["samples"] = double(folder.Viewer->SampleCount);
    state.counters["peak_rss_MB"] = PeakResidentMegabytes();
}
BENCHMARK(BM_OpenRecord)->Arg(1'000'000)->Arg(10'000'000)->Unit(benchmark::kMillisecond)->UseRealTime();

// One repaint per step of a zoom into the record's middle and back out.
void BM_ZoomRepaint(benchmark::State &state)
{
    TBenchFolder &folder = Folder();
    TRecordViewer &viewer = *folder.Viewer;
    if (viewer.SampleCount != 10'000'000)
        viewer.OpenRecord(folder.Log(10'000'000), false);
    const TRangeBox full = viewer.FullTimeView();
    const double middle = (full.XLo + full.XHi) / 2;
    int step = 0;
    for (auto _ : state) {
        const double half = (full.XHi - full.XLo) / 2 * std::pow(0.5, step % 16);
        viewer.TChart->SetRanges(middle - half, full.YLo, middle + half, full.YHi);
        viewer.TChart->Redraw();
        ++step;
    }
}
BENCHMARK(BM_ZoomRepaint)->Unit(benchmark::kMillisecond)->UseRealTime();

// One repaint per step of a pan across the whole record at a tenth of its length in view.
void BM_PanRepaint(benchmark::State &state)
{
    TBenchFolder &folder = Folder();
    TRecordViewer &viewer = *folder.Viewer;
    if (viewer.SampleCount != 10'000'000)
        viewer.OpenRecord(folder.Log(10'000'000), false);
    const TRangeBox full = viewer.FullTimeView();
    const double width = (full.XHi - full.XLo) / 10;
    int step = 0;
    for (auto _ : state) {
        const double from = full.XLo + (full.XHi - full.XLo - width) * double(step % 50) / 49.0;
        viewer.TChart->SetRanges(from, full.YLo, from + width, full.YHi);
        viewer.TChart->Redraw();
        ++step;
    }
}
BENCHMARK(BM_PanRepaint)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
