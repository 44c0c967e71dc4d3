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

// Radio waves spreading from the antenna tip to both sides.
void Waves(QPainter& p, QPointF from)
{
    p.save();
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 3; ++i) {
        const qreal r = 9.0 + 7.0 * i;
        const QRectF circle(from.x() - r, from.y() - r, 2 * r, 2 * r);
        p.setPen(QPen(Wave, 3.5 - 0.5 * i, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(circle, -30 * 16, 60 * 16);
        p.drawArc(circle, 150 * 16, 60 * 16);
    }
    p.restore();
}

} // namespace

void Logo(QPainter& p)
{
    const QRectF badge(2.5, 2.5, 100, 100);
    QPainterPath shape;
    shape.addRoundedRect(badge, 18, 18);
    Outlined(p, shape, Vertical(badge, BadgeTop, BadgeBottom), BadgeRim, 3);

    const QRectF body(38, 36, 28, 38);
    const qreal antenna = 16;
    Station(p, body, antenna);
    Waves(p, QPointF(body.left() + 4.2, body.top() - antenna + 2));

    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(24);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Title);
    p.drawText(QRectF(4, 76, 97, 24), Qt::AlignCenter, QStringLiteral("Tarnik"));
}

} // namespace Pictures
