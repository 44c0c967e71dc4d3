#pragma once
#include <QColor>
#include <cstdint>

class QImage;
class QPainter;
class QPixmap;

// A 24-bit colour with red in the low byte, green in the next and blue in
// the third; the top byte is zero.
using TColor = uint32_t;
constexpr TColor RGBColor(int r, int g, int b)
{
    return static_cast<TColor>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
inline QColor ToQColor(TColor c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }

// Direction of a gradient band: 0 runs from top to bottom (one horizontal
// line per row), 1 from left to right (one vertical line per column).
enum TGradientDirection { GradientTopToBottom = 0, GradientLeftToRight = 1 };

// Paints a two-colour linear gradient over the half-open rectangle
// [x1, x2) x [y1, y2). With n lines (rows or columns), each channel of line i
// is colour1 + trunc(i * step), step = (colour2 - colour1) / n held in single
// precision, truncated toward zero. The first line is exactly colour1; the
// last one stops short of colour2 wherever the channel changes. Any other
// direction, or an empty rectangle, draws nothing. Parts of the rectangle
// outside the target are not drawn.
void GradientFill(QImage& target, int x1, int y1, int x2, int y2,
                  TColor colour1, TColor colour2, int Direction);
void GradientFill(QPixmap& target, int x1, int y1, int x2, int y2,
                  TColor colour1, TColor colour2, int Direction);
// The same on a paint surface. The painter's pen is left at the colour of
// the last line (also when that line lies outside the target); an empty
// rectangle or an unknown direction leaves the pen as it was.
void GradientFill(QPainter& canvas, int x1, int y1, int x2, int y2,
                  TColor colour1, TColor colour2, int Direction);
