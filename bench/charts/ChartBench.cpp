// The chart with the record viewer's load: one mark per sample, 10 million samples, on a
// 1000 x 250 plotting area. Each benchmark runs beside a naive counterpart that keeps an
// object per mark or paints every mark in order through QPainter.

#include "charts/ChartItemStore.h"
#include "charts/DirectMarkPainter.h"
#include "charts/ChartWidget.h"

#include <QApplication>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <malloc.h>

#include <map>
#include <memory>
#include <random>

namespace {

constexpr int MarkCount = 10'000'000;
constexpr double Interval = 0.5;
const QSize PlotSize(1000, 250);

// Readings and risk colours of a long record, made once.
struct TRecord {
    std::vector<float> Values;
    std::vector<QRgb> Colours;
};

const TRecord &Record()
{
    static const TRecord record = [] {
        TRecord made;
        std::mt19937 random(1);
        std::lognormal_distribution<float> value(-3.0f, 1.0f);
        made.Values.resize(MarkCount);
        made.Colours.resize(MarkCount);
        for (int i = 0; i < MarkCount; ++i) {
            made.Values[std::size_t(i)] = value(random);
            made.Colours[std::size_t(i)] = qRgb(4 * (i / 97 % 40), 200, 60);
        }
        return made;
    }();
    return record;
}

std::size_t HeapInUse()
{
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

void FillChart(TChartWidget &chart, std::uint8_t shape)
{
    const TRecord &record = Record();
    for (int i = 0; i < MarkCount; ++i) {
        chart.SetDataColor(QColor::fromRgb(record.Colours[std::size_t(i)]));
        chart.AddMark(i * Interval, record.Values[std::size_t(i)], shape);
    }
}

// The loaded charts by shape; they must go before the application object does.
std::map<std::uint8_t, std::unique_ptr<TChartWidget>> LoadedCharts;

// A shown chart whose plotting area is PlotSize, holding the whole record in one shape.
TChartWidget &LoadedChart(std::uint8_t shape)
{
    auto &chart = LoadedCharts[shape];
    if (!chart) {
        chart = std::make_unique<TChartWidget>();
        chart->ChangeAppearance([](TChartAppearance &look) {
            look.ShadowStyle = ssFlying;
            look.XLabelType = ftTime;
        });
        const TChartAppearance &look = chart->Appearance();
        chart->resize(PlotSize + QSize(look.LRim + look.RRim + ShadowDepth, look.TRim + look.BRim + ShadowDepth));
        chart->show();
        QCoreApplication::processEvents(); // exposed, so that a repaint really paints
        FillChart(*chart, shape);
    }
    return *chart;
}

void BM_AddMarks(benchmark::State &state)
{
    Record();
    for (auto _ : state) {
        const std::size_t heapBefore = HeapInUse();
        auto chart = std::make_unique<TChartWidget>();
        FillChart(*chart, 7);
        state.PauseTiming(); // neither the counting nor the freeing
        state.counters["bytes_per_mark"] = double(chart->ItemBytes()) / MarkCount;
        state.counters["heap_bytes_per_mark"] = double(HeapInUse() - heapBefore) / MarkCount;
        chart.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_AddMarks)->Unit(benchmark::kMillisecond)->Iterations(3);

// An object per mark, as a plain list of items would keep them.
struct TNaiveMark {
    double X;
    double Y;
    QColor Colour;
    std::uint8_t Shape;
};

void BM_AddMarksNaive(benchmark::State &state)
{
    const TRecord &record = Record();
    for (auto _ : state) {
        const std::size_t heapBefore = HeapInUse();
        auto marks = std::make_unique<std::vector<TNaiveMark>>();
        for (int i = 0; i < MarkCount; ++i)
            marks->push_back({i * Interval, record.Values[std::size_t(i)],
                              QColor::fromRgb(record.Colours[std::size_t(i)]), 7});
        benchmark::DoNotOptimize(marks->data());
        state.PauseTiming();
        state.counters["heap_bytes_per_mark"] = double(HeapInUse() - heapBefore) / MarkCount;
        marks.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_AddMarksNaive)->Unit(benchmark::kMillisecond)->Iterations(3);

// Two views of the whole record that differ a little, taken in turn.
void ToggleRange(TChartWidget &chart, bool wide)
{
    chart.SetRanges(wide ? -Interval : 0, 0, MarkCount * Interval + (wide ? Interval : 0), 0.6);
}

void BM_RepaintAfterRangeChange(benchmark::State &state)
{
    TChartWidget &chart = LoadedChart(std::uint8_t(state.range(0)));
    bool wide = false;
    for (auto _ : state) {
        ToggleRange(chart, wide = !wide);
        chart.Redraw();
    }
}
BENCHMARK(BM_RepaintAfterRangeChange)->Arg(7)->Arg(24)->Arg(26)->Unit(benchmark::kMillisecond)->MinTime(0.5);

// Every mark painted in order through QPainter onto the picture of the empty chart.
void BM_RepaintNaive(benchmark::State &state)
{
    TChartWidget &chart = LoadedChart(std::uint8_t(state.range(0)));
    ToggleRange(chart, true);
    const TPlotMapping mapping = chart.Mapping();
    std::vector<const TMarkChunk *> batch;
    for (const TItemRun &run : chart.ItemStore().Runs())
        batch.push_back(&std::get<TMarkChunk>(run));
    QImage picture(chart.size(), QImage::Format_RGB32);
    for (auto _ : state) {
        picture.fill(chart.Appearance().ChartColor);
        QPainter painter(&picture);
        painter.setClipRect(mapping.Area);
        PaintMarksInOrder(painter, mapping, VisibleMarkSpans(batch, mapping, MaxMarkRadius));
    }
}
BENCHMARK(BM_RepaintNaive)->Arg(7)->Arg(24)->Arg(26)->Unit(benchmark::kMillisecond)->Iterations(1);

// The picture is shown again, not rendered.
void BM_RepaintUnchanged(benchmark::State &state)
{
    TChartWidget &chart = LoadedChart(7);
    chart.Redraw();
    for (auto _ : state)
        chart.Redraw();
}
BENCHMARK(BM_RepaintUnchanged)->Unit(benchmark::kMillisecond)->MinTime(0.5);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    LoadedCharts.clear();
    return 0;
}
