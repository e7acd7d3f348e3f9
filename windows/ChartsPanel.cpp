#include "windows/ChartsPanel.h"

#include "charts/ChartWidget.h"
#include "dialogs/WidgetStyle.h"
#include "model/HandlerErrors.h"
#include "windows/RiskScaleStrip.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSplitter>
#include <QVBoxLayout>

TChartsPanel::TChartsPanel(const TChartsPanelLook &look, QWidget *side, const QString &resourcesDir, QWidget *parent)
    : QWidget(parent), ReadoutInset(look.ReadoutInset)
{
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    auto *middle = new QHBoxLayout;
    middle->setContentsMargins(0, 0, 0, 0);
    middle->setSpacing(0);
    middle->addWidget(BuildPlots(look), 1);
    middle->addWidget(side);
    column->addLayout(middle, 1);

    RiskLevelImage = new QLabel(this);
    RiskLevelImage->setFixedHeight(14);
    RiskLevelImage->setScaledContents(true);
    RiskLevelImage->setPixmap(QPixmap(resourcesDir + QStringLiteral("Risk Level.bmp")));
    RiskLevelImage->setToolTip(QCoreApplication::translate("TChartsPanel", "Color code for Risk Assessment"));
    column->addWidget(RiskLevelImage);

    RiskEvaluationPB = new TRiskScaleStrip(look.RiskScaleText, this);
    RiskEvaluationPB->setFixedHeight(look.RiskScaleHeight);
    RiskEvaluationPB->setToolTip(
        QCoreApplication::translate("TChartsPanel", "Risk categories corresponding to the above color code"));
    column->addWidget(RiskEvaluationPB);

    Statistics = new TStatisticsPanel(look.Statistics, this);
    column->addWidget(Statistics);
}

QFrame *TChartsPanel::BuildPlots(const TChartsPanelLook &look)
{
    Plots = new QFrame(this);
    SetBackgroundAndBase(Plots, look.PlotsBackground);
    auto *fill = new QVBoxLayout(Plots);
    fill->setContentsMargins(0, 0, 0, 0);

    Splitter = new QSplitter(Qt::Vertical, Plots);
    Splitter->setHandleWidth(3);
    Splitter->setChildrenCollapsible(false);
    if (!look.SplitterStyle.isEmpty())
        Splitter->setStyleSheet(look.SplitterStyle);
    TChart = new TChartWidget(Splitter);
    ConfigureChart(*TChart, look.TimeChart);
    HChart = new TChartWidget(Splitter);
    ConfigureChart(*HChart, look.Histogram);
    for (TChartWidget *chart : {TChart, HChart}) {
        chart->setMinimumHeight(look.ChartMinimumHeight);
        Splitter->addWidget(chart);
    }
    // The time chart keeps its height; the histogram takes what the window gains or loses.
    Splitter->setStretchFactor(0, 0);
    Splitter->setStretchFactor(1, 1);
    Splitter->setSizes(look.SplitterSizes);
    fill->addWidget(Splitter);

    if (look.TimeReadout)
        TChartEdit = ChartReadout(look);
    HChartEdit = ChartReadout(look);
    connect(Splitter, &QSplitter::splitterMoved, this, ShowingErrors(this, &TChartsPanel::PlaceChartReadouts));
    // The splitter places the charts after the panel around them has its size: the read-outs
    // follow the charts themselves, from the first showing on.
    TChart->installEventFilter(this);
    HChart->installEventFilter(this);
    return Plots;
}

QLineEdit *TChartsPanel::ChartReadout(const TChartsPanelLook &look)
{
    auto *readout = new QLineEdit(Plots);
    readout->setFrame(false);
    readout->setReadOnly(true);
    readout->setFocusPolicy(Qt::NoFocus);
    readout->setAlignment(look.ReadoutAlignment);
    readout->setFont(NamedFont(QStringLiteral("Georgia"), 16, QFont::Normal, QFont::Serif));
    SetAllTextColours(readout, look.ReadoutText);
    SetBackgroundAndBase(readout, look.ReadoutBackground);
    readout->setFixedSize(look.ReadoutSize);
    return readout;
}

bool TChartsPanel::eventFilter(QObject *watched, QEvent *event)
{
    if ((watched == TChart || watched == HChart) && (event->type() == QEvent::Resize || event->type() == QEvent::Move))
        PlaceChartReadouts();
    return QWidget::eventFilter(watched, event);
}

void TChartsPanel::PlaceChartReadouts()
{
    if (TChartEdit)
        PlaceReadout(TChartEdit, *TChart);
    PlaceReadout(HChartEdit, *HChart);
}

void TChartsPanel::PlaceReadout(QLineEdit *readout, const TChartWidget &chart)
{
    const QRect area(chart.mapTo(Plots, QPoint(0, 0)), chart.size());
    readout->move(area.right() + 1 - ReadoutInset - readout->width(), area.top() + 8);
    readout->raise();
}
