#include "widgets/U_drawing.h"
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <algorithm>
#include <cmath>
#include <limits>

namespace {

int Channel(TColor c, int k) { return static_cast<int>((c >> (8 * k)) & 0xFF); }

// The colours of the lines of one band.
class TBand {
public:
    TBand(TColor colour1, TColor colour2, qint64 n)
    {
        for (int k = 0; k < 3; ++k) {
            start[k] = Channel(colour1, k);
            step[k] = static_cast<float>(Channel(colour2, k) - start[k]) / static_cast<float>(n);
        }
    }

    // The product of the line number and the single-precision step is
    // formed exactly (a double holds it without rounding) and then cut
    // toward zero.
    QColor Line(qint64 i) const
    {
        int c[3];
        for (int k = 0; k < 3; ++k)
            c[k] = start[k] + static_cast<int>(std::trunc(static_cast<double>(i) * static_cast<double>(step[k])));
        return QColor(c[0], c[1], c[2]);
    }

private:
    int start[3];
    float step[3];
};

// The part of the plane the painter can reach, in its own coordinates, when
// it only translates; otherwise the whole int range.
void Reachable(const QPainter& canvas, qint64& left, qint64& top, qint64& right, qint64& bottom)
{
    left = top = std::numeric_limits<int>::min();
    right = bottom = std::numeric_limits<int>::max();
    const QPaintDevice* device = canvas.device();
    const QTransform t = canvas.combinedTransform();
    if (!device || t.type() > QTransform::TxTranslate)
        return;
    const qint64 dx = static_cast<qint64>(std::floor(t.dx()));
    const qint64 dy = static_cast<qint64>(std::floor(t.dy()));
    left = -dx - 1;
    top = -dy - 1;
    right = device->width() - dx + 1;
    bottom = device->height() - dy + 1;
}

} // namespace

void GradientFill(QPainter& canvas, int x1, int y1, int x2, int y2,
                  TColor colour1, TColor colour2, int Direction)
{
    const qint64 w = static_cast<qint64>(x2) - x1;
    const qint64 h = static_cast<qint64>(y2) - y1;
    if (w <= 0 || h <= 0 || (Direction != GradientTopToBottom && Direction != GradientLeftToRight))
        return;
    const qint64 n = Direction == GradientTopToBottom ? h : w;
    const TBand band(colour1, colour2, n);

    // Only the lines that can reach the target are drawn, and each only over
    // its reachable length: a rectangle far larger than the target costs no
    // more than one that fits.
    qint64 left, top, right, bottom;
    Reachable(canvas, left, top, right, bottom);
    const qint64 across1 = std::max<qint64>(Direction == GradientTopToBottom ? x1 : y1,
                                            Direction == GradientTopToBottom ? left : top);
    const qint64 across2 = std::min<qint64>(Direction == GradientTopToBottom ? x2 : y2,
                                            Direction == GradientTopToBottom ? right : bottom);
    const qint64 origin = Direction == GradientTopToBottom ? y1 : x1;
    const qint64 first = std::max<qint64>(0, (Direction == GradientTopToBottom ? top : left) - origin);
    const qint64 last = std::min<qint64>(n - 1, (Direction == GradientTopToBottom ? bottom : right) - origin);

    if (across2 > across1) {
        const int a = static_cast<int>(across1);
        const int length = static_cast<int>(across2 - across1);
        for (qint64 i = first; i <= last; ++i) {
            const QColor colour = band.Line(i);
            canvas.setPen(QPen(colour, 1));
            const int along = static_cast<int>(origin + i);
            if (Direction == GradientTopToBottom)
                canvas.fillRect(a, along, length, 1, colour);
            else
                canvas.fillRect(along, a, 1, length, colour);
        }
    }
    // A caller that draws on afterwards finds the pen at the last line.
    canvas.setPen(QPen(band.Line(n - 1), 1));
}

void GradientFill(QImage& target, int x1, int y1, int x2, int y2,
                  TColor colour1, TColor colour2, int Direction)
{
    if (target.isNull())
        return;
    QPainter p(&target);
    GradientFill(p, x1, y1, x2, y2, colour1, colour2, Direction);
}

void GradientFill(QPixmap& target, int x1, int y1, int x2, int y2,
                  TColor colour1, TColor colour2, int Direction)
{
    if (target.isNull())
        return;
    QPainter p(&target);
    GradientFill(p, x1, y1, x2, y2, colour1, colour2, Direction);
}
