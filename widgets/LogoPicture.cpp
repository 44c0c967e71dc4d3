#include "widgets/LogoPicture.h"
#include "app/StartDir.h"
#include <QBitmap>
#include <QImage>
#include <stdexcept>

QPixmap LoadLogo()
{
    const QString path = StartPath(QStringLiteral("Source/logo.bmp"));
    QImage img;
    if (!img.load(path))
        throw std::runtime_error(QStringLiteral("Cannot open file \"%1\".").arg(path).toStdString());
    QPixmap pm = QPixmap::fromImage(img);
    pm.setMask(pm.createMaskFromColor(img.pixelColor(0, img.height() - 1)));
    return pm;
}
