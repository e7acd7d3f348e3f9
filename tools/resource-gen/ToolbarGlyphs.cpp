#include "tools/resource-gen/ToolbarGlyphs.h"

#include "tools/resource-gen/GlyphStyle.h"

#include <QPainter>
#include <QPainterPath>

namespace {

void DrawPlay(QPainter &p)
{
    QPainterPath triangle;
    triangle.moveTo(8.5, 5.5);
    triangle.lineTo(19, 12);
    triangle.lineTo(8.5, 18.5);
    triangle.closeSubpath();
    // A pen of the fill colour softens the corners without shrinking the shape.
    p.setPen(QPen(GlyphStyle::Green, 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(GlyphStyle::Green);
    p.drawPath(triangle);
}

void DrawPause(QPainter &p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(GlyphStyle::Amber);
    p.drawRoundedRect(QRectF(7, 6, 4, 12), 1, 1);
    p.drawRoundedRect(QRectF(13, 6, 4, 12), 1, 1);
}

void DrawRecord(QPainter &p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(GlyphStyle::Red);
    p.drawEllipse(QPointF(12, 12), 6.5, 6.5);
}

void DrawStop(QPainter &p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(GlyphStyle::Ink);
    p.drawRoundedRect(QRectF(6.5, 6.5, 11, 11), 1.5, 1.5);
}

void DrawRestart(QPainter &p)
{
    // An open circle turning clockwise, its arrowhead at the top.
    const QRectF circle(5.5, 5.5, 13, 13);
    p.setPen(QPen(GlyphStyle::Blue, 2.2, Qt::SolidLine, Qt::FlatCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(circle, 70 * 16, 290 * 16);
    QPainterPath head;
    head.moveTo(12.5, 2.5);
    head.lineTo(17, 6);
    head.lineTo(12.5, 9.5);
    head.closeSubpath();
    p.setPen(QPen(GlyphStyle::Blue, 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(GlyphStyle::Blue);
    p.drawPath(head);
}

// A sunken plate: dark rim along the top and left, light edge along the bottom and right.
void DrawPressedPlate(QPainter &p)
{
    const QRectF plate(0.5, 0.5, ToolbarGlyphSize - 1, ToolbarGlyphSize - 1);
    p.setPen(Qt::NoPen);
    p.setBrush(GlyphStyle::PressedPlate);
    p.drawRoundedRect(plate, 3, 3);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(GlyphStyle::PressedHighlight, 1));
    p.drawRoundedRect(plate, 3, 3);
    p.setPen(QPen(GlyphStyle::PressedRim, 1));
    p.drawLine(QPointF(3, 0.5), QPointF(ToolbarGlyphSize - 3, 0.5));
    p.drawLine(QPointF(0.5, 3), QPointF(0.5, ToolbarGlyphSize - 3));
}

} // namespace

QImage DrawToolbarGlyph(TToolbarGlyph glyph, TButtonLook look)
{
    QImage image(ToolbarGlyphSize, ToolbarGlyphSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    if (look == TButtonLook::Down) {
        DrawPressedPlate(p);
        // The glyph sinks with the plate.
        p.translate(1, 1);
    }
    switch (glyph) {
    case TToolbarGlyph::Play: DrawPlay(p); break;
    case TToolbarGlyph::Pause: DrawPause(p); break;
    case TToolbarGlyph::Record: DrawRecord(p); break;
    case TToolbarGlyph::Stop: DrawStop(p); break;
    case TToolbarGlyph::Restart: DrawRestart(p); break;
    }
    return image;
}

QString ToolbarGlyphName(TToolbarGlyph glyph)
{
    switch (glyph) {
    case TToolbarGlyph::Play: return "Play";
    case TToolbarGlyph::Pause: return "Pause";
    case TToolbarGlyph::Record: return "Record";
    case TToolbarGlyph::Stop: return "Stop";
    case TToolbarGlyph::Restart: return "Restart";
    }
    return {};
}
