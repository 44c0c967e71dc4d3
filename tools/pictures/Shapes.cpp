#include "Shapes.h"
#include "Palette.h"
#include <QLinearGradient>
#include <QPainter>
#include <QPolygonF>
#include <QtMath>

namespace Shapes {

void Station(QPainter& p, const QRectF& body, qreal antennaHeight)
{
    using namespace Palette;
    const qreal unit = body.width() / 10.0;   // proportions of a 10-pixel body

    // Antenna: a rubber stub standing on the left shoulder, and the knob on
    // the right one.
    const QRectF antenna(body.left() + 1.0 * unit, body.top() - antennaHeight,
                         2.0 * unit, antennaHeight + 1.0);
    QPainterPath stub;
    stub.addRoundedRect(antenna, unit, unit);
    Outlined(p, stub, QColor(28, 30, 34), Ink);
    const QRectF knob(body.right() - 3.5 * unit, body.top() - 2.0 * unit, 2.0 * unit,
                      2.0 * unit + 1.0);
    QPainterPath knobPath;
    knobPath.addRect(knob);
    Outlined(p, knobPath, QColor(70, 76, 86), Ink);

    QPainterPath case_;
    case_.addRoundedRect(body, 1.6 * unit, 1.6 * unit);
    Outlined(p, case_, Vertical(body, StationTop, StationBottom), Ink);

    // Display near the top, then the speaker grille.
    const QRectF display(body.left() + 2.0 * unit, body.top() + 2.0 * unit,
                         body.width() - 4.0 * unit, 3.0 * unit);
    QPainterPath displayPath;
    displayPath.addRect(display);
    Outlined(p, displayPath, Display, DisplayInk);

    p.save();
    p.setPen(QPen(Grille, qMax<qreal>(1.0, unit), Qt::SolidLine, Qt::FlatCap));
    const qreal top = display.bottom() + 2.5 * unit;
    for (qreal y = top; y < body.bottom() - 1.5 * unit; y += 2.0 * unit)
        p.drawLine(QPointF(body.left() + 2.0 * unit, y), QPointF(body.right() - 2.0 * unit, y));
    p.restore();
}

void Arrow(QPainter& p, QPointF tail, QPointF head, const ArrowStyle& s)
{
    const QPointF d = head - tail;
    const qreal length = qSqrt(d.x() * d.x() + d.y() * d.y());
    if (length <= 0)
        return;
    const QPointF u = d / length;            // along the arrow
    const QPointF n(-u.y(), u.x());          // across it
    const QPointF base = head - u * s.headLength;
    QPolygonF poly;
    poly << tail + n * (s.shaft / 2) << base + n * (s.shaft / 2)
         << base + n * (s.headWidth / 2) << head << base - n * (s.headWidth / 2)
         << base - n * (s.shaft / 2) << tail - n * (s.shaft / 2);
    QPainterPath path;
    path.addPolygon(poly);
    path.closeSubpath();
    QLinearGradient g(tail + n * (s.headWidth / 2), tail - n * (s.headWidth / 2));
    g.setColorAt(0, s.light);
    g.setColorAt(1, s.dark);
    Outlined(p, path, QBrush(g), s.outline);
}

ArrowStyle GreenArrow(qreal shaft, qreal headWidth, qreal headLength)
{
    return { shaft, headWidth, headLength, Palette::GreenLight, Palette::Green,
             Palette::GreenDark };
}

ArrowStyle OrangeArrow(qreal shaft, qreal headWidth, qreal headLength)
{
    return { shaft, headWidth, headLength, Palette::OrangeLight, Palette::Orange,
             Palette::OrangeDark };
}

void Monitor(QPainter& p, const QRectF& screen)
{
    using namespace Palette;
    const QRectF frame = screen.adjusted(-1.0, -1.0, 1.0, 1.0);
    const QPointF foot(frame.center().x(), frame.bottom());
    QPainterPath stand;
    stand.moveTo(foot + QPointF(-1.0, 0));
    stand.lineTo(foot + QPointF(1.0, 0));
    stand.lineTo(foot + QPointF(2.5, 2.5));
    stand.lineTo(foot + QPointF(-2.5, 2.5));
    stand.closeSubpath();
    Outlined(p, stand, MetalDark, Ink);
    QPainterPath body;
    body.addRect(frame);
    Outlined(p, body, QColor(70, 76, 88), Ink);
    QPainterPath glass;
    glass.addRect(screen.adjusted(0.5, 0.5, -0.5, -0.5));
    p.fillPath(glass, Vertical(screen, BlueLight, Blue));
}

} // namespace Shapes
