#include "document/CatalogueLanguage.h"
#include "document/LanguageSetting.h"
#include "document/U_xml.h"
#include <QDomDocument>

QString CatalogueLanguageSetting(const QString& path)
{
    if (path.isEmpty())
        return QString();
    QDomDocument doc;
    TXMLFile xml(&doc);
    if (!xml.LoadFromFile(path))
        return QString();
    return LanguageSetting(xml);
}
