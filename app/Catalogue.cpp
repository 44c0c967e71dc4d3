#include "app/Catalogue.h"
#include "app/Convert.h"
#include "document/U_xml.h"

namespace {

QString N(int i) { return QString::number(i); }

// A count of elements; a negative count means none.
int Count(int value) { return value < 0 ? 0 : value; }

QStringList ReadList(TXMLFile& xml, const QString& name)
{
    const int n = Count(StrToInt(xml.ReadValue(QStringLiteral("params"), name, QStringLiteral("count"))));
    QStringList items;
    for (int k = 1; k <= n; ++k)
        items << xml.ReadValue(QStringLiteral("params"), name, QStringLiteral("item") + N(k));
    return items;
}

int ReadIndexOrFirst(TXMLFile& xml, const QString& a, const QString& b)
{
    int value = 0;
    return TryStrToInt(xml.ReadValue(a, b), value) ? value : 0;
}

} // namespace

void ReadCatalogue(TXMLFile& xml, const QString& path, const TCatalogueReceivers& to)
{
    xml.LoadFromFile(path);   // an unreadable file fails at the first number

    const QString mainmenu = QStringLiteral("mainmenu");
    TmmitemList menu(Count(StrToInt(xml.ReadValue(mainmenu, QStringLiteral("count")))));
    for (int i = 1; i <= menu.size(); ++i) {
        const QString item = QStringLiteral("item") + N(i);
        Tmmitem& m = menu[i - 1];
        m.Name = xml.ReadValue(mainmenu, item, QStringLiteral("name"));
        const int subItems = Count(StrToInt(xml.ReadValue(mainmenu, item, QStringLiteral("count"))));
        for (int j = 1; j <= subItems; ++j)
            m.SubItems << xml.ReadValue(mainmenu, item, QStringLiteral("subitem") + N(j));
    }
    if (to.menu)
        to.menu(menu);

    if (to.hint) {
        for (int h : {1, 3, 4, 5, 6, 7, 8})
            to.hint(h, xml.ReadValue(QStringLiteral("hints"), QStringLiteral("hint") + N(h)));
    }

    const int port = ReadIndexOrFirst(xml, QStringLiteral("port"), QStringLiteral("number"));
    if (to.portIndex)
        to.portIndex(port);
    const int speed = ReadIndexOrFirst(xml, QStringLiteral("port"), QStringLiteral("speed"));
    if (to.speedIndex)
        to.speedIndex(speed);

    TCatalogueLists lists;
    lists.deviation = ReadList(xml, QStringLiteral("dev"));
    lists.levels = ReadList(xml, QStringLiteral("up"));
    lists.volume = ReadList(xml, QStringLiteral("loud"));
    lists.squelch = ReadList(xml, QStringLiteral("noise"));
    lists.analogSql = Count(StrToInt(xml.ReadValue(QStringLiteral("params"), QStringLiteral("sql"))));
    const QString params = QStringLiteral("params"), diap = QStringLiteral("diap");
    const int bands = Count(StrToInt(xml.ReadValue(params, diap, QStringLiteral("count"))));
    for (int k = 1; k <= bands; ++k) {
        const QString max = xml.ReadValue(params, diap, QStringLiteral("max") + N(k));
        const QString min = xml.ReadValue(params, diap, QStringLiteral("min") + N(k));
        lists.bands << min + QStringLiteral(" - ") + max + QStringLiteral(" кГц");
    }
    if (to.lists)
        to.lists(lists);

    const bool common = StrToInt(xml.ReadValue(params, QStringLiteral("onefreq"))) != 0;
    if (to.commonFrequency)
        to.commonFrequency(common);
    int safeWrite = 1;
    if (!TryStrToInt(xml.ReadValue(params, QStringLiteral("safewrite")), safeWrite))
        safeWrite = 1;
    if (to.safeWrite)
        to.safeWrite(safeWrite != 0);

    if (to.bandChange)
        to.bandChange();
    if (to.loaded)
        to.loaded();
}

bool WriteCatalogueChoices(TXMLFile& xml, const QString& path, const TCatalogueChoices& choices)
{
    if (!xml.LoadFromFile(path))
        return false;
    auto flag = [](bool on) { return on ? QStringLiteral("1") : QStringLiteral("0"); };
    xml.WriteValue(QStringLiteral("port"), QStringLiteral("number"), N(choices.portIndex));
    xml.WriteValue(QStringLiteral("port"), QStringLiteral("speed"), N(choices.speedIndex));
    xml.WriteValue(QStringLiteral("params"), QStringLiteral("onefreq"), flag(choices.commonFrequency));
    xml.WriteValue(QStringLiteral("params"), QStringLiteral("safewrite"), flag(choices.safeWrite));
    return xml.SaveToFile(path);
}
