#include "widgets/TransparentBitmap.h"

QImage MakeTransparent(const QImage& image)
{
    if (image.isNull())
        return image;
    QImage result = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = qRgb(qRed(result.pixel(0, result.height() - 1)),
                          qGreen(result.pixel(0, result.height() - 1)),
                          qBlue(result.pixel(0, result.height() - 1)));
    for (int y = 0; y < result.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x) {
            if ((line[x] & 0x00FFFFFF) == (key & 0x00FFFFFF))
                line[x] = 0;
        }
    }
    return result;
}

bool LoadTransparentBitmap(const QString& path, QImage& picture)
{
    QImage image;
    if (!image.load(path, "BMP") || image.isNull())
        return false;
    picture = MakeTransparent(image);
    return true;
}
