#include "widgets/LogoPicture.h"
#include "app/StartDir.h"
#include "widgets/TransparentBitmap.h"
#include <QImage>
#include <stdexcept>

QPixmap LoadLogo()
{
    const QString path = StartPath(QStringLiteral("Source/logo.bmp"));
    QImage logo;
    if (!LoadTransparentBitmap(path, logo))
        throw std::runtime_error(QStringLiteral("Cannot open file \"%1\".").arg(path).toLocal8Bit().toStdString());
    return QPixmap::fromImage(logo);
}
