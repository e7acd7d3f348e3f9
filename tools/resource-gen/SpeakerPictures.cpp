#include "tools/resource-gen/SpeakerPictures.h"

#include "tools/resource-gen/GlyphStyle.h"

#include <QPainter>
#include <QPainterPath>

namespace {

constexpr int PictureSize = 24;

void DrawSpeakerBody(QPainter &p, const QColor &colour)
{
    QPainterPath body;
    body.moveTo(3.5, 9);
    body.lineTo(7.5, 9);
    body.lineTo(12.5, 4.5);
    body.lineTo(12.5, 19.5);
    body.lineTo(7.5, 15);
    body.lineTo(3.5, 15);
    body.closeSubpath();
    p.setPen(QPen(colour, 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(colour);
    p.drawPath(body);
}

void DrawSoundWaves(QPainter &p, const QColor &colour)
{
    p.setPen(QPen(colour, 1.8, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    const QPointF centre(12, 12);
    for (const double radius : {4.0, 7.5})
        p.drawArc(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius), -45 * 16, 90 * 16);
}

void DrawCross(QPainter &p)
{
    p.setPen(QPen(GlyphStyle::Red, 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(15.5, 9), QPointF(21, 14.5));
    p.drawLine(QPointF(21, 9), QPointF(15.5, 14.5));
}

} // namespace

QImage DrawSpeaker(TAlerts alerts)
{
    QImage image(PictureSize, PictureSize, QImage::Format_RGB32);
    image.fill(GlyphStyle::WindowBackground);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    if (alerts == TAlerts::On) {
        DrawSpeakerBody(p, GlyphStyle::Ink);
        DrawSoundWaves(p, GlyphStyle::Green);
    } else if (alerts == TAlerts::Alerting) {
        // The speaker itself turns red, so the alert shows at a glance even beside the waves.
        DrawSpeakerBody(p, GlyphStyle::Red);
        DrawSoundWaves(p, GlyphStyle::Amber);
    } else {
        DrawSpeakerBody(p, GlyphStyle::InkDimmed);
        DrawCross(p);
    }
    return image;
}
