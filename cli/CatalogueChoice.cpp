#include "cli/CatalogueChoice.h"
#include <QDir>
#include <QFileInfo>

QStringList CatalogueCandidates(const QString& given)
{
    if (!given.isEmpty())
        return {given};
    return {QDir::current().filePath(QStringLiteral("Settings/Settings.xml")),
            QStringLiteral(TARNIK_INSTALLED_CATALOGUE), QStringLiteral(TARNIK_BUILT_CATALOGUE)};
}

QString ChooseCatalogue(const QString& given)
{
    for (const QString& path : CatalogueCandidates(given)) {
        if (QFileInfo(path).isFile())
            return path;
    }
    return QString();
}
