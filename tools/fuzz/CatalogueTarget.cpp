// The catalogue as the program reads it at start (with the band change of
// band 1), then its write-back at close and the reading again.
#include "document/Catalogue.h"
#include "document/Convert.h"
#include "document/U_xml.h"
#include "editors/BandCatalogue.h"
#include "tools/fuzz/FuzzTargets.h"

namespace {

struct Read {
    bool menuHanded = false;
    TmmitemList menu;
    bool listsHanded = false;
    TCatalogueLists lists;
};

Read ReadOnce(const QString& path)
{
    QDomDocument doc;
    TXMLFile xml(&doc);
    Read r;
    TCatalogueReceivers to;
    to.menu = [&r](const TmmitemList& m) { r.menuHanded = true; r.menu = m; };
    to.lists = [&r](const TCatalogueLists& l) { r.listsHanded = true; r.lists = l; };
    to.bandChange = [&xml, &path] { ReadBandLimits(xml, path, 1); };
    try {
        ReadCatalogue(xml, path, to);
    } catch (const EConvertError&) {
        // Loading stops here, as in the program.
    }
    return r;
}

bool SameLists(const TCatalogueLists& a, const TCatalogueLists& b)
{
    return a.bands == b.bands && a.deviation == b.deviation && a.levels == b.levels && a.volume == b.volume
        && a.squelch == b.squelch && a.analogSql == b.analogSql;
}

bool SameMenu(const TmmitemList& a, const TmmitemList& b)
{
    if (a.size() != b.size())
        return false;
    for (int i = 0; i < a.size(); ++i)
        if (a[i].Name != b[i].Name || a[i].SubItems != b[i].SubItems)
            return false;
    return true;
}

} // namespace

int FuzzCatalogue(const uint8_t* data, size_t size)
{
    const QString path = FuzzScratchFile(QStringLiteral("Settings.xml"), data, size);
    const Read first = ReadOnce(path);

    // The write-back changes only the remembered choices (port, speed, the
    // common-frequency and safe-write options): what was read before must
    // read the same afterwards.
    QDomDocument doc;
    TXMLFile xml(&doc);
    if (!WriteCatalogueChoices(xml, path, {3, 1, false, false, QString()}))
        return 0;
    const Read second = ReadOnce(path);
    FuzzRequire(!first.menuHanded || (second.menuHanded && SameMenu(first.menu, second.menu)),
                "the write-back changed the menu");
    FuzzRequire(!first.listsHanded || (second.listsHanded && SameLists(first.lists, second.lists)),
                "the write-back changed the value lists");
    FuzzRequire(xml.LoadFromFile(path) && xml.ReadValue(QStringLiteral("port"), QStringLiteral("number")) == "3"
                    && xml.ReadValue(QStringLiteral("port"), QStringLiteral("speed")) == "1"
                    && xml.ReadValue(QStringLiteral("params"), QStringLiteral("onefreq")) == "0"
                    && xml.ReadValue(QStringLiteral("params"), QStringLiteral("safewrite")) == "0",
                "the written choices do not read back");
    return 0;
}
