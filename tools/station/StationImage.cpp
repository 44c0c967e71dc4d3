#include "tools/station/StationImage.h"
#include <QFile>
#include <QSaveFile>

namespace station {

StationImage::StationImage(const QByteArray& image)
    : bytes(image)
{
    bytes.resize(Size);
}

bool IsReserved(int offset)
{
    return (offset >= 516 && offset <= 519) || (offset >= 530 && offset < StationImage::Size);
}

uint8_t ReservedPattern(int offset)
{
    const uint8_t byte = static_cast<uint8_t>(offset * 7 + 0x35);
    return byte == 0xFF ? 0xA5 : byte;
}

void PutReservedPattern(QByteArray& image)
{
    for (int offset = 0; offset < image.size() && offset < StationImage::Size; ++offset) {
        if (IsReserved(offset))
            image[offset] = static_cast<char>(ReservedPattern(offset));
    }
}

bool LoadImageFile(const QString& path, QByteArray& image, QString& error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("cannot read the image file %1: %2").arg(path, file.errorString());
        return false;
    }
    // One byte more than an image, so that a longer file is noticed.
    const QByteArray data = file.read(StationImage::Size + 1);
    if (data.size() != StationImage::Size) {
        error = QStringLiteral("the image file %1 does not hold exactly %2 bytes")
                    .arg(path).arg(StationImage::Size);
        return false;
    }
    image = data;
    return true;
}

bool SaveImageFile(const QString& path, const QByteArray& image, QString& error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(image) != image.size() || !file.commit()) {
        error = QStringLiteral("cannot write the image file %1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

} // namespace station
