// The density analyser's window: an empty band on top, the chart with its read-out in the
// centre, and behind a splitter the right column with the line width and the legend.

#include "windows/DensityAnalyser.h"

#include "model/HandlerErrors.h"
#include "charts/ChartConfigurations.h"
#include "charts/ChartWidget.h"
#include "dialogs/WidgetStyle.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QSplitter>
#include <QTextEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const QColor SplitterGrey(0xB2, 0xB2, 0xB2);
const QColor LegendText(0xF8, 0xF8, 0xF8);
const QColor ReadoutText(0xF2, 0xF2, 0xF2);
const QString SitkaText = QStringLiteral("Sitka Text");

constexpr int RightColumnWidth = 200;
constexpr int StripHeight = 33;

QWidget *Strip(QWidget *parent)
{
    auto *strip = new QWidget(parent);
    strip->setFixedHeight(StripHeight);
    SetBackground(strip, FieldGrey);
    return strip;
}

} // namespace

TDensityAnalyser::TDensityAnalyser(const TAppPaths &paths, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint)
{
    setWindowTitle(tr("Density Analyser"));
    setWindowIcon(QIcon(paths.ResourcesDir + QStringLiteral("Zeltar.ico")));
    SetBackground(this, WindowGrey);
    BuildLayout();
    resize(1104, 459);
    CentreOnScreen(*this);
}

TDensityAnalyser::~TDensityAnalyser()
{
    // The line width's field loses its focus while the children are destroyed, after this
    // object's own part is gone: its end of editing must no longer reach the window.
    LineWidthCB->lineEdit()->disconnect(this);
}

void TDensityAnalyser::BuildLayout()
{
    auto *frame = new QVBoxLayout(this);
    frame->setContentsMargins(4, 4, 4, 4);
    frame->setSpacing(0);

    auto *topBar = new QWidget(this);
    topBar->setFixedHeight(28);
    auto *topBarLayout = new QHBoxLayout(topBar);
    topBarLayout->setContentsMargins(0, 0, 0, 2);
    SavePictureB = BuildSavePictureButton(topBar);
    topBarLayout->addWidget(SavePictureB, 0, Qt::AlignLeft);
    SaveStatus = new QLabel(topBar);
    SaveStatus->setFont(NamedFont(QStringLiteral("Corbel"), 15, QFont::Normal, QFont::SansSerif));
    topBarLayout->addWidget(SaveStatus, 1);
    frame->addWidget(topBar);

    auto *splitter = new QSplitter(Qt::Horizontal, this);
    splitter->setHandleWidth(3);
    splitter->setChildrenCollapsible(false);
    splitter->setStyleSheet(QStringLiteral("QSplitter::handle { background: %1; }").arg(SplitterGrey.name()));
    splitter->addWidget(BuildChartPanel());
    splitter->addWidget(BuildRightColumn());
    // The chart takes what the window gains or loses; the legend keeps its width.
    splitter->setStretchFactor(0, 1);
    splitter->setStretchFactor(1, 0);
    // A longer "Line Width" in another language widens the column rather than being cut.
    const int stripWidth = LineWidthCB->parentWidget()->sizeHint().width();
    splitter->setSizes({10000, std::max(RightColumnWidth, stripWidth)});
    frame->addWidget(splitter, 1);
}

QWidget *TDensityAnalyser::BuildChartPanel()
{
    auto *panel = new QWidget(this);
    auto *cell = new QGridLayout(panel);
    cell->setContentsMargins(0, 0, 0, 0);

    HChart = new TChartWidget(panel);
    HChart->setMinimumSize(200, 150);
    ConfigureChart(*HChart, AnalyserChartConfiguration());
    HChart->OnMouseDown = [this](TChartWidget *, Qt::MouseButton button, TShiftState shift, int, int) {
        HChartMouseDown(button, shift.Keys);
    };
    HChart->OnMouseMoveInChart = [this](TChartWidget *, bool inChart, TShiftState, double x, double) {
        HChartMouseMoveInChart(inChart, x);
    };
    cell->addWidget(HChart, 0, 0);

    // The read-out shares the chart's cell, in its top right corner, over the caption band.
    auto *corner = new QWidget(panel);
    auto *cornerLayout = new QHBoxLayout(corner);
    cornerLayout->setContentsMargins(0, 8, 14, 0);
    HChartEdit = new QLineEdit(corner);
    HChartEdit->setFrame(false);
    HChartEdit->setReadOnly(true);
    HChartEdit->setFocusPolicy(Qt::NoFocus);
    HChartEdit->setFont(NamedFont(QStringLiteral("Georgia"), 16, QFont::Normal, QFont::Serif));
    HChartEdit->setFixedSize(180, 24);
    // A style sheet, not a palette: the splitter's style sheet above overrides palettes.
    HChartEdit->setStyleSheet(QStringLiteral("QLineEdit { background: %1; color: %2; border: none; }")
                                  .arg(WindowGrey.name(), ReadoutText.name()));
    cornerLayout->addWidget(HChartEdit);
    cell->addWidget(corner, 0, 0, Qt::AlignTop | Qt::AlignRight);
    return panel;
}

QWidget *TDensityAnalyser::BuildRightColumn()
{
    auto *column = new QWidget(this);
    column->setMinimumWidth(80);
    auto *stack = new QVBoxLayout(column);
    stack->setContentsMargins(0, 0, 0, 0);
    stack->setSpacing(0);

    QWidget *top = Strip(column);
    auto *topRow = new QHBoxLayout(top);
    topRow->setContentsMargins(8, 0, 8, 0);
    auto *caption = new QLabel(tr("Line Width"), top);
    caption->setFont(NamedFont(SitkaText, 15, QFont::Normal, QFont::Serif));
    SetTextColour(caption, LegendText);
    LineWidthCB = new QComboBox(top);
    LineWidthCB->setEditable(true);
    LineWidthCB->setInsertPolicy(QComboBox::NoInsert);
    for (int width = 1; width <= 8; ++width)
        LineWidthCB->addItem(QString::number(width));
    LineWidthCB->setCurrentText(QString::number(ChosenLineWidth));
    LineWidthCB->setFixedWidth(56);
    connect(LineWidthCB, &QComboBox::currentTextChanged, this, ShowingErrors(this, &TDensityAnalyser::LineWidthCBChange));
    // Text that is no width is left while it is typed, and shows the width in use once
    // typing ends.
    connect(LineWidthCB->lineEdit(), &QLineEdit::editingFinished, this,
            ShowingErrors([this] { LineWidthCB->setCurrentText(QString::number(ChosenLineWidth)); }));
    topRow->addWidget(caption);
    topRow->addStretch(1);
    topRow->addWidget(LineWidthCB);
    stack->addWidget(top);

    RichEdit = new QTextEdit(column);
    RichEdit->setReadOnly(true);
    RichEdit->setLineWrapMode(QTextEdit::NoWrap);
    RichEdit->setFrameShape(QFrame::NoFrame);
    RichEdit->setFont(NamedFont(SitkaText, 15, QFont::Normal, QFont::Serif));
    RichEdit->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    RichEdit->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    QPalette legendPalette = RichEdit->palette();
    legendPalette.setColor(QPalette::Base, FieldGrey);
    legendPalette.setColor(QPalette::Text, LegendText);
    RichEdit->setPalette(legendPalette);
    stack->addWidget(RichEdit, 1);

    stack->addWidget(Strip(column));
    return column;
}

