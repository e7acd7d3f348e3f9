#pragma once
// TChartWidget, the program's chart control: a plotting area in data coordinates framed by axes,
// tick labels, a dotted grid and captions, an ordered list of drawing items (marks, lines and
// bars) painted oldest first, interactive pan and zoom, and the pointer's position in data
// coordinates.
//
// With AutoRedraw off (as on every chart of the program) nothing is painted until Redraw
// (only a new size of the control is painted at once, with the chart as it stands). Redraw
// renders into an off-screen picture that the widget shows, and when nothing about the view
// changed since the last one it only shows that picture again. Large numbers of marks
// are painted by TMarkRasteriser at a cost bounded by the plot's pixels.

#include "charts/AxisRange.h"
#include "charts/ChartAppearance.h"
#include "charts/ChartItemStore.h"
#include "charts/ChartTypes.h"
#include "charts/MarkRasteriser.h"
#include "charts/PlotMapping.h"

#include <QImage>
#include <QWidget>

#include <cstdint>
#include <optional>

class TChartWidget : public QWidget {
    Q_OBJECT

public:
    explicit TChartWidget(QWidget *parent = nullptr);

    // Range limits. Writing one limit closer than the axis's minimum range to the other (or
    // past it) moves the other one away; non-finite values are ignored.
    double RangeLoX() const { return RangeX.Lo; }
    double RangeHiX() const { return RangeX.Hi; }
    double RangeLoY() const { return RangeY.Lo; }
    double RangeHiY() const { return RangeY.Hi; }
    void SetRangeLoX(double value);
    void SetRangeHiX(double value);
    void SetRangeLoY(double value);
    void SetRangeHiY(double value);
    // Equal limits of an axis are moved apart by half its minimum range each.
    void SetRanges(double xLo, double yLo, double xHi, double yHi);
    void SetRanges(const TRangeBox &box) { SetRanges(box.XLo, box.YLo, box.XHi, box.YHi); }
    double MinRangeX() const { return RangeX.MinRange; }
    double MinRangeY() const { return RangeY.MinRange; }
    void SetMinRangeX(double value);
    void SetMinRangeY(double value);

    // Items take the DataColor, FillColor and LineWidth current when they are added.
    // Mark shapes: 7 a 3 x 3 square, 24 a disc 7 pixels across, 26 one 5 pixels across.
    void AddMark(double x, double y, std::uint8_t shape);
    void AddLine(double x1, double y1, double x2, double y2);
    // Only edge style 2 (an etched edge) draws an edge.
    void AddBar(double x1, double y1, double x2, double y2, int edgeStyle, const QColor &edgeColor1,
                const QColor &edgeColor2);
    void ClearItems();
    void RemoveFirstItem();
    std::size_t ItemCount() const { return Items.Count(); }
    std::size_t ItemBytes() const { return Items.AllocatedBytes(); }
    const TChartItemStore &ItemStore() const { return Items; }

    // Paints the chart now.
    void Redraw();
    // The picture of the last paint, the size of the control.
    const QImage &Picture() const { return Frame; }
    QRect PlotArea() const { return PlotAreaOf(size(), Look); }
    TPlotMapping Mapping() const { return {PlotArea(), RangeX, RangeY}; }

    const TChartAppearance &Appearance() const { return Look; }
    // The whole look at once, each value brought into its bounds: line width at least 1, the
    // ordinate caption at most 50 characters, decimals -3 ... 12 (negative ones round the
    // labels to tens, hundreds, thousands), minimum ticks 2 ... 10, rims at least 0.
    void SetAppearance(const TChartAppearance &look);
    // Changes part of the look: change edits a copy, which is then set.
    template <class TChange> void ChangeAppearance(TChange &&change)
    {
        TChartAppearance look = Look;
        change(look);
        SetAppearance(look);
    }
    // The pen of the items added next (they take these when they are added).
    void SetDataColor(const QColor &colour);
    void SetFillColor(const QColor &colour);
    void SetLineWidth(int width);
    bool AutoRedraw() const { return AutoRedrawOn; }
    TMouseAction MouseAction() const { return Action; }

    // On: every change is painted at once.
    void SetAutoRedraw(bool on);
    void SetMouseAction(TMouseAction action);

    // Runs on every button press, before the control starts its own interaction: a
    // MouseAction set here already governs the drag that the press begins.
    TMouseDownEvent OnMouseDown;
    // Runs on every move of the pointer over the control, and with InChart false when the
    // pointer leaves the control.
    TMouseMoveInChartEvent OnMouseMoveInChart;

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    struct TDrag {
        TMouseAction Mode;
        QPoint Press;
        TAxisRange StartX;
        TAxisRange StartY;
        QRect Area;
        QPoint BandEnd;
    };

    template <typename T> void Assign(T &field, const T &value);
    void Changed();
    void ChangeRanges(const TAxisRange &x, const TAxisRange &y);
    void Render();
    void PaintItems(const TPlotMapping &mapping);
    void PaintMarkBatch(const TPlotMapping &mapping, const std::vector<const TMarkChunk *> &batch);
    void PaintRubberBand(QPainter &painter) const;
    void ReportPointer(QPoint position, TShiftState shift);

    TAxisRange RangeX;
    TAxisRange RangeY;
    TChartAppearance Look;
    TChartItemStore Items;
    TMarkRasteriser Rasteriser;
    QImage Frame;
    std::uint64_t Version = 1;
    std::uint64_t FrameVersion = 0;
    bool AutoRedrawOn = false;
    TMouseAction Action = maNone;
    std::optional<TDrag> Drag;
};
