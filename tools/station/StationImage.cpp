#include "tools/station/StationImage.h"
#include <QFile>
#include <QSaveFile>

namespace station {

StationImage::StationImage(const QByteArray& image)
    : bytes(image)
{
    bytes.resize(Size);
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
