#include "widgets/LogoPicture.h"
#include "document/Convert.h"
#include "document/StartDir.h"
#include "widgets/TransparentBitmap.h"
#include <QCoreApplication>
#include <QImage>

QPixmap LoadLogo()
{
    const QString path = StartPath(QStringLiteral("Source/logo.bmp"));
    QImage logo;
    if (!LoadTransparentBitmap(path, logo))
        throw EProgramError(QCoreApplication::translate("LogoPicture", "Не удаётся открыть файл \"%1\".").arg(path));
    return QPixmap::fromImage(logo);
}
