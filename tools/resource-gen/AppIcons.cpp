#include "tools/resource-gen/AppIcons.h"

#include "tools/resource-gen/GlyphStyle.h"
#include "tools/resource-gen/RiskColourScale.h"

#include <QConicalGradient>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

// Everything is drawn on a 32-unit grid and scaled to the size asked for.
constexpr double Grid = 32;
const QPointF DialCentre(16, 18);
constexpr double DialRadius = 11;
// The badge sits in the tile's lower right corner, on the corner's own rounding.
const QPointF BadgeCentre(24.5, 24.5);
constexpr double BadgeRadius = 6.2;
constexpr double BadgeGap = 1.3;

void DrawTile(QPainter &p)
{
    QLinearGradient shade(0, 1.5, 0, 30.5);
    shade.setColorAt(0, QColor(92, 92, 92));
    shade.setColorAt(1, QColor(52, 52, 52));
    p.setPen(QPen(QColor(28, 28, 28), 1));
    p.setBrush(shade);
    p.drawRoundedRect(QRectF(1.5, 1.5, 29, 29), 6, 6);
}

// The dial's scale runs over the upper half circle in the colours of the risk scale,
// green on the left to red-brown on the right.
void DrawDial(QPainter &p)
{
    QConicalGradient scale(DialCentre, 0);
    constexpr int Steps = 10;
    for (int i = 0; i <= Steps; ++i) {
        const double t = static_cast<double>(i) / Steps;
        scale.setColorAt(0.5 - 0.5 * t, RiskBarColourAt(t * (RiskLevelBarWidth - 1)));
    }
    const QRectF circle(DialCentre.x() - DialRadius, DialCentre.y() - DialRadius, 2 * DialRadius, 2 * DialRadius);
    p.setPen(QPen(QBrush(scale), 4, Qt::SolidLine, Qt::FlatCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(circle, 0, 180 * 16);

    p.setPen(QPen(GlyphStyle::Ink, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(DialCentre, DialCentre + QPointF(4.8, -8));
    p.setPen(Qt::NoPen);
    p.setBrush(GlyphStyle::Ink);
    p.drawEllipse(DialCentre, 2.2, 2.2);
}

// A coloured disc, set off from the tile by a transparent ring.
void DrawBadgeDisc(QPainter &p, const QColor &colour)
{
    p.setPen(Qt::NoPen);
    p.setCompositionMode(QPainter::CompositionMode_Clear);
    p.setBrush(Qt::black);
    p.drawEllipse(BadgeCentre, BadgeRadius + BadgeGap, BadgeRadius + BadgeGap);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    p.setBrush(colour);
    p.drawEllipse(BadgeCentre, BadgeRadius, BadgeRadius);
}

void DrawListenBadge(QPainter &p)
{
    DrawBadgeDisc(p, GlyphStyle::Green);
    QPainterPath triangle;
    triangle.moveTo(BadgeCentre + QPointF(-2, -3.2));
    triangle.lineTo(BadgeCentre + QPointF(3.4, 0));
    triangle.lineTo(BadgeCentre + QPointF(-2, 3.2));
    triangle.closeSubpath();
    p.setBrush(Qt::white);
    p.drawPath(triangle);
}

void DrawRecordBadge(QPainter &p)
{
    DrawBadgeDisc(p, GlyphStyle::Red);
}

void DrawImportBadge(QPainter &p)
{
    DrawBadgeDisc(p, GlyphStyle::Blue);
    p.setPen(QPen(Qt::white, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawLine(BadgeCentre + QPointF(0, -3.6), BadgeCentre + QPointF(0, 3.1));
    QPainterPath head;
    head.moveTo(BadgeCentre + QPointF(-2.8, 0.4));
    head.lineTo(BadgeCentre + QPointF(0, 3.3));
    head.lineTo(BadgeCentre + QPointF(2.8, 0.4));
    p.drawPath(head);
}

} // namespace

QList<int> AppIconSizes()
{
    return {16, 24, 32, 48, 256};
}

QImage DrawAppIcon(TIconState state, int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / Grid, size / Grid);
    DrawTile(p);
    DrawDial(p);
    switch (state) {
    case TIconState::Plain: break;
    case TIconState::Listen: DrawListenBadge(p); break;
    case TIconState::Record: DrawRecordBadge(p); break;
    case TIconState::Import: DrawImportBadge(p); break;
    }
    return image;
}
