#pragma once
#include <QColor>
#include <QImage>
#include <QString>
#include <functional>

class QPainter;

// A picture is drawn with antialiasing on a transparent canvas and then laid
// flat onto one exact key colour, which the buttons drop as transparent (they
// take the colour of the bottom-left pixel). Pixels that would come out close
// to the key, mostly faint edge pixels, become the key itself, so that no
// near-key speck shows when the button background is lighter or darker than
// the key; every other pixel stays clearly apart from it.
namespace Canvas {

// Distance of two colours: the largest difference of one channel.
int Distance(QColor a, QColor b);

// Smallest distance a drawn pixel keeps from the key colour.
constexpr int MinKeyDistance = 10;

// Coverage (0 to 255) below which an edge pixel is dropped into the key.
constexpr int MinCoverage = 64;

using DrawFunction = std::function<void(QPainter&)>;

// Draws with antialiasing at the given size and flattens onto key.
QImage Render(int width, int height, QColor key, const DrawFunction& draw);

// Lays a transparent image flat onto key by the rules above.
QImage Flatten(const QImage& argb, QColor key);

// Writes a 24-bit BMP file; true on success.
bool SaveBmp(const QImage& image, const QString& path);

} // namespace Canvas
