#pragma once
// The charts of the main window and of the record viewer: the time chart and the level
// histogram in a splitter with their read-outs, a column the window puts beside them, the risk
// colour bar with the category strip under it, and the statistics panel. What the two windows
// set out differently is a TChartsPanelLook; what the charts show is the window's business.

#include "charts/ChartConfigurations.h"
#include "windows/StatisticsPanel.h"

#include <QColor>
#include <QList>
#include <QSize>
#include <QString>
#include <QWidget>

class QFrame;
class QLabel;
class QLineEdit;
class QSplitter;
class TChartWidget;
class TRiskScaleStrip;

struct TChartsPanelLook {
    QColor PlotsBackground{};
    QString SplitterStyle{}; // none where empty
    int ChartMinimumHeight = 1;
    QList<int> SplitterSizes{}; // the time chart's and the histogram's
    TChartConfiguration TimeChart;
    TChartConfiguration Histogram;
    // The histogram always has a read-out; the time chart only with TimeReadout. They sit
    // ReadoutInset pixels left of their chart's right edge, 8 pixels below its top.
    bool TimeReadout = false;
    QSize ReadoutSize{};
    Qt::Alignment ReadoutAlignment = Qt::AlignLeft | Qt::AlignVCenter;
    QColor ReadoutText{};
    QColor ReadoutBackground{};
    int ReadoutInset = 0;
    int RiskScaleHeight = 0;
    QColor RiskScaleText{};
    TStatisticsPanelLook Statistics;
};

class TChartsPanel : public QWidget {
public:
    // side stands right of the charts, as high as they are; the colour bar is resourcesDir's.
    TChartsPanel(const TChartsPanelLook &look, QWidget *side, const QString &resourcesDir,
                 QWidget *parent = nullptr);

    // The read-outs back in the top right corners of their charts.
    void PlaceChartReadouts();

    QFrame *Plots = nullptr;
    QSplitter *Splitter = nullptr;
    TChartWidget *TChart = nullptr;
    TChartWidget *HChart = nullptr;
    QLineEdit *TChartEdit = nullptr; // none without TimeReadout
    QLineEdit *HChartEdit = nullptr;
    QLabel *RiskLevelImage = nullptr;
    TRiskScaleStrip *RiskEvaluationPB = nullptr;
    TStatisticsPanel *Statistics = nullptr;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QFrame *BuildPlots(const TChartsPanelLook &look);
    QLineEdit *ChartReadout(const TChartsPanelLook &look);
    void PlaceReadout(QLineEdit *readout, const TChartWidget &chart);

    const int ReadoutInset;
};
