#include "Palette.h"
#include "Pictures.h"
#include "Shapes.h"
#include <QPainter>

namespace Pictures {

using namespace Shapes;

void Read(QPainter& p)
{
    Monitor(p, QRectF(14, 2, 8, 6));
    Station(p, QRectF(1.5, 8.5, 10, 14), 6);
    Arrow(p, QPointF(9, 16.5), QPointF(23, 16.5), GreenArrow(4, 9, 6));
}

void Write(QPainter& p)
{
    Monitor(p, QRectF(14, 2, 8, 6));
    Station(p, QRectF(1.5, 8.5, 10, 14), 6);
    Arrow(p, QPointF(23, 16.5), QPointF(8, 16.5), OrangeArrow(4, 9, 6));
}

void Search(QPainter& p)
{
    Station(p, QRectF(2.5, 7.5, 9, 14), 5);
    // The lens: a dark rim around a faint blue glass, the handle to the
    // lower right.
    const QPointF centre(14.5, 10.5);
    const qreal radius = 6.0;
    QPainterPath handle;
    handle.moveTo(centre + QPointF(4.6, 4.6));
    handle.lineTo(QPointF(21.5, 21.5));
    RimmedStroke(p, handle, 5, Palette::Ink, Palette::WoodDark);
    p.save();
    p.setBrush(QColor(176, 220, 255, 150));
    p.setPen(QPen(Palette::Ink, 3));
    p.drawEllipse(centre, radius, radius);
    p.setPen(QPen(Palette::Metal, 1));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, radius, radius);
    p.setPen(QPen(QColor(255, 255, 255, 230), 1.4, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(centre.x() - 3.5, centre.y() - 3.5, 7, 7), 100 * 16, 70 * 16);
    p.restore();
}

void Connection(QPainter& p)
{
    using namespace Palette;
    // Cable leaving the back of the connector and curling down.
    QPainterPath cable;
    cable.moveTo(12, 13);
    cable.cubicTo(12, 19, 19, 16, 21, 22);
    RimmedStroke(p, cable, 4, Ink, QColor(80, 86, 98));

    // Back shell that holds the cable.
    QPainterPath hood;
    hood.moveTo(7.5, 9.5);
    hood.lineTo(16.5, 9.5);
    hood.lineTo(14.5, 14.5);
    hood.lineTo(9.5, 14.5);
    hood.closeSubpath();
    Outlined(p, hood, Vertical(QRectF(7, 9, 10, 6), QColor(120, 126, 138), QColor(70, 76, 86)), Ink);

    // D-shaped metal shell seen from the front, with the nine pins.
    QPainterPath shell;
    shell.moveTo(1.5, 2.5);
    shell.lineTo(22.5, 2.5);
    shell.lineTo(19.5, 10.5);
    shell.lineTo(4.5, 10.5);
    shell.closeSubpath();
    Outlined(p, shell, Vertical(QRectF(1, 2, 22, 9), MetalLight, Metal), Ink);
    QPainterPath face;
    face.moveTo(4.5, 4.5);
    face.lineTo(19.5, 4.5);
    face.lineTo(17.8, 8.5);
    face.lineTo(6.2, 8.5);
    face.closeSubpath();
    Outlined(p, face, QColor(44, 50, 66), Ink);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(Brass);
    for (int i = 0; i < 5; ++i)
        p.drawRect(QRectF(6 + 2.5 * i, 5, 1.6, 1.6));
    for (int i = 0; i < 4; ++i)
        p.drawRect(QRectF(7.25 + 2.5 * i, 7, 1.6, 1.6));
    p.restore();
}

} // namespace Pictures
