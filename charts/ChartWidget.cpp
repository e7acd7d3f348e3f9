#include "charts/ChartWidget.h"

#include "charts/ChartFrame.h"
#include "charts/ChartInteraction.h"
#include "charts/DirectMarkPainter.h"
#include "charts/FigurePainter.h"
#include "charts/VisibleMarks.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace {

// Below this many candidate marks, painting them one by one is cheaper than the grids.
constexpr std::size_t RasterThreshold = 4096;
constexpr int IdOrdinateLength = 50;

QRgb OpaqueRgb(const QColor &colour)
{
    return colour.rgb() | 0xFF000000u;
}

} // namespace

TChartWidget::TChartWidget(QWidget *parent) : QWidget(parent)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

template <typename T> void TChartWidget::Assign(T &field, const T &value)
{
    if (field == value)
        return;
    field = value;
    Changed();
}

void TChartWidget::Changed()
{
    ++Version;
    if (AutoRedrawOn)
        Redraw();
}

void TChartWidget::ChangeRanges(const TAxisRange &x, const TAxisRange &y)
{
    if (x.Lo == RangeX.Lo && x.Hi == RangeX.Hi && y.Lo == RangeY.Lo && y.Hi == RangeY.Hi)
        return;
    RangeX = x;
    RangeY = y;
    Changed();
}

void TChartWidget::SetRangeLoX(double value)
{
    TAxisRange x = RangeX;
    x.SetLo(value);
    ChangeRanges(x, RangeY);
}

void TChartWidget::SetRangeHiX(double value)
{
    TAxisRange x = RangeX;
    x.SetHi(value);
    ChangeRanges(x, RangeY);
}

void TChartWidget::SetRangeLoY(double value)
{
    TAxisRange y = RangeY;
    y.SetLo(value);
    ChangeRanges(RangeX, y);
}

void TChartWidget::SetRangeHiY(double value)
{
    TAxisRange y = RangeY;
    y.SetHi(value);
    ChangeRanges(RangeX, y);
}

void TChartWidget::SetRanges(double xLo, double yLo, double xHi, double yHi)
{
    TAxisRange x = RangeX;
    TAxisRange y = RangeY;
    x.Set(xLo, xHi);
    y.Set(yLo, yHi);
    ChangeRanges(x, y);
}

void TChartWidget::SetMinRangeX(double value)
{
    TAxisRange x = RangeX;
    x.SetMinRange(value);
    RangeX.MinRange = x.MinRange; // also where the limits stay as they are
    ChangeRanges(x, RangeY);
}

void TChartWidget::SetMinRangeY(double value)
{
    TAxisRange y = RangeY;
    y.SetMinRange(value);
    RangeY.MinRange = y.MinRange; // also where the limits stay as they are
    ChangeRanges(RangeX, y);
}

void TChartWidget::AddMark(double x, double y, std::uint8_t shape)
{
    Items.AddMark(x, y, shape, OpaqueRgb(Look.DataColor));
    Changed();
}

void TChartWidget::AddLine(double x1, double y1, double x2, double y2)
{
    Items.AddLine({x1, y1, x2, y2, OpaqueRgb(Look.DataColor), Look.LineWidth});
    Changed();
}

void TChartWidget::AddBar(double x1, double y1, double x2, double y2, int edgeStyle, const QColor &edgeColor1,
                     const QColor &edgeColor2)
{
    Items.AddBar({x1, y1, x2, y2, OpaqueRgb(Look.FillColor), edgeStyle, OpaqueRgb(edgeColor1), OpaqueRgb(edgeColor2)});
    Changed();
}

void TChartWidget::ClearItems()
{
    if (Items.Count() == 0)
        return;
    Items.Clear();
    Changed();
}

void TChartWidget::RemoveFirstItem()
{
    if (Items.Count() == 0)
        return;
    Items.RemoveFirst();
    Changed();
}

void TChartWidget::SetAppearance(const TChartAppearance &look)
{
    TChartAppearance bounded = look;
    bounded.LineWidth = std::max(look.LineWidth, 1);
    bounded.IdOrdinate = look.IdOrdinate.left(IdOrdinateLength);
    bounded.DecPlaceX = std::clamp(look.DecPlaceX, -3, 12);
    bounded.DecPlaceY = std::clamp(look.DecPlaceY, -3, 12);
    bounded.MinTickX = std::clamp(look.MinTickX, 2, 10);
    bounded.MinTickY = std::clamp(look.MinTickY, 2, 10);
    for (int *rim : {&bounded.LRim, &bounded.RRim, &bounded.TRim, &bounded.BRim})
        *rim = std::max(*rim, 0);
    Assign(Look, bounded);
}

void TChartWidget::SetDataColor(const QColor &colour) { Assign(Look.DataColor, colour); }
void TChartWidget::SetFillColor(const QColor &colour) { Assign(Look.FillColor, colour); }
void TChartWidget::SetLineWidth(int width) { Assign(Look.LineWidth, std::max(width, 1)); }

void TChartWidget::SetAutoRedraw(bool on)
{
    AutoRedrawOn = on;
    if (on)
        Redraw();
}

// Only decides what later drags do: nothing to paint.
void TChartWidget::SetMouseAction(TMouseAction action)
{
    Action = action;
}

void TChartWidget::Redraw()
{
    if (Frame.size() != size() || FrameVersion != Version)
        Render();
    repaint();
}

void TChartWidget::Render()
{
    if (Frame.size() != size())
        Frame = QImage(size(), QImage::Format_RGB32);
    if (Frame.isNull())
        return;
    const TPlotMapping mapping = Mapping();
    const TChartScales scales =
        MakeChartScales(Look, mapping, locale(), QFontMetrics(font(), &Frame), Frame.width());
    {
        QPainter painter(&Frame);
        PaintChartBackground(painter, Look, Frame.rect(), mapping, scales);
    }
    if (!mapping.Area.isEmpty())
        PaintItems(mapping);
    {
        QPainter painter(&Frame);
        painter.setRenderHint(QPainter::TextAntialiasing);
        PaintChartScales(painter, Look, font(), Frame.rect(), mapping, scales);
    }
    FrameVersion = Version;
}

// Runs of marks go to the mark painters a batch of consecutive chunks at a time, lines and
// bars to QPainter, in list order.
void TChartWidget::PaintItems(const TPlotMapping &mapping)
{
    std::vector<const TMarkChunk *> batch;
    for (const TItemRun &run : Items.Runs()) {
        if (const auto *chunk = std::get_if<TMarkChunk>(&run)) {
            batch.push_back(chunk);
            continue;
        }
        PaintMarkBatch(mapping, batch);
        batch.clear();
        QPainter painter(&Frame);
        painter.setClipRect(mapping.Area);
        PaintFigures(painter, mapping, std::get<TFigureRun>(run));
    }
    PaintMarkBatch(mapping, batch);
}

void TChartWidget::PaintMarkBatch(const TPlotMapping &mapping, const std::vector<const TMarkChunk *> &batch)
{
    if (batch.empty())
        return;
    const std::vector<TMarkSpan> spans = VisibleMarkSpans(batch, mapping, MaxMarkRadius);
    if (MarkCount(spans) >= RasterThreshold) {
        Rasteriser.Paint(Frame, mapping, spans);
        return;
    }
    QPainter painter(&Frame);
    painter.setClipRect(mapping.Area);
    PaintMarksInOrder(painter, mapping, spans);
}

void TChartWidget::paintEvent(QPaintEvent *)
{
    // A new size needs a new picture even before the next Redraw.
    if (Frame.size() != size())
        Render();
    QPainter painter(this);
    painter.drawImage(0, 0, Frame);
    if (Drag && Drag->Mode == maZoomWindPos)
        PaintRubberBand(painter);
}

// The band's one-pixel outline inverts what lies under it; each pixel is inverted once.
void TChartWidget::PaintRubberBand(QPainter &painter) const
{
    const QPoint a = Drag->Press;
    const QPoint b = Drag->BandEnd;
    const QRect band(QPoint(std::min(a.x(), b.x()), std::min(a.y(), b.y())),
                     QPoint(std::max(a.x(), b.x()), std::max(a.y(), b.y())));
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    const QColor white(Qt::white);
    painter.fillRect(QRect(band.left(), band.top(), band.width(), 1), white);
    if (band.height() > 1)
        painter.fillRect(QRect(band.left(), band.bottom(), band.width(), 1), white);
    if (band.height() > 2) {
        painter.fillRect(QRect(band.left(), band.top() + 1, 1, band.height() - 2), white);
        if (band.width() > 1)
            painter.fillRect(QRect(band.right(), band.top() + 1, 1, band.height() - 2), white);
    }
}

void TChartWidget::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange || event->type() == QEvent::LocaleChange)
        Changed();
    QWidget::changeEvent(event);
}

void TChartWidget::resizeEvent(QResizeEvent *event)
{
    ++Version;
    QWidget::resizeEvent(event);
}

void TChartWidget::mousePressEvent(QMouseEvent *event)
{
    const QPoint position = event->position().toPoint();
    if (OnMouseDown)
        OnMouseDown(this, event->button(), {event->modifiers(), event->buttons()}, position.x(), position.y());
    const QRect area = PlotArea();
    if (event->button() != Qt::LeftButton || Action == maNone || !area.contains(position))
        return;
    Drag = TDrag{Action, position, RangeX, RangeY, area, position};
}

void TChartWidget::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint position = event->position().toPoint();
    if (Drag && !(event->buttons() & Qt::LeftButton)) { // the release never reached us
        Drag.reset();
        repaint();
    }
    if (Drag) {
        const QPoint displacement = position - Drag->Press;
        switch (Drag->Mode) {
        case maPan:
            SetRanges(PannedRanges(Drag->StartX, Drag->StartY, displacement, Drag->Area.size()));
            Redraw();
            break;
        case maZoomDrag:
            SetRanges(DragZoomedRanges(Drag->StartX, Drag->StartY, displacement, size()));
            Redraw();
            break;
        case maZoomWindPos:
            Drag->BandEnd = ClampToArea(position, Drag->Area);
            repaint();
            break;
        case maNone:
            break;
        }
    }
    ReportPointer(position, {event->modifiers(), event->buttons()});
}

void TChartWidget::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !Drag)
        return;
    const TDrag drag = *Drag;
    Drag.reset();
    if (drag.Mode != maZoomWindPos)
        return;
    const QPoint end = ClampToArea(event->position().toPoint(), drag.Area);
    if (const auto box = RubberBandRanges(TPlotMapping(drag.Area, drag.StartX, drag.StartY), drag.Press, end))
        SetRanges(*box);
    Redraw();
}

void TChartWidget::leaveEvent(QEvent *event)
{
    if (OnMouseMoveInChart)
        OnMouseMoveInChart(this, false, {QGuiApplication::keyboardModifiers(), QGuiApplication::mouseButtons()}, 0, 0);
    QWidget::leaveEvent(event);
}

void TChartWidget::ReportPointer(QPoint position, TShiftState shift)
{
    if (!OnMouseMoveInChart)
        return;
    const TPlotMapping mapping = Mapping();
    if (mapping.Area.contains(position))
        OnMouseMoveInChart(this, true, shift, mapping.DataX(position.x()), mapping.DataY(position.y()));
    else
        OnMouseMoveInChart(this, false, shift, 0, 0);
}
