#include "widgets/U_drawing.h"
#include <QImage>
#include <QPainter>
#include <cmath>

namespace {
int Channel(TColor c, int shift) { return static_cast<int>((c >> shift) & 0xFF); }
} // namespace

void GradientFill(QPainter& canvas, int x1, int y1, int x2, int y2,
                  TColor colour1, TColor colour2, int Direction)
{
    const int w = x2 - x1;
    const int h = y2 - y1;
    if (w <= 0 || h <= 0 || (Direction != GradientTopToBottom && Direction != GradientLeftToRight))
        return;
    const int n = Direction == GradientTopToBottom ? h : w;
    float step[3];
    int start[3];
    for (int k = 0; k < 3; ++k) {
        start[k] = Channel(colour1, 8 * k);
        step[k] = static_cast<float>(Channel(colour2, 8 * k) - start[k]) / static_cast<float>(n);
    }
    for (int i = 0; i < n; ++i) {
        int c[3];
        for (int k = 0; k < 3; ++k)
            c[k] = start[k] + static_cast<int>(std::trunc(static_cast<float>(i) * step[k]));
        canvas.setPen(QPen(QColor(c[0], c[1], c[2]), 1));
        if (Direction == GradientTopToBottom)
            canvas.drawLine(x1, y1 + i, x2 - 1, y1 + i);
        else
            canvas.drawLine(x1 + i, y1, x1 + i, y2 - 1);
    }
}

void GradientFill(QImage& target, int x1, int y1, int x2, int y2,
                  TColor colour1, TColor colour2, int Direction)
{
    QPainter p(&target);
    GradientFill(p, x1, y1, x2, y2, colour1, colour2, Direction);
}
