#include "document/FileRead.h"
#include <QCoreApplication>

QString SizeText(qint64 bytes)
{
    constexpr qint64 KB = 1024, MB = 1024 * 1024;
    if (bytes >= MB && bytes % MB == 0)
        return QCoreApplication::translate("FileRead", "%1 МБ").arg(bytes / MB);
    if (bytes >= KB && bytes % KB == 0 && bytes != KB)
        return QCoreApplication::translate("FileRead", "%1 КБ").arg(bytes / KB);
    return QCoreApplication::translate("FileRead", "%1 байт").arg(bytes);
}
