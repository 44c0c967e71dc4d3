#include "document/StartDir.h"
#include <QDir>

QString StartDir = QDir::currentPath();

QString StartPath(const QString& relative)
{
    return QDir(StartDir).filePath(relative);
}
