#pragma once
// Helpers shared by the widget kit's tests.
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <QString>
#include <QWidget>
#include <cmath>

namespace kittest {

// What the widget shows, as an opaque image.
inline QImage Shot(QWidget* w) { return w->grab().toImage().convertToFormat(QImage::Format_RGB32); }

inline QColor At(const QImage& img, int x, int y) { return img.pixelColor(x, y); }

inline QColor Rgb(int r, int g, int b) { return QColor(r, g, b); }

// One channel of line i of a band of n lines, worked out by hand: the step
// (c2 - c1) / n is kept in single precision, i times the step is cut toward
// zero.
inline int BandChannel(int c1, int c2, int n, int i)
{
    const float step = static_cast<float>(c2 - c1) / static_cast<float>(n);
    return c1 + static_cast<int>(std::trunc(static_cast<double>(i) * static_cast<double>(step)));
}

inline QColor BandColour(QColor from, QColor to, int n, int i)
{
    return QColor(BandChannel(from.red(), to.red(), n, i), BandChannel(from.green(), to.green(), n, i),
                  BandChannel(from.blue(), to.blue(), n, i));
}

// A w x h bitmap of the key colour with a block of ink; the key colour sits
// in the bottom-left pixel, so it is the see-through colour.
inline QImage InkPicture(int w, int h, const QRect& ink, QColor inkColour = QColor(255, 0, 0),
                         QColor key = QColor(255, 0, 255))
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(key);
    QPainter(&img).fillRect(ink, inkColour);
    return img;
}

inline bool SaveBmp(const QImage& img, const QString& path)
{
    return img.convertToFormat(QImage::Format_RGB888).save(path, "BMP");
}

// The smallest rectangle holding every pixel of the colour.
inline QRect BoundsOf(const QImage& img, QColor colour)
{
    QRect r;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixelColor(x, y) == colour)
                r |= QRect(x, y, 1, 1);
    return r;
}

// The picture with its key colour made see-through, as a reader of the
// file would draw it.
inline QImage KeyedOut(const QImage& picture)
{
    QImage out = picture.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = out.pixel(0, out.height() - 1);
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < out.width(); ++x)
            if (out.pixel(x, y) == key)
                out.setPixel(x, y, 0);
    return out;
}

} // namespace kittest
