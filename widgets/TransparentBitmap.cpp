#include "widgets/TransparentBitmap.h"
#include "document/FileRead.h"

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

namespace {
// The largest picture file read. The button pictures are under 2 KB and the
// logo about 33 KB; a 24-bit bitmap of 1 MB is already far larger than any
// place in the windows that shows one.
constexpr qint64 MaxPictureSize = 1024 * 1024;
} // namespace

bool LoadTransparentBitmap(const QString& path, QImage& picture)
{
    // Through the bounded reader: a FIFO or a device in place of a picture
    // is refused at once instead of holding up the start.
    QByteArray bytes;
    if (!ReadRegularFile(path, MaxPictureSize, bytes).isEmpty())
        return false;
    QImage image;
    if (!image.loadFromData(bytes, "BMP") || image.isNull())
        return false;
    picture = MakeTransparent(image);
    return true;
}
