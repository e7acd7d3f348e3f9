// The main window's controls: where they sit, how they look and what they hint.

#include "app/AcquisitionBar.h"
#include "app/AcquisitionSettingsPanel.h"
#include "app/RiskScaleBox.h"
#include "app/MainWindow.h"
#include "app/StatusLine.h"
#include "model/HandlerErrors.h"
#include "dialogs/WidgetStyle.h"
#include "charts/ChartWidget.h"
#include "model/Risk.h"
#include "windows/StatisticsPanel.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSplitter>
#include <QVBoxLayout>

namespace {

const QString SitkaText = QStringLiteral("Sitka Text");
const QString Georgia = QStringLiteral("Georgia");

const QColor StatisticsTextColour(244, 244, 244);
const QColor ReadoutTextColour(242, 242, 242);

constexpr int ReadoutWidth = 180;
constexpr int ReadoutHeight = 24;

QLabel *NewLabel(const QString &text, QWidget *parent, const QString &hint = QString())
{
    auto *label = new QLabel(text, parent);
    label->setToolTip(hint);
    return label;
}

QLineEdit *ChartReadout(QWidget *parent)
{
    auto *readout = new QLineEdit(parent);
    readout->setFrame(false);
    readout->setReadOnly(true);
    readout->setFocusPolicy(Qt::NoFocus);
    readout->setFont(NamedFont(Georgia, 16, QFont::Serif));
    readout->setFixedSize(ReadoutWidth, ReadoutHeight);
    QPalette palette = readout->palette();
    palette.setColor(QPalette::Base, WindowGrey);
    palette.setColor(QPalette::Text, ReadoutTextColour);
    readout->setPalette(palette);
    return readout;
}

} // namespace

void TMainWindow::BuildLayout()
{
    setWindowTitle(QStringLiteral("  ZELTAR Logger"));
    resize(975, 676);
    setMinimumSize(920, 672);
    SetBackground(this, WindowGrey);

    auto *client = new QWidget(this);
    auto *column = new QVBoxLayout(client);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    Bar = new TAcquisitionBar(Session, Paths.ResourcesDir);
    column->addWidget(Bar);
    auto *middle = new QHBoxLayout;
    middle->setSpacing(0);
    middle->addWidget(BuildPlotPanel(), 1);
    SettingsPanel = new TAcquisitionSettingsPanel(Session);
    middle->addWidget(SettingsPanel);
    column->addLayout(middle, 1);

    RiskLevelImage = new QLabel(client);
    RiskLevelImage->setFixedHeight(14);
    RiskLevelImage->setScaledContents(true);
    RiskLevelImage->setPixmap(QPixmap(Paths.ResourcesDir + "Risk Level.bmp"));
    RiskLevelImage->setToolTip(QStringLiteral("Color code for Risk Assessment"));
    column->addWidget(RiskLevelImage);

    RiskEvaluationPB = new TRiskScaleBox(client);
    RiskEvaluationPB->setFixedHeight(21);
    RiskEvaluationPB->setToolTip(QStringLiteral("Risk categories corresponding to the above color code"));
    column->addWidget(RiskEvaluationPB);

    column->addWidget(BuildBottomPanel());
    setCentralWidget(client);
}

QFrame *TMainWindow::BuildPlotPanel()
{
    PanelPlots = new QFrame;
    SetBackground(PanelPlots, Qt::white);
    auto *fill = new QVBoxLayout(PanelPlots);
    fill->setContentsMargins(0, 0, 0, 0);

    Splitter1 = new QSplitter(Qt::Vertical, PanelPlots);
    Splitter1->setHandleWidth(3);
    Splitter1->setChildrenCollapsible(false);
    Splitter1->setStyleSheet(QStringLiteral("QSplitter::handle { background: silver; }"));
    TChart = new TChartWidget(Splitter1);
    HChart = new TChartWidget(Splitter1);
    for (TChartWidget *chart : {TChart, HChart})
        chart->setMinimumHeight(1);
    Splitter1->addWidget(TChart);
    Splitter1->addWidget(HChart);
    // The time chart keeps its height; the histogram takes what the window gains or loses.
    Splitter1->setStretchFactor(0, 0);
    Splitter1->setStretchFactor(1, 1);
    Splitter1->setSizes({232, 10000});
    fill->addWidget(Splitter1);

    TChartEdit = ChartReadout(PanelPlots);
    HChartEdit = ChartReadout(PanelPlots);
    PanelPlots->installEventFilter(this);
    return PanelPlots;
}

QFrame *TMainWindow::BuildBottomPanel()
{
    // Captions and read-outs of both rows share their widths, so the columns line up.
    const TStatisticsPanelLook look{
        .FirstCaption = QStringLiteral("Current"),
        .Hints = {QStringLiteral("Current Peak"), QStringLiteral("Maximum Peak observed so far"),
                  QStringLiteral("Peak value (± 0.5dB) more often observed"),
                  QStringLiteral("The ratio max/min in dB"), QStringLiteral("Minimum Peak observed so far"),
                  QStringLiteral("Current Peak")},
        .Background = WindowGrey,
        .TextColour = StatisticsTextColour,
        .ValueColours = {QColor(247, 247, 247), QColor(245, 80, 80), QColor(217, 217, 0), QColor(214, 118, 245),
                         QColor(91, 198, 238), QColor(199, 199, 199)},
        .FirstRowHeight = 52,
        .SecondRowHeight = 40,
        .FirstRowMargins = QMargins(0, 0, 10, 0),
        .CaptionWidth = 86,
        .CaptionGap = 8,
        .ValueWidth = 152,
    };
    PanelBottom = new TStatisticsPanel(look);

    LabelRisk = NewLabel(QString(), PanelBottom);
    LabelRisk->setAlignment(Qt::AlignRight | Qt::AlignBottom);
    LabelRisk->setContentsMargins(0, 0, 6, 6);
    Label1 = NewLabel(QStringLiteral("risk"), PanelBottom);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    Label1->setContentsMargins(0, 0, 0, 6);
    // As wide as the widest category, so that no window width can cut one.
    int widestRisk = 0;
    for (const QString &name : RiskCategoryNames)
        widestRisk = std::max(widestRisk, LabelRisk->fontMetrics().horizontalAdvance(name));
    LabelRisk->setMinimumWidth(widestRisk + LabelRisk->contentsMargins().left() + LabelRisk->contentsMargins().right());
    PanelBottom->AddToFirstRow(LabelRisk);
    PanelBottom->AddToFirstRow(Label1);

    StatusLine = new TStatusLine(Session);
    PanelBottom->AddStatusLine(StatusLine);
    return PanelBottom;
}

// The read-outs stay in the top right corners of their charts.
void TMainWindow::PlaceChartReadouts()
{
    const int left = PanelPlots->width() - ReadoutWidth - 14;
    TChartEdit->move(left, TChart->mapTo(PanelPlots, QPoint(0, 0)).y() + 8);
    HChartEdit->move(left, HChartEdit->y());
    Splitter1Moved();
    TChartEdit->raise();
    HChartEdit->raise();
}
