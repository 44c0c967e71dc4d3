#include "app/CatalogueMerge.h"
#include "document/U_xml.h"
#include <QDomDocument>

namespace {

// True when `e` is the first child element of its parent with its name: the
// only one of that name the catalogue reader looks at.
bool FirstOfItsName(const QDomElement& e)
{
    return e.parentNode().firstChildElement(e.tagName()) == e;
}

int MergeChildren(QDomDocument& user, QDomElement into, const QDomElement& from)
{
    int added = 0;
    QDomElement previous;   // the user's element matching the last shipped one
    for (QDomElement s = from.firstChildElement(); !s.isNull(); s = s.nextSiblingElement()) {
        if (!FirstOfItsName(s))
            continue;
        QDomElement mine = into.firstChildElement(s.tagName());
        if (mine.isNull()) {
            mine = user.importNode(s, true).toElement();
            if (previous.isNull())
                into.insertBefore(mine, into.firstChildElement());
            else
                into.insertAfter(mine, previous);
            ++added;
        } else if (!s.firstChildElement().isNull() && !mine.firstChildElement().isNull()) {
            added += MergeChildren(user, mine, s);
        }
        previous = mine;
    }
    return added;
}

} // namespace

int MergeCatalogue(QDomDocument& user, const QDomDocument& shipped)
{
    QDomElement root = user.documentElement();
    const QDomElement shippedRoot = shipped.documentElement();
    if (root.isNull() || shippedRoot.isNull())
        return 0;
    return MergeChildren(user, root, shippedRoot);
}

TMergeResult MergeCatalogueFile(const QString& userPath, const QString& shippedPath, int* added)
{
    if (added)
        *added = 0;
    QDomDocument shippedDoc;
    if (!TXMLFile(&shippedDoc).LoadFromFile(shippedPath))
        return TMergeResult::ShippedUnreadable;
    QDomDocument userDoc;
    TXMLFile userFile(&userDoc);
    if (!userFile.LoadFromFile(userPath))
        return TMergeResult::UserUnreadable;
    const int count = MergeCatalogue(userDoc, shippedDoc);
    if (added)
        *added = count;
    if (count == 0)
        return TMergeResult::Unchanged;
    return userFile.SaveToFile(userPath) ? TMergeResult::Merged : TMergeResult::SaveFailed;
}
