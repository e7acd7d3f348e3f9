// The live sample pipeline: every reading of the meter is corrected, recorded while a
// recording runs, counted into the run's statistics and shown on the charts and read-outs.

#include "app/LivePipeline.h"

#include "model/HandlerErrors.h"
#include "app/ConvertError.h"
#include "app/DeferredError.h"
#include "storage/LocaleTimeText.h"
#include "windows/ChoiceGroup.h"
#include "app/UnitMain.h"
#include "charts/LevelHistogram.h"
#include "charts/RChart.h"
#include "charts/TextSpace.h"
#include "device/Form2_Port.h"
#include "device/NumberText.h"
#include "model/MessageBoxSeam.h"
#include "model/Risk.h"
#include "storage/DateTimeConvert.h"
#include "storage/LogFile.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>

#include <algorithm>
#include <array>

namespace {

constexpr std::uint64_t SampleCounterLimit = 4294967295u;

// SampleInProgress tells the save at the end of a recording that a sample is being handled;
// it must not stay set when the sample ends by an error.
class TSampleDoneOnExit {
public:
    TSampleDoneOnExit() = default;
    ~TSampleDoneOnExit() { SampleInProgress = false; }
    TSampleDoneOnExit(const TSampleDoneOnExit &) = delete;
    TSampleDoneOnExit &operator=(const TSampleDoneOnExit &) = delete;
};

// Holds the delivery of lines while the live state is rebuilt, so that no sample is
// processed halfway through it.
class THeldDelivery {
public:
    explicit THeldDelivery(TComPort *port) : Port(port && port->isOpen() ? port : nullptr)
    {
        if (Port)
            Port->SetReceiveMode(rmACCUMULATE);
    }
    ~THeldDelivery()
    {
        if (Port && Port->isOpen())
            Port->SetReceiveMode(rmTERM);
    }
    THeldDelivery(const THeldDelivery &) = delete;
    THeldDelivery &operator=(const THeldDelivery &) = delete;

private:
    TComPort *Port;
};

} // namespace

TTimedValue MakeTimedValue(double value, double time)
{
    return {value, time};
}

TTimedValue TForm1::MaxRecord() const
{
    return MakeTimedValue(Statistics.Maximum(), Statistics.MaximumTime());
}

TTimedValue TForm1::MinRecord() const
{
    return MakeTimedValue(Statistics.Minimum(), Statistics.MinimumTime());
}

void TForm1::ProcessSample(int peakFrequency, float value)
{
    const TSampleDoneOnExit sampleDone;
    const QDateTime nowMoment = QDateTime::currentDateTime();
    const double now = ToTDateTime(nowMoment);
    PeakFrequency = static_cast<std::uint16_t>(peakFrequency);
    CurrentValue = ApplyCorrection(value, CurrentMetaData.Unit, CurrentMetaData.Correction);

    // A log that cannot be written does not keep the sample from being counted and shown:
    // the error is thrown once the sample is done.
    TDeferredError writeError;
    if (RecordingState == Recording && WriteBuffer->HasStorage()) {
        TSampleRecord record;
        MakeSampleRecord(PeakFrequency, 0, record, CurrentValue);
        WriteBuffer->Push(record);
        if (WriteBuffer->Count() >= static_cast<std::uint32_t>(WriteBuffer->Capacity()))
            writeError.Run([this] { AppendWriteBuffer(); });
    }

    const double v = CurrentValue;
    Statistics.Add(v, now);
    RiskIndex = EvaluateRisk(CurrentMetaData.Unit, v, RiskPopulationRG->ItemIndex(), RiskStateRG->ItemIndex());
    const std::uint8_t decimals = DisplayDecimals(MaxRecord().Value);
    PlotSample(*TChart, decimals - 1);
    // While importing, the histogram is drawn once after the last record.
    if (RecordingState == Listening || RecordingState == Recording)
        DrawLevelHistogram(*HChart, LiveHistogram, RiskPopulationRG->ItemIndex(), RiskStateRG->ItemIndex(), true);

    const std::uint64_t count = Statistics.SampleCount();
    if (count >= SampleCounterLimit) {
        if (count == SampleCounterLimit)
            ShowMessageBox(TMsgKind::Warning,
                           QStringLiteral("The number of acquired samples is exceedingly large. The counter will "
                                          "not be updated anymore, owever you can keep logging the data"));
    } else {
        LabelSample->setText(LocaleDateTimeText(nowMoment) + "; Samples: " + QString::number(count));
    }
    ShowSampleValues(decimals);
    writeError.Rethrow();
}

void TForm1::ShowSampleValues(std::uint8_t decimals)
{
    LabelPeak->setText(FittedValueText(decimals, CurrentValue, FitsInside(*LabelPeak)));
    if (PeakFrequency > 0) {
        QPalette palette = LabelPeakFreq->palette();
        palette.setColor(QPalette::WindowText, FrequencyColour(PeakFrequency));
        LabelPeakFreq->setPalette(palette);
        LabelPeakFreq->setText("Peak Frequency: " + QString::number(PeakFrequency));
        // A running timer keeps its period: the read-out goes at most 10 s after it came.
        if (!LabelPeakFreqTimer.isActive())
            LabelPeakFreqTimer.start();
    }
    LabelMaxValue->setText(FittedValueText(decimals, MaxRecord().Value, FitsInside(*LabelMaxValue)));
    LabelModeValue->setText(FittedValueText(decimals, Statistics.ModeValue(), FitsInside(*LabelModeValue)));
    LabelRisk->setText(RiskCategoryName(RiskIndex));
    if (StatisticsExpanded()) {
        LabelRangedBValue->setText(QString::number(Statistics.RangeDB()) + " dB");
        LabelMinValue->setText(FittedValueText(decimals, MinRecord().Value, FitsInside(*LabelMinValue)));
        LabelMeanValue->setText(FittedValueText(decimals, Statistics.Mean(), FitsInside(*LabelMeanValue)));
    }
    ShowRunningStatus();
}

void TForm1::ShowRunningStatus()
{
    if (RecordingState == Recording && LogWriteFailed) {
        PanelStatus->setText(QStringLiteral("   The record is incomplete: nothing is being written to its log"));
        return;
    }
    if (RecordingState == Listening || RecordingState == Recording) {
        const QString since = RecordingState == Listening ? "   Playing since " : "   Recording since ";
        PanelStatus->setText(since + DayCountText(SessionStart) + "; " + "Last max on "
                             + DayCountText(MaxRecord().Time));
    }
}

void TForm1::ResetLiveState(TRecordingState mode, int visibleSamples, std::uint8_t unit, std::uint8_t correction,
                            double interval)
{
    const double now = ToTDateTime(QDateTime::currentDateTime());
    SessionStart = now;
    const THeldDelivery held(ConnectionForm ? &ConnectionForm->ComPort1 : nullptr);
    RecordingState = mode;
    CurrentMetaData.Interval = interval;
    CurrentMetaData.Unit = unit;
    CurrentMetaData.Correction = static_cast<std::int8_t>(correction);
    VisibleSamples = static_cast<std::uint32_t>(visibleSamples);
    Statistics.Reset(unit, now);
    ElapsedX = 0.0;
    PlottedCount = 0;
    SetupTimeChart(*TChart, unit, visibleSamples, interval);
    ResetHistogramChart(*HChart);
    if (mode == Recording) {
        WriteBuffer = std::make_unique<TCircBuffer>(WriteBufferCapacityFor(interval));
        LogWriteFailed = false;
        Unwritten.Clear();
        CreateLogFile(CurrentLogFile);
        if (LogFileCreated)
            LogFileCreated();
    }
}

void TForm1::ApplySettings(TRecordingState mode)
{
    const double interval = IntervalSeconds(IntervalCB->currentText()).value_or(CurrentMetaData.Interval);
    const int correction = StrToInt(CorrectionCB->currentText());
    const std::uint8_t unit = UnitFromName(IrrUnitGB->ItemText(IrrUnitGB->ItemIndex()));
    const QString pointsText = VisibleSamplesCB->currentText();
    const int visibleSamples = StrToInt(pointsText);
    // A chart of no points cannot scroll.
    if (visibleSamples < 1)
        throw EConvertError(pointsText);
    AppliedChoice = {unit, interval, correction, visibleSamples};
    ResetLiveState(mode, visibleSamples, unit, static_cast<std::uint8_t>(correction), interval);
}

void TForm1::IrrUnitGBClick()
{
    if (UnitFromName(IrrUnitGB->ItemText(IrrUnitGB->ItemIndex())) != AppliedChoice.Unit)
        ApplyChangedSetting();
}

void TForm1::IntervalCBChange()
{
    if (IntervalSeconds(IntervalCB->currentText()) != AppliedChoice.Interval)
        ApplyChangedSetting();
}

void TForm1::VisibleSamplesCBChange()
{
    if (DecimalTextToInt(VisibleSamplesCB->currentText()) != AppliedChoice.VisibleSamples)
        ApplyChangedSetting();
}

void TForm1::correctionCBChange()
{
    if (DecimalTextToInt(CorrectionCB->currentText()) != AppliedChoice.Correction)
        ApplyChangedSetting();
}

// The run restarts only for a setting that really changed; a box holding no valid number
// is reported here, and the run goes on as it was.
void TForm1::ApplyChangedSetting()
{
    try {
        ApplySettings(RecordingState);
    } catch (...) {
        ShowMessageBox(TMsgKind::Error, EscapedErrorText(std::current_exception()));
    }
}

void TForm1::SetupTimeChart(TRChart &chart, std::uint8_t unit, int visibleSamples, double interval)
{
    chart.ClearItems();
    chart.SetRangeLoX(0.0);
    chart.SetRangeHiY(0.001);
    if (RecordingState == Listening || RecordingState == Recording)
        chart.SetRangeHiX(visibleSamples * interval * 1.05);
    else if (RecordingState == Importing)
        chart.SetRangeHiX(visibleSamples * interval);
    if (const std::optional<QString> name = UnitName(unit))
        chart.SetIdOrdinate(*name);
    MarkShape = MarkShapeFor(visibleSamples);
}

void TForm1::PlotSample(TRChart &chart, int decimals)
{
    chart.SetDataColor(RiskColor(RiskIndex));
    const double maximum = MaxRecord().Value;
    if (chart.RangeHiY() < maximum)
        chart.SetRangeHiY(maximum + 0.1 * maximum);
    chart.AddMark(ElapsedX, CurrentValue, MarkShape);
    chart.SetDecPlaceY(decimals);
    if (PlottedCount <= VisibleSamples) {
        ++PlottedCount;
    } else {
        const double interval = CurrentMetaData.Interval;
        chart.RemoveFirstItem();
        chart.SetRanges(chart.RangeLoX() + interval, chart.RangeLoY(), chart.RangeHiX() + interval, chart.RangeHiY());
    }
    chart.Redraw();
    ElapsedX += CurrentMetaData.Interval;
}

void TForm1::ResetHistogramChart(TRChart &chart)
{
    chart.ClearItems();
    chart.SetRangeHiY(4.0);
}
