#include "document/Catalogue.h"
#include "document/Convert.h"
#include "document/LanguageSetting.h"
#include "document/U_xml.h"
#include <QCoreApplication>
#include <QFileInfo>

namespace {

QString N(int i) { return QString::number(i); }

// Upper bounds of the catalogue's counts, from what each count feeds. A
// count is checked before anything is sized from it.
//
// Menu: the menu dispatch identifies a pick as 100 x item + row, so a
// drop-down holds at most 100 rows; the titles of the bar sit side by side
// in one row of the window, and 100 of them already run far past any
// screen.
constexpr int MaxMenuItems = 100;
constexpr int MaxSubItems = 100;
// dev and up feed 5-bit station fields, values 0..31, and their lists start
// with "Нет": at most 31 items.
constexpr int MaxFiveBitItems = 31;
// loud, noise and sql feed one-byte fields: at most 256 entries.
constexpr int MaxByteItems = 256;
// A band is stored as its number from 1 in one byte.
constexpr int MaxBands = 255;

// Reads a count as an integer and refuses one outside 0..max: loading then
// stops exactly as for a count that is not a number.
int ReadCount(const QString& text, const QString& catalogue, const QString& path, int max)
{
    const int n = StrToInt(text);
    if (n < 0 || n > max)
        throw EConvertError(QCoreApplication::translate("CatalogueReader", "%1: число %2 в %3 вне пределов 0 - %4.")
                                .arg(catalogue, N(n), path, N(max)));
    return n;
}

int ReadIndexOrFirst(const TXMLFile& xml, const QString& a, const QString& b)
{
    int value = 0;
    return TryStrToInt(xml.ReadValue(a, b), value) ? value : 0;
}

} // namespace

void ReadCatalogue(TXMLFile& xml, const QString& path, const TCatalogueReceivers& to)
{
    const QString catalogue = QFileInfo(path).fileName();
    if (!xml.LoadFromFile(path))
        throw EConvertError(QCoreApplication::translate("CatalogueReader", "%1 не загружен: %2.")
                                .arg(catalogue, xml.LoadError()));

    const QString mainmenu = QStringLiteral("mainmenu"), count = QStringLiteral("count");
    const int items = ReadCount(xml.ReadValue(mainmenu, count), catalogue, QStringLiteral("mainmenu/count"),
                                MaxMenuItems);
    const QVector<QDomElement> itemElements =
        TXMLFile::NumberedChildren(xml.FindNode(mainmenu), QStringLiteral("item"), items);
    TmmitemList menu(items);
    for (int i = 0; i < items; ++i) {
        const QDomElement& item = itemElements[i];
        menu[i].Name = TXMLFile::ChildText(item, QStringLiteral("name"));
        const int subItems = ReadCount(TXMLFile::ChildText(item, count), catalogue,
                                       QStringLiteral("mainmenu/item%1/count").arg(i + 1), MaxSubItems);
        menu[i].SubItems = TXMLFile::NumberedTexts(item, QStringLiteral("subitem"), subItems);
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

    const QString params = QStringLiteral("params");
    auto readList = [&](const QString& name, int max) {
        const int n = ReadCount(xml.ReadValue(params, name, count), catalogue,
                                QStringLiteral("params/%1/count").arg(name), max);
        return TXMLFile::NumberedTexts(xml.FindNode(params, name), QStringLiteral("item"), n);
    };
    TCatalogueLists lists;
    lists.deviation = readList(QStringLiteral("dev"), MaxFiveBitItems);
    lists.levels = readList(QStringLiteral("up"), MaxFiveBitItems);
    lists.volume = readList(QStringLiteral("loud"), MaxByteItems);
    lists.squelch = readList(QStringLiteral("noise"), MaxByteItems);
    lists.analogSql = ReadCount(xml.ReadValue(params, QStringLiteral("sql")), catalogue,
                                QStringLiteral("params/sql"), MaxByteItems);
    const QString diap = QStringLiteral("diap");
    const int bands = ReadCount(xml.ReadValue(params, diap, count), catalogue, QStringLiteral("params/diap/count"),
                                MaxBands);
    const QDomElement bandElement = xml.FindNode(params, diap);
    const QStringList max = TXMLFile::NumberedTexts(bandElement, QStringLiteral("max"), bands);
    const QStringList min = TXMLFile::NumberedTexts(bandElement, QStringLiteral("min"), bands);
    for (int k = 0; k < bands; ++k)
        lists.bands << QCoreApplication::translate("CatalogueReader", "%1 - %2 кГц").arg(min[k], max[k]);
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
    if (to.language)
        to.language(LanguageSetting(xml));

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
    // No entry selected (no port could be opened at this start): the
    // remembered one stays for the next start.
    if (choices.portIndex >= 0)
        xml.WriteValue(QStringLiteral("port"), QStringLiteral("number"), N(choices.portIndex));
    if (choices.speedIndex >= 0)
        xml.WriteValue(QStringLiteral("port"), QStringLiteral("speed"), N(choices.speedIndex));
    xml.WriteValue(QStringLiteral("params"), QStringLiteral("onefreq"), flag(choices.commonFrequency));
    xml.WriteValue(QStringLiteral("params"), QStringLiteral("safewrite"), flag(choices.safeWrite));
    WriteLanguageSetting(xml, choices.language);
    return xml.SaveToFile(path);
}
