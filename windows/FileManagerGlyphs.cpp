#include "windows/FileManagerGlyphs.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <functional>

namespace {

constexpr int GlyphSize = 24;

QIcon Glyph(const QColor &colour, const std::function<void(QPainter &)> &draw)
{
    QPixmap picture(GlyphSize, GlyphSize);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(colour, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    draw(painter);
    painter.end();
    return QIcon(picture);
}

} // namespace

QIcon OpenFolderGlyph()
{
    return Glyph(QColor(0xFF, 0xE0, 0x8A), [](QPainter &p) {
        QPainterPath back;
        back.moveTo(3, 19);
        back.lineTo(3, 5);
        back.lineTo(9, 5);
        back.lineTo(11, 7);
        back.lineTo(19, 7);
        back.lineTo(19, 10);
        p.drawPath(back);
        QPainterPath front;
        front.moveTo(3, 19);
        front.lineTo(7, 10);
        front.lineTo(22, 10);
        front.lineTo(18, 19);
        front.closeSubpath();
        p.drawPath(front);
    });
}

QIcon ArchiveGlyph()
{
    return Glyph(QColor(0xD3, 0xFA, 0xFE), [](QPainter &p) {
        p.drawRect(QRectF(3, 4, 18, 5));
        p.drawRect(QRectF(5, 9, 14, 11));
        p.drawLine(QPointF(10, 13), QPointF(14, 13));
    });
}

QIcon DeleteGlyph()
{
    return Glyph(QColor(0xFF, 0x9C, 0x8C), [](QPainter &p) {
        p.drawLine(QPointF(4, 6), QPointF(20, 6));
        p.drawLine(QPointF(9, 6), QPointF(10, 3.5));
        p.drawLine(QPointF(10, 3.5), QPointF(14, 3.5));
        p.drawLine(QPointF(14, 3.5), QPointF(15, 6));
        QPainterPath bin;
        bin.moveTo(6, 6);
        bin.lineTo(7.5, 21);
        bin.lineTo(16.5, 21);
        bin.lineTo(18, 6);
        p.drawPath(bin);
        p.drawLine(QPointF(10, 10), QPointF(10.3, 17.5));
        p.drawLine(QPointF(14, 10), QPointF(13.7, 17.5));
    });
}

QIcon OpenFilesGlyph()
{
    return Glyph(QColor(0x9E, 0xF0, 0x9E), [](QPainter &p) {
        p.setPen(QPen(p.pen().color(), 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawLine(QPointF(4, 12.5), QPointF(9.5, 18));
        p.drawLine(QPointF(9.5, 18), QPointF(20, 6));
    });
}
