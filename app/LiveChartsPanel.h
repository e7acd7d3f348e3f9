#pragma once
// The live charts of the main window: the charts panel with the acquisition settings beside the
// charts and the risk category of the current reading beside the statistics. It connects itself
// to the session: every sample counted is drawn, and the charts start afresh with each reset of
// the live state.

#include "app/LivePipeline.h"
#include "storage/LastSettings.h"
#include "windows/ChartsPanel.h"

#include <cstdint>

class QLabel;
class TAcquisitionSession;
class TAcquisitionSettingsPanel;

class TLiveChartsPanel : public TChartsPanel {
public:
    // The risk choices and the interval are those of settings, which sits beside the charts.
    TLiveChartsPanel(const TAcquisitionSession &session, TAcquisitionSettingsPanel &settings,
                     const QString &resourcesDir, QWidget *parent = nullptr);

    // The charts, the statistics and the risk read-out emptied (the run has stopped).
    void Clear();
    // Its line of the settings file: whether the statistics are unfolded.
    void WriteSettings(TLastSettings &settings) const;
    void ApplyLoadedSettings(const TLastSettings &settings, int linesInEffect);

    QLabel *RiskCategory = nullptr;
    QLabel *RiskCaption = nullptr;

private:
    void BuildRiskCategory();
    void WireCharts();
    void ResetCharts();
    void ShowSample();
    void PlotSample(int decimals);
    void DrawHistogram();
    TTimedValue MaxRecord() const;
    // Chart mouse actions: zoom and pan of the time chart once samples no longer arrive.
    void TChartMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers keys);
    void TChartMouseMoveInChart(bool inChart, double y);
    void HChartMouseMoveInChart(bool inChart, double x);

    const TAcquisitionSession &Session;
    const TAcquisitionSettingsPanel &Settings;
    // What is drawn of the run.
    int RiskIndex = 0;
    double ElapsedX = 0.0;
    std::uint32_t PlottedCount = 0;
    std::uint8_t MarkShape = ShapeDisc7;
};
