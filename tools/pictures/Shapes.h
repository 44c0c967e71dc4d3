#pragma once
#include <QBrush>
#include <QColor>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>

class QPainter;

// Building blocks shared by several pictures. Coordinates are pixels of the
// canvas; a 1-pixel outline is crisp when its rectangle lies on half pixels.
namespace Shapes {

// A vertical gradient over the rectangle.
QBrush Vertical(const QRectF& r, QColor top, QColor bottom);

// Fills the path and strokes it with a thin outline.
void Outlined(QPainter& p, const QPainterPath& path, const QBrush& fill, QColor outline,
              qreal width = 1.0);

// Strokes a path twice, wide and dark then narrower and light, with round
// ends: a bold mark with a rim (ticks, crosses, handles).
void RimmedStroke(QPainter& p, const QPainterPath& path, qreal width, QColor rim,
                  QColor body);

// A hand-held two-way radio: body with display and speaker grille, an
// antenna on the left rising above the body and a knob on the right.
void Station(QPainter& p, const QRectF& body, qreal antennaHeight);

// A block arrow from tail to head.
struct ArrowStyle {
    qreal shaft;        // width of the shaft
    qreal headWidth;    // width of the head at its base
    qreal headLength;   // length of the head
    QColor light, dark, outline;
};
void Arrow(QPainter& p, QPointF tail, QPointF head, const ArrowStyle& style);

ArrowStyle GreenArrow(qreal shaft, qreal headWidth, qreal headLength);
ArrowStyle OrangeArrow(qreal shaft, qreal headWidth, qreal headLength);

// A small PC display on a foot, the screen given.
void Monitor(QPainter& p, const QRectF& screen);

} // namespace Shapes
