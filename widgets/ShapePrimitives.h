#pragma once
#include <QBrush>
#include <QColor>
#include <QPainterPath>
#include <QRectF>

class QPainter;

// The drawing primitives the program's pictures share: the journal icons
// here and the button pictures, logo and icon the build draws
// (tools/pictures). Coordinates are pixels of the canvas; a 1-pixel outline
// is crisp when its rectangle lies on half pixels. Each leaves the
// painter's pen and brush as it found them.
namespace Shapes {

// A vertical gradient over the rectangle (its top to its bottom).
QBrush Vertical(const QRectF& r, QColor top, QColor bottom);

// Fills the path and strokes it with a thin outline.
void Outlined(QPainter& p, const QPainterPath& path, const QBrush& fill, QColor outline,
              qreal width = 1.0);

// Strokes a path twice, wide and dark then narrower and light, with round
// ends: a bold mark with a rim (ticks, crosses, handles).
void RimmedStroke(QPainter& p, const QPainterPath& path, qreal width, QColor rim,
                  QColor body);

} // namespace Shapes
