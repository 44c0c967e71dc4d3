#include "Palette.h"
#include "Pictures.h"
#include "Shapes.h"
#include <QFont>
#include <QPainter>

namespace Pictures {

using namespace Shapes;

namespace {

const QColor BadgeTop(246, 249, 253);
const QColor BadgeBottom(168, 192, 224);
const QColor BadgeRim(30, 58, 110);
const QColor Wave(236, 124, 28);
const QColor Title(24, 48, 104);

// Radio waves spreading from the antenna tip to both sides: three arcs,
// the first of radius `first`, each next one `spacing` further out and a
// little thinner.
void Waves(QPainter& p, QPointF from, qreal first, qreal spacing, qreal width)
{
    p.save();
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 3; ++i) {
        const qreal r = first + spacing * i;
        const QRectF circle(from.x() - r, from.y() - r, 2 * r, 2 * r);
        p.setPen(QPen(Wave, width * (7 - i) / 7, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(circle, -30 * 16, 60 * 16);
        p.drawArc(circle, 150 * 16, 60 * 16);
    }
    p.restore();
}

// The rounded badge both emblems stand on.
void Badge(QPainter& p, const QRectF& badge, qreal radius, qreal rim)
{
    QPainterPath shape;
    shape.addRoundedRect(badge, radius, radius);
    Outlined(p, shape, Vertical(badge, BadgeTop, BadgeBottom), BadgeRim, rim);
}

// A station on the badge with waves from its antenna.
void CallingStation(QPainter& p, const QRectF& body, qreal antenna, qreal waveFirst,
                    qreal waveSpacing, qreal waveWidth)
{
    Station(p, body, antenna);
    Waves(p, QPointF(body.left() + 0.15 * body.width(), body.top() - antenna + 2), waveFirst,
          waveSpacing, waveWidth);
}

} // namespace

void Logo(QPainter& p)
{
    Badge(p, QRectF(2.5, 2.5, 100, 100), 18, 3);
    CallingStation(p, QRectF(38, 36, 28, 38), 16, 9, 7, 3.5);

    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(24);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Title);
    p.drawText(QRectF(4, 76, 97, 24), Qt::AlignCenter, QStringLiteral("Tarnik"));
}

void AppIcon(QPainter& p)
{
    // The logo without its title, the station larger and in the middle.
    Badge(p, QRectF(3, 3, 58, 58), 11, 2);
    CallingStation(p, QRectF(23.5, 24.5, 17, 30), 12, 7, 5.5, 2.6);
}

} // namespace Pictures
