#pragma once
// The statistics panel under the charts of the main window and of the record viewer. Its first
// row holds a read-out the window fills (the current reading, the value under the pointer), the
// maximum and the mode; its second row the range, the minimum and the mean; the window's status
// line closes it. A click on the panel folds it to its first row and unfolds it again. Its
// controls are public members named as in the windows' design, so the tests reach them directly.

#include "model/SampleStatistics.h"

#include <QColor>
#include <QFrame>
#include <QMargins>
#include <QString>

#include <array>
#include <cstdint>

class QHBoxLayout;
class QLabel;

// How a window sets out its panel. Captions, hints and read-outs count in reading order: the
// first read-out, maximum, mode, range, minimum, mean.
struct TStatisticsPanelLook {
    QString FirstCaption{};
    std::array<QString, 6> Hints{}; // the captions' tool tips; none where empty
    QColor Background{};
    QColor TextColour{}; // of the captions and of what the window adds to the first row
    std::array<QColor, 6> ValueColours{};
    int FirstRowHeight = 0;  // 0: as high as its read-outs
    int SecondRowHeight = 0; // 0: what the first row leaves
    QMargins FirstRowMargins{};
    QMargins SecondRowMargins{};
    int Spacing = 0;      // between the captions and read-outs of a row
    // 0: as wide as its text; otherwise every caption this wide, or as wide as the widest
    // caption's text needs, and its text stands right, against its value.
    int CaptionWidth = 0;
    int CaptionGap = 0;   // kept free after a caption's text
    // Read-outs are ValueWidth wide and show a value too long for them in exponent form;
    // growing ones start at that width and show every value in full up to MaxValueWidth (which
    // they need), and beyond it in exponent form.
    int ValueWidth = 0;
    bool ValuesGrow = false;
    int MaxValueWidth = 0;
};

class TStatisticsPanel : public QFrame {
public:
    // Built unfolded.
    explicit TStatisticsPanel(const TStatisticsPanelLook &look, QWidget *parent = nullptr);

    // widget at the right end of the first row, in the panel's font and text colour.
    void AddToFirstRow(QWidget *widget);
    // The same at the right end of the second row, folded away with it.
    void AddToSecondRow(QWidget *widget);
    // status at the bottom, below a rule, in the status line's font and colours. A click on it
    // is its own: it never folds the panel.
    void AddStatusLine(QLabel *status);

    bool Expanded() const;
    void SetExpanded(bool expanded);

    // value with decimals in the first read-out.
    void ShowReading(std::uint8_t decimals, double value);
    // The maximum and the mode; the range, the minimum and the mean only while the panel is
    // unfolded (a folded one keeps what they last showed).
    void ShowStatistics(const TSampleStatistics &statistics, std::uint8_t decimals);
    // Empties the six read-outs.
    void Clear();

    QLabel *LabelPeak = nullptr; // the first read-out
    QLabel *LabelMaxValue = nullptr;
    QLabel *LabelModeValue = nullptr;
    QLabel *LabelRangedBValue = nullptr;
    QLabel *LabelMinValue = nullptr;
    QLabel *LabelMeanValue = nullptr;
    QWidget *SecondRow = nullptr;

private:
    void ShowValue(QLabel &readout, std::uint8_t decimals, double value);

    const bool ValuesGrow;
    const int MaxValueWidth;
    QHBoxLayout *FirstRow = nullptr;
    QHBoxLayout *SecondRowLayout = nullptr;
};
