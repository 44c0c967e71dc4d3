#include "document/CatalogueMerge.h"
#include "document/Convert.h"
#include "document/U_xml.h"
#include <QDomDocument>
#include <QStringList>
#include <QVector>

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

// The menus of earlier versions. The program picks a command by its place
// in the menu, so a user's menu of an earlier version takes the shipped
// entries it lacks only by moving its own entries to the places they have
// now. For each top-level item whose entries changed: the number of entries
// it had, the number the shipped menu has, and where each earlier entry
// stands now (places from 1).
struct TEarlierMenu {
    int item;
    int count;
    int shippedCount;
    QVector<int> placesNow;
};
const TEarlierMenu EarlierMenus[] = {
    // "Файл" of 1.0: Открыть, Сохранить, Сохранить как, the separator,
    // Выход; the CSV export and import came in before the separator.
    {1, 5, 7, {1, 2, 3, 6, 7}},
    // "Станция" of 1.0: Поиск станции; the restore came in after it.
    {2, 1, 2, {1}},
};

QString Numbered(const QString& prefix, int n) { return prefix + QString::number(n); }

int CountOf(const QDomElement& parent)
{
    int n = -1;
    return TryStrToInt(TXMLFile::ChildText(parent, QStringLiteral("count")), n) ? n : -1;
}

void SetText(QDomDocument& doc, QDomElement e, const QString& text)
{
    while (!e.firstChild().isNull())
        e.removeChild(e.firstChild());
    e.appendChild(doc.createTextNode(text));
}

// The child of parent with the name, created after `after` (or first) when
// it is missing.
QDomElement ChildAfter(QDomDocument& doc, QDomElement parent, const QString& name, const QDomElement& after)
{
    QDomElement e = parent.firstChildElement(name);
    if (!e.isNull())
        return e;
    e = doc.createElement(name);
    if (after.isNull())
        parent.insertBefore(e, parent.firstChildElement());
    else
        parent.insertAfter(e, after);
    return e;
}

// Brings one top-level item of an earlier layout to the shipped one: the
// user's entries move to their places now, with the user's own texts; the
// new places take the shipped texts; the count is raised. Returns the
// number of entries added.
int MergeEarlierMenu(QDomDocument& user, QDomElement item, const QDomElement& shippedItem, const TEarlierMenu& was)
{
    const QString subitem = QStringLiteral("subitem");
    QStringList texts;
    const QVector<QDomElement> mine = TXMLFile::NumberedChildren(item, subitem, was.count);
    const QVector<QDomElement> shipped = TXMLFile::NumberedChildren(shippedItem, subitem, was.shippedCount);
    for (int place = 1; place <= was.shippedCount; ++place) {
        const int earlier = was.placesNow.indexOf(place);
        const QDomElement& from = earlier >= 0 && !mine[earlier].isNull() ? mine[earlier] : shipped[place - 1];
        texts << TXMLFile::ElementText(from);
    }
    QDomElement previous = item.firstChildElement(QStringLiteral("count"));
    SetText(user, previous, QString::number(was.shippedCount));
    for (int place = 1; place <= was.shippedCount; ++place) {
        previous = ChildAfter(user, item, Numbered(subitem, place), previous);
        SetText(user, previous, texts[place - 1]);
    }
    return was.shippedCount - was.count;
}

// The menu of the user's file brought to the shipped menu's entries and
// places (see EarlierMenus), and its number of top-level items raised to
// the shipped number. A menu of no known layout is the user's own: it keeps
// its entries (the last entry of "Файл" exits in any menu). Returns the
// number of changes: entries added, and one for a raised item count.
int MergeMenu(QDomDocument& user, const QDomElement& root, const QDomElement& shippedRoot)
{
    const QString mainmenu = QStringLiteral("mainmenu"), item = QStringLiteral("item");
    QDomElement menu = root.firstChildElement(mainmenu);
    const QDomElement shippedMenu = shippedRoot.firstChildElement(mainmenu);
    if (menu.isNull() || shippedMenu.isNull())
        return 0;
    int added = 0;
    for (const TEarlierMenu& was : EarlierMenus) {
        QDomElement mine = menu.firstChildElement(Numbered(item, was.item));
        const QDomElement shipped = shippedMenu.firstChildElement(Numbered(item, was.item));
        if (!mine.isNull() && !shipped.isNull() && CountOf(mine) == was.count && CountOf(shipped) == was.shippedCount)
            added += MergeEarlierMenu(user, mine, shipped, was);
    }
    // New top-level items come in at the end; the generic merge copies them.
    const int items = CountOf(menu), shippedItems = CountOf(shippedMenu);
    if (items >= 0 && items < shippedItems) {
        SetText(user, menu.firstChildElement(QStringLiteral("count")), QString::number(shippedItems));
        ++added;
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
    const int menuEntries = MergeMenu(user, root, shippedRoot);
    return menuEntries + MergeChildren(user, root, shippedRoot);
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
