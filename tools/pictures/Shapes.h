#pragma once
#include "widgets/ShapePrimitives.h"
#include <QBrush>
#include <QColor>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>

class QPainter;

// Building blocks shared by several pictures, on the primitives the
// program shares (widgets/ShapePrimitives.h).
namespace Shapes {

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
