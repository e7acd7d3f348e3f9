// The record viewer's controls: the notes strip with the progress bar, and the charts panel with
// the peak-frequency and risk column beside the charts and the status line under the
// statistics. Also the handler that folds the column.

#include "windows/RecordViewer.h"

#include "charts/ChartConfigurations.h"
#include "charts/ChartWidget.h"
#include "windows/ChartsPanel.h"
#include "windows/ChoiceGroup.h"
#include "windows/ClickForwarder.h"
#include "windows/PeakFrequencyList.h"
#include "dialogs/WidgetStyle.h"
#include "windows/StatisticsPanel.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QProgressBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int RightColumnWidth = 152;
constexpr int RightColumnExpanded = 155;
constexpr int RightColumnCollapsed = 4;

const QColor Paper(0xFF, 0xFF, 0xFF);
const QColor Wind(0xFB, 0xFB, 0xFB);
const QColor Ink(0x3B, 0x3B, 0x3B);
const QColor StatusText(244, 244, 244);

QLabel *BoxTitle(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setFont(NamedFont(QStringLiteral("Sitka Text"), 15, QFont::Bold, QFont::Serif));
    SetAllTextColours(label, Ink);
    label->setAlignment(Qt::AlignCenter);
    label->setFixedHeight(26);
    return label;
}

} // namespace

void TRecordViewer::BuildLayout()
{
    setWindowTitle(tr("  ZELTAR Logger"));
    resize(1056, 701);
    setMinimumSize(920, 680);
    SetBackgroundAndBase(this, Paper);
    auto *page = new QVBoxLayout(this);
    page->setContentsMargins(0, 0, 0, 0);
    page->setSpacing(0);

    // The notes line; the progress bar covers it while a record loads.
    PanelCoolBar = new QLabel(this);
    PanelCoolBar->setFixedHeight(26);
    PanelCoolBar->setFont(NamedFont(QStringLiteral("Corbel"), 17, QFont::Normal, QFont::SansSerif));
    SetAllTextColours(PanelCoolBar, Ink);
    SetBackgroundAndBase(PanelCoolBar, Wind);
    auto *coolBar = new QHBoxLayout(PanelCoolBar);
    coolBar->setContentsMargins(0, 0, 0, 0);
    ProgressBar = new QProgressBar(PanelCoolBar);
    ProgressBar->setTextVisible(false);
    ProgressBar->hide();
    coolBar->addWidget(ProgressBar);
    ExportB = BuildExportButton();
    coolBar->addWidget(ExportB, 0, Qt::AlignRight);
    page->addWidget(PanelCoolBar);

    PanelRight = new QFrame(this);
    PanelRight->setFixedWidth(RightColumnWidth);
    PanelRight->setToolTip(tr("Click to hide/show this control bar"));
    SetBackgroundAndBase(PanelRight, Wind);
    auto *right = new QVBoxLayout(PanelRight);
    right->setContentsMargins(4, 0, 4, 4);
    right->setSpacing(4);
    PeakFrequenciesTitle = BoxTitle(tr("Peak Frequencies"), PanelRight);
    right->addWidget(PeakFrequenciesTitle);
    PeakFrequencies = new TPeakFrequencyModel(this);
    PeakFreqRE = new QListView(PanelRight);
    PeakFreqRE->setModel(PeakFrequencies);
    PeakFreqRE->setUniformItemSizes(true);
    PeakFreqRE->setWordWrap(false);
    PeakFreqRE->setEditTriggers(QAbstractItemView::NoEditTriggers);
    PeakFreqRE->setSelectionMode(QAbstractItemView::NoSelection);
    PeakFreqRE->setFocusPolicy(Qt::NoFocus);
    PeakFreqRE->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    PeakFreqRE->setFrameShape(QFrame::NoFrame);
    PeakFreqRE->setFont(NamedFont(QStringLiteral("Sitka Text"), 15, QFont::Normal, QFont::Serif));
    SetBackgroundAndBase(PeakFreqRE->viewport(), WindowGrey);
    SetBackgroundAndBase(PeakFreqRE, WindowGrey);
    right->addWidget(PeakFreqRE, 1);
    RiskTitle = BoxTitle(tr("Risk Assessment"), PanelRight);
    right->addWidget(RiskTitle);
    RiskPopulationRG = new TChoiceGroup(tr(" Population "), {tr("General"), tr("Sensitive")}, PanelRight);
    RiskStateRG = new TChoiceGroup(tr(" State "), {tr("Wake"), tr("Sleep")},
                                   PanelRight);
    for (TChoiceGroup *group : {RiskPopulationRG, RiskStateRG}) {
        group->setFont(NamedFont(QStringLiteral("Sitka Text"), 13, QFont::Normal, QFont::Serif));
        SetAllTextColours(group, Ink);
        group->SetItemIndex(0);
        group->setEnabled(false);
        right->addWidget(group);
    }
    RiskPopulationRG->OnClick = [this] { RiskPopulationRGClick(); };
    RiskStateRG->OnClick = [this] { RiskStateRGClick(); };

    Charts = new TChartsPanel(
        {
            .PlotsBackground = Wind,
            .ChartMinimumHeight = 120,
            .SplitterSizes = {252, 400},
            .TimeChart = ViewerTimeChartConfiguration(),
            .Histogram = ViewerHistogramChartConfiguration(),
            .ReadoutSize = QSize(240, 22),
            .ReadoutAlignment = Qt::AlignRight,
            .ReadoutText = Ink,
            .ReadoutBackground = Wind,
            // Over the histogram's caption margin, clear of its plot.
            .ReadoutInset = 10,
            .RiskScaleHeight = 19,
            .RiskScaleText = QColor(0x1E, 0x1E, 0x1E),
            .Statistics =
                {
                    .FirstCaption = tr("Cursor"),
                    .Background = Paper,
                    .TextColour = Ink,
                    .ValueColours = {Ink, QColor(214, 56, 56), QColor(160, 140, 0), QColor(150, 70, 190),
                                     QColor(30, 130, 190), QColor(100, 100, 100)},
                    .FirstRowMargins = QMargins(12, 0, 12, 0),
                    .SecondRowMargins = QMargins(12, 0, 12, 2),
                    .Spacing = 10,
                    .ValueWidth = 150,
                    .ValuesGrow = true,
                    .MaxValueWidth = 300,
                },
        },
        PanelRight, Paths.ResourcesDir, this);
    TChart = Charts->TChart;
    HChart = Charts->HChart;
    HChart->SetRanges(-33.5, 0, 33.5, 4);
    PanelBottom = Charts->Statistics;
    LabelExposure = new QLabel(PanelBottom->SecondRow);
    // Two short lines in a smaller font: the row's read-outs leave little room.
    LabelExposure->setFont(NamedFont(QStringLiteral("Corbel"), 15, QFont::Normal, QFont::SansSerif));
    LabelExposure->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    LabelExposure->setToolTip(tr(
        "Power density as a share of the ICNIRP 2020 reference level for the general public: the highest "
        "30-minute average (the whole record when it is shorter) and the highest single sample"));
    PanelBottom->AddToSecondRow(LabelExposure);
    PanelStatus = new QLabel;
    PanelBottom->AddStatusLine(PanelStatus);
    PanelStatus->setCursor(Qt::PointingHandCursor);
    auto *status = new QHBoxLayout(PanelStatus);
    status->setContentsMargins(0, 0, 8, 0);
    status->addStretch(1);
    LabelSample = new QLabel(PanelStatus);
    LabelSample->setFont(NamedFont(QStringLiteral("Consolas"), 17, QFont::Normal, QFont::Monospace));
    SetAllTextColours(LabelSample, StatusText);
    LabelSample->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    status->addWidget(LabelSample);
    page->addWidget(Charts, 1);

    auto *rightClicks = new TClickForwarder([this] { PanelRightClick(); }, this);
    rightClicks->Watch({PanelRight, PeakFrequenciesTitle, RiskTitle});
    auto *statusClicks = new TClickForwarder([this] { PanelStatusClick(); }, this);
    statusClicks->Watch({PanelStatus, LabelSample});

    TChart->OnMouseDown = [this](TChartWidget *sender, Qt::MouseButton button, TShiftState shift, int x, int y) {
        TChartMouseDown(sender, button, shift, x, y);
    };
    TChart->OnMouseMoveInChart = [this](TChartWidget *sender, bool inChart, TShiftState shift, double x, double y) {
        TChartMouseMoveInChart(sender, inChart, shift, x, y);
    };
    HChart->OnMouseMoveInChart = [this](TChartWidget *sender, bool inChart, TShiftState shift, double x, double y) {
        HChartMouseMoveInChart(sender, inChart, shift, x, y);
    };
}

void TRecordViewer::PanelRightClick()
{
    const bool collapse = PanelRight->maximumWidth() != RightColumnCollapsed;
    PanelRight->setFixedWidth(collapse ? RightColumnCollapsed : RightColumnExpanded);
    for (QWidget *content : {static_cast<QWidget *>(PeakFrequenciesTitle), static_cast<QWidget *>(PeakFreqRE),
                             static_cast<QWidget *>(RiskTitle), static_cast<QWidget *>(RiskPopulationRG),
                             static_cast<QWidget *>(RiskStateRG)})
        content->setVisible(!collapse);
}
