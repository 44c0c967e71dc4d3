#include "Canvas.h"
#include <QFile>
#include <QPainter>
#include <QSaveFile>
#include <algorithm>
#include <cstdlib>

namespace Canvas {

int Distance(QColor a, QColor b)
{
    return std::max({ std::abs(a.red() - b.red()), std::abs(a.green() - b.green()),
                      std::abs(a.blue() - b.blue()) });
}

QImage Render(int width, int height, QColor key, const DrawFunction& draw)
{
    QImage argb(width, height, QImage::Format_ARGB32_Premultiplied);
    argb.fill(Qt::transparent);
    {
        QPainter p(&argb);
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setRenderHint(QPainter::TextAntialiasing, true);
        draw(p);
    }
    return Flatten(argb, key);
}

namespace {

// The colour an opaque pixel takes when it would come too close to the key:
// the key moved by the minimum distance, darker for a light key.
QColor AwayFromKey(QColor key)
{
    const int shift = key.lightness() > 127 ? -MinKeyDistance : MinKeyDistance;
    auto move = [shift](int k) { return std::clamp(k + shift, 0, 255); };
    return QColor(move(key.red()), move(key.green()), move(key.blue()));
}

} // namespace

QImage Flatten(const QImage& source, QColor key)
{
    const QImage argb = source.convertToFormat(QImage::Format_ARGB32);
    QImage out(argb.size(), QImage::Format_RGB32);
    for (int y = 0; y < argb.height(); ++y) {
        const QRgb* in = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        QRgb* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < argb.width(); ++x) {
            const int a = qAlpha(in[x]);
            if (a < MinCoverage) {
                line[x] = key.rgb();
                continue;
            }
            auto over = [a](int c, int k) { return (c * a + k * (255 - a) + 127) / 255; };
            QColor c(over(qRed(in[x]), key.red()), over(qGreen(in[x]), key.green()),
                     over(qBlue(in[x]), key.blue()));
            if (Distance(c, key) < MinKeyDistance)
                c = a < 192 ? key : AwayFromKey(key);
            line[x] = c.rgb();
        }
    }
    return out;
}

bool SaveBmp(const QImage& image, const QString& path)
{
    // Written aside and moved into place, so a broken run leaves no torn file.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (!image.convertToFormat(QImage::Format_RGB888).save(&file, "BMP"))
        return false;
    return file.commit();
}

} // namespace Canvas
