#include "windows/StatisticsPanel.h"

#include "charts/TextSpace.h"
#include "dialogs/WidgetStyle.h"
#include "windows/ClickForwarder.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int ExpandedHeight = 120;
constexpr int FoldedHeight = 80;
constexpr int StatusLineHeight = 27;
const QColor StatusTextColour(244, 244, 244);
// The read-outs' font heights in reading order.
constexpr std::array<int, 6> ValuePixels{40, 40, 40, 27, 32, 32};

QHBoxLayout *NewRow(QWidget *row, int height, const QMargins &margins, int spacing)
{
    if (height > 0)
        row->setFixedHeight(height);
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(margins);
    layout->setSpacing(spacing);
    return layout;
}

// captionWidth: that of all captions where the look sets one, else 0.
QLabel *NewCaption(const QString &text, const QString &hint, const TStatisticsPanelLook &look, int captionWidth,
                   QWidget *row)
{
    auto *caption = new QLabel(text, row);
    caption->setToolTip(hint);
    if (captionWidth > 0) {
        caption->setFixedWidth(captionWidth);
        caption->setAlignment(Qt::AlignRight | Qt::AlignBottom);
    } else {
        caption->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    }
    caption->setContentsMargins(0, 0, look.CaptionGap, 6);
    return caption;
}

QLabel *NewReadout(int pixelHeight, const QColor &colour, const TStatisticsPanelLook &look, QWidget *row)
{
    auto *readout = new QLabel(row);
    readout->setFont(NamedFont(QStringLiteral("Georgia"), pixelHeight, QFont::Normal, QFont::Serif));
    SetTextColour(readout, colour);
    readout->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    if (look.ValuesGrow) {
        readout->setMinimumWidth(look.ValueWidth);
        readout->setMaximumWidth(look.MaxValueWidth);
    } else
        readout->setFixedWidth(look.ValueWidth);
    return readout;
}

} // namespace

TStatisticsPanel::TStatisticsPanel(const TStatisticsPanelLook &look, QWidget *parent)
    : QFrame(parent), ValuesGrow(look.ValuesGrow), MaxValueWidth(look.MaxValueWidth)
{
    setFixedHeight(ExpandedHeight);
    setToolTip(QCoreApplication::translate("StatisticsPanel", "Click to hide/show additional statistics"));
    SetBackground(this, look.Background);
    setFont(NamedFont(QStringLiteral("Sitka Text"), 19, QFont::Normal, QFont::Serif));
    SetTextColour(this, look.TextColour);
    auto *stack = new QVBoxLayout(this);
    stack->setContentsMargins(0, 0, 0, 0);
    stack->setSpacing(0);

    auto *firstRow = new QWidget(this);
    FirstRow = NewRow(firstRow, look.FirstRowHeight, look.FirstRowMargins, look.Spacing);
    SecondRow = new QWidget(this);
    SecondRowLayout = NewRow(SecondRow, look.SecondRowHeight, look.SecondRowMargins, look.Spacing);
    QHBoxLayout *secondRow = SecondRowLayout;
    const std::array<QString, 6> captions{look.FirstCaption,
                                          QCoreApplication::translate("StatisticsPanel", "Max"),
                                          QCoreApplication::translate("StatisticsPanel", "Mode"),
                                          QCoreApplication::translate("StatisticsPanel", "Range"),
                                          QCoreApplication::translate("StatisticsPanel", "Min"),
                                          QCoreApplication::translate("StatisticsPanel", "Mean")};
    const std::array<QLabel **, 6> readouts{&LabelPeak,         &LabelMaxValue, &LabelModeValue,
                                            &LabelRangedBValue, &LabelMinValue, &LabelMeanValue};
    // The look's width, or more where a translated caption needs it: all captions keep one
    // width, so that the columns of both rows still line up.
    int captionWidth = look.CaptionWidth;
    if (captionWidth > 0)
        for (const QString &caption : captions)
            captionWidth = std::max(captionWidth, fontMetrics().horizontalAdvance(caption) + look.CaptionGap);
    for (std::size_t i = 0; i < readouts.size(); ++i) {
        QWidget *row = i < 3 ? firstRow : SecondRow;
        QHBoxLayout *layout = i < 3 ? FirstRow : secondRow;
        layout->addWidget(NewCaption(captions[i], look.Hints[i], look, captionWidth, row));
        *readouts[i] = NewReadout(ValuePixels[i], look.ValueColours[i], look, row);
        layout->addWidget(*readouts[i]);
    }
    FirstRow->addStretch(1);
    secondRow->addStretch(1);
    stack->addWidget(firstRow);
    stack->addWidget(SecondRow, 1);

    auto *rule = new QFrame(this);
    rule->setFixedHeight(1);
    SetBackground(rule, LineGrey);
    stack->addWidget(rule);

    // The captions and read-outs leave their clicks to the panel.
    auto *clicks = new TClickForwarder([this] { SetExpanded(!Expanded()); }, this);
    clicks->Watch({this});
}

void TStatisticsPanel::AddToFirstRow(QWidget *widget)
{
    FirstRow->addWidget(widget);
}

void TStatisticsPanel::AddToSecondRow(QWidget *widget)
{
    SecondRowLayout->addWidget(widget);
}

void TStatisticsPanel::AddStatusLine(QLabel *status)
{
    status->setFixedHeight(StatusLineHeight);
    status->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    status->setFont(NamedFont(QStringLiteral("Corbel"), 17, QFont::Normal, QFont::SansSerif));
    SetAllTextColours(status, StatusTextColour);
    SetBackgroundAndBase(status, WindowGrey);
    status->setAttribute(Qt::WA_NoMousePropagation);
    layout()->addWidget(status);
}

bool TStatisticsPanel::Expanded() const
{
    return maximumHeight() == ExpandedHeight;
}

void TStatisticsPanel::SetExpanded(bool expanded)
{
    setFixedHeight(expanded ? ExpandedHeight : FoldedHeight);
    SecondRow->setVisible(expanded);
}

void TStatisticsPanel::ShowReading(std::uint8_t decimals, double value)
{
    ShowValue(*LabelPeak, decimals, value);
}

void TStatisticsPanel::ShowStatistics(const TSampleStatistics &statistics, std::uint8_t decimals)
{
    ShowValue(*LabelMaxValue, decimals, statistics.Maximum());
    ShowValue(*LabelModeValue, decimals, statistics.ModeValue());
    if (!Expanded())
        return;
    LabelRangedBValue->setText(QString::number(statistics.RangeDB()) + QStringLiteral(" dB"));
    ShowValue(*LabelMinValue, decimals, statistics.Minimum());
    ShowValue(*LabelMeanValue, decimals, statistics.Mean());
}

void TStatisticsPanel::Clear()
{
    for (QLabel *readout :
         {LabelPeak, LabelMaxValue, LabelModeValue, LabelRangedBValue, LabelMinValue, LabelMeanValue})
        readout->clear();
}

void TStatisticsPanel::ShowValue(QLabel &readout, std::uint8_t decimals, double value)
{
    const QMargins margins = readout.contentsMargins();
    readout.setText(FittedValueText(
        decimals, value,
        ValuesGrow ? FitsWidth(readout.fontMetrics(), MaxValueWidth - margins.left() - margins.right())
                   : FitsInside(readout)));
}
