#pragma once
// The live charts of the main window: the time chart and the level histogram of the run with
// their read-outs, the acquisition settings beside them, the risk colour scale and the
// statistics below. It connects itself to the session: every sample counted is drawn, and the
// charts start afresh with each reset of the live state.

#include "app/LivePipeline.h"
#include "storage/LastSettings.h"

#include <QWidget>

#include <cstdint>

class QFrame;
class QLabel;
class QLineEdit;
class QSplitter;
class TAcquisitionSession;
class TAcquisitionSettingsPanel;
class TChartWidget;
class TRiskScaleBox;
class TStatisticsPanel;

class TLiveChartsPanel : public QWidget {
public:
    // The risk choices and the interval are those of settings, which sits beside the charts.
    TLiveChartsPanel(const TAcquisitionSession &session, TAcquisitionSettingsPanel &settings,
                     const QString &resourcesDir, QWidget *parent = nullptr);

    // The charts, the statistics and the risk read-out emptied (the run has stopped).
    void Clear();
    // The read-outs stay in the top right corners of their charts.
    void PlaceChartReadouts();
    // Its line of the settings file: whether the statistics are unfolded.
    void WriteSettings(TLastSettings &settings) const;
    void ApplyLoadedSettings(const TLastSettings &settings, int linesInEffect);

    QFrame *Plots = nullptr;
    QSplitter *Splitter = nullptr;
    TChartWidget *TChart = nullptr;
    TChartWidget *HChart = nullptr;
    QLineEdit *TChartEdit = nullptr;
    QLineEdit *HChartEdit = nullptr;
    QLabel *RiskLevelImage = nullptr;
    TRiskScaleBox *RiskEvaluationPB = nullptr;
    TStatisticsPanel *Statistics = nullptr;
    QLabel *RiskCategory = nullptr;
    QLabel *RiskCaption = nullptr;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QFrame *BuildPlots();
    void BuildStatistics();
    void WireCharts();
    void ResetCharts();
    void ShowSample();
    void PlotSample(int decimals);
    void DrawHistogram();
    void MoveHistogramReadout();
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
