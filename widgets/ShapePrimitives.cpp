#include "widgets/ShapePrimitives.h"
#include <QLinearGradient>
#include <QPainter>

namespace Shapes {

QBrush Vertical(const QRectF& r, QColor top, QColor bottom)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    return QBrush(g);
}

void Outlined(QPainter& p, const QPainterPath& path, const QBrush& fill, QColor outline,
              qreal width)
{
    p.save();
    p.setBrush(fill);
    p.setPen(QPen(outline, width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.drawPath(path);
    p.restore();
}

void RimmedStroke(QPainter& p, const QPainterPath& path, qreal width, QColor rim,
                  QColor body)
{
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(rim, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
    p.setPen(QPen(body, width - 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
    p.restore();
}

} // namespace Shapes
