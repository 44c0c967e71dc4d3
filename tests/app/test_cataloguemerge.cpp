// Bringing a user's catalogue up to a newer shipped one: what the user's
// file lacks comes in, what it has stays.
#include "tests/support/TestRegistry.h"
#include "document/Catalogue.h"
#include "document/CatalogueMerge.h"
#include "document/Cp1251.h"
#include "document/U_xml.h"
#include "tests/editors/ProgramWindows.h"
#include "tests/support/TestRunDir.h"
#include "widgets/Frmainmenu.h"
#include <QDomDocument>
#include <QTest>

namespace {

QDomDocument Parse(const QString& xml)
{
    QDomDocument d;
    d.setContent(xml);
    return d;
}

// The document's elements as "path=text" lines in document order, leaves
// only, so that order and content can be compared at a glance.
QStringList Leaves(const QDomElement& e, const QString& path = QString())
{
    QStringList out;
    for (QDomElement c = e.firstChildElement(); !c.isNull(); c = c.nextSiblingElement()) {
        const QString p = path.isEmpty() ? c.tagName() : path + "/" + c.tagName();
        if (c.firstChildElement().isNull())
            out << p + "=" + c.text();
        else
            out << Leaves(c, p);
    }
    return out;
}

QByteArray ToCp1251(const QString& text) { return Cp1251::Encode(text); }
QString FromCp1251(const QByteArray& bytes) { return Cp1251::Decode(bytes); }

QByteArray ReadFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

} // namespace

class TestCatalogueMerge : public QObject {
    Q_OBJECT
private slots:
    void addsWhatIsMissingAndKeepsWhatIsThere()
    {
        QDomDocument user = Parse(
            "<settings><port><number>3</number><speed>2</speed></port>"
            "<params><step>12500</step><diap><count>1</count><min1>33000</min1><max1>41000</max1></diap>"
            "<onefreq>1</onefreq></params></settings>");
        const QDomDocument shipped = Parse(
            "<settings><mainmenu><count>0</count></mainmenu>"
            "<port><number>0</number><speed>0</speed></port>"
            "<params><step>25000</step><diap><count>2</count><min1>33000</min1><max1>41000</max1>"
            "<min2>41000</min2><max2>49000</max2></diap>"
            "<sql>4</sql><onefreq>0</onefreq><dev><count>1</count><item1>5 кГц</item1></dev></params></settings>");
        QCOMPARE(MergeCatalogue(user, shipped), 5);   // mainmenu, min2, max2, sql, dev
        QCOMPARE(Leaves(user.documentElement()), QStringList({
            "mainmenu/count=0",
            "port/number=3", "port/speed=2",
            // the user's values stay, also where the shipped file differs
            "params/step=12500",
            "params/diap/count=1", "params/diap/min1=33000", "params/diap/max1=41000",
            "params/diap/min2=41000", "params/diap/max2=49000",
            "params/sql=4",
            "params/onefreq=1",
            "params/dev/count=1", "params/dev/item1=5 кГц",
        }));
        // Merging again adds nothing.
        QCOMPARE(MergeCatalogue(user, shipped), 0);
    }

    // The reader takes the first element of a name and the root whatever it
    // is called; the merge matches the same way.
    void matchesAsTheReaderDoes()
    {
        QDomDocument user = Parse("<mine><hints><hint1>свой</hint1></hints></mine>");
        const QDomDocument shipped = Parse(
            "<settings><hints><hint1>новый</hint1><hint3>поиск</hint3><hint3>лишний</hint3></hints>"
            "<hints><hint8>второй</hint8></hints></settings>");
        QCOMPARE(MergeCatalogue(user, shipped), 1);
        QCOMPARE(Leaves(user.documentElement()), QStringList({ "hints/hint1=свой", "hints/hint3=поиск" }));
        QCOMPARE(user.documentElement().tagName(), QStringLiteral("mine"));

        // A leaf in the user's file where the shipped one has children is
        // the user's element: kept as it is.
        QDomDocument leaf = Parse("<s><port>7</port></s>");
        QCOMPARE(MergeCatalogue(leaf, Parse("<s><port><number>0</number></port></s>")), 0);
        QCOMPARE(Leaves(leaf.documentElement()), QStringList({ "port=7" }));

        QDomDocument empty;
        QCOMPARE(MergeCatalogue(empty, shipped), 0);
    }

    // On files: the user's remembered choices and comments survive, the
    // windows-1251 text stays readable, and the merged file is a complete
    // catalogue for the program.
    void mergesTheShippedCatalogueIntoAnOldUserFile()
    {
        QTemporaryDir dir;
        const QString shippedPath = dir.filePath("shipped.xml");
        const QString userPath = dir.filePath("Settings.xml");
        QVERIFY(WriteFile(shippedPath, ShippedSettings()));

        // An older catalogue: no hint8 and no analogue SQL, with the user's
        // port and speed and a comment of his own.
        QString old = FromCp1251(ShippedSettings());
        old.replace(QRegularExpression("<hint8>[^<]*</hint8>"), QString());
        old.replace(QRegularExpression("<sql>[^<]*</sql>"), QString());
        old.replace(QRegularExpression("<number>[^<]*</number>"), "<number>2</number>");
        old.replace(QRegularExpression("<speed>[^<]*</speed>"), "<speed>1</speed>");
        old.replace("<mainmenu>", "<!-- мой порт -->\n  <mainmenu>");
        QVERIFY(!old.contains("<hint8>") && !old.contains("<sql>"));
        QVERIFY(WriteFile(userPath, ToCp1251(old)));

        int added = -1;
        QCOMPARE(MergeCatalogueFile(userPath, shippedPath, &added), TMergeResult::Merged);
        QCOMPARE(added, 2);
        const QString merged = FromCp1251(ReadFile(userPath));
        QVERIFY(merged.startsWith("<?xml version=\"1.0\" encoding=\"windows-1251\"?>"));
        QVERIFY(merged.contains("<!-- мой порт -->"));
        QVERIFY(merged.contains("<number>2</number>") && merged.contains("<speed>1</speed>"));

        QDomDocument doc;
        TXMLFile xml(&doc);
        QVERIFY(xml.LoadFromFile(userPath));
        QDomDocument shippedDoc;
        TXMLFile shipped(&shippedDoc);
        QVERIFY(shipped.LoadFromFile(shippedPath));
        QCOMPARE(xml.ReadValue("hints", "hint8"), shipped.ReadValue("hints", "hint8"));
        QVERIFY(!xml.ReadValue("hints", "hint8").isEmpty());
        QCOMPARE(xml.ReadValue("params", "sql"), shipped.ReadValue("params", "sql"));

        bool loaded = false;
        int port = -1, speed = -1;
        TCatalogueReceivers to;
        to.portIndex = [&](int i) { port = i; };
        to.speedIndex = [&](int i) { speed = i; };
        to.loaded = [&] { loaded = true; };
        ReadCatalogue(xml, userPath, to);
        QVERIFY(loaded);
        QCOMPARE(port, 2);
        QCOMPARE(speed, 1);

        // Up to date now: the file is not written again.
        const QByteArray before = ReadFile(userPath);
        QCOMPARE(MergeCatalogueFile(userPath, shippedPath, &added), TMergeResult::Unchanged);
        QCOMPARE(added, 0);
        QCOMPARE(ReadFile(userPath), before);
    }

    // A catalogue kept from 1.0: "Файл" without the CSV entries, "Станция"
    // without the restore, one entry renamed by the user. After the merge
    // the user sees every command at the place the program picks it from,
    // with his own texts, and the program shows that menu.
    void anEarlierMenuGetsTheNewEntriesAtTheirPlaces()
    {
        QTemporaryDir dir;
        const QString shippedPath = dir.filePath("shipped.xml");
        const QString userPath = dir.filePath("Settings.xml");
        QVERIFY(WriteFile(shippedPath, ShippedSettings()));
        QDomDocument shippedDoc;
        TXMLFile shipped(&shippedDoc);
        QVERIFY(shipped.LoadFromFile(shippedPath));
        auto entry = [&](int item, int sub) {
            return shipped.ReadValue("mainmenu", QStringLiteral("item%1").arg(item), QStringLiteral("subitem%1").arg(sub));
        };
        QCOMPARE(shipped.ReadValue("mainmenu", "item1", "count"), QStringLiteral("7"));

        QString old = FromCp1251(ShippedSettings());
        // The menu's own item elements come first in the file.
        auto replaceFirst = [&old](const QString& name, const QString& by) {
            const int from = old.indexOf("<" + name + ">");
            const QString end = "</" + name + ">";
            old.replace(from, old.indexOf(end, from) + end.size() - from, by);
        };
        replaceFirst("item1", QStringLiteral("<item1><name>Файл</name><count>5</count>"
                                             "<subitem1>%1</subitem1><subitem2>%2</subitem2><subitem3>%3</subitem3>"
                                             "<subitem4>-</subitem4><subitem5>Закрыть программу</subitem5></item1>")
                                  .arg(entry(1, 1), entry(1, 2), entry(1, 3)));
        replaceFirst("item2", QStringLiteral("<item2><name>Станция</name><count>1</count>"
                                             "<subitem1>Найти станцию</subitem1></item2>"));
        QVERIFY(WriteFile(userPath, ToCp1251(old)));

        int added = -1;
        QCOMPARE(MergeCatalogueFile(userPath, shippedPath, &added), TMergeResult::Merged);
        QCOMPARE(added, 3);   // two file entries, one station entry
        QDomDocument doc;
        TXMLFile xml(&doc);
        QVERIFY(xml.LoadFromFile(userPath));
        TmmitemList menu;
        TCatalogueReceivers to;
        to.menu = [&](const TmmitemList& items) { menu = items; };
        ReadCatalogue(xml, userPath, to);
        QCOMPARE(menu.size(), 4);
        const QStringList file{entry(1, 1), entry(1, 2), entry(1, 3), entry(1, 4), entry(1, 5), "-",
                               "Закрыть программу"};
        QCOMPARE(menu[0].SubItems, file);
        QCOMPARE(menu[1].SubItems, (QStringList{"Найти станцию", entry(2, 2)}));
        QCOMPARE(menu[2].SubItems, (QStringList{entry(3, 1), entry(3, 2)}));

        // Up to date now.
        QCOMPARE(MergeCatalogueFile(userPath, shippedPath, &added), TMergeResult::Unchanged);

        // The program shows the merged menu.
        ProgramWindows p(ReadFile(userPath));
        QVERIFY(p.started);
        QCOMPARE(f_main->fr_mainmenu1->Items()[0].SubItems, file);
        QCOMPARE(f_main->fr_mainmenu1->Items()[1].SubItems.size(), 2);
    }

    // A menu of no earlier layout is the user's own: its entries stay; a
    // catalogue with fewer top-level items gets the count raised and the
    // items copied in.
    void aMenuOfItsOwnIsLeftAlone()
    {
        QDomDocument user = Parse(
            "<settings><mainmenu><count>1</count><item1><name>Ф</name><count>6</count>"
            "<subitem1>a</subitem1><subitem2>b</subitem2><subitem3>c</subitem3><subitem4>d</subitem4>"
            "<subitem5>e</subitem5><subitem6>f</subitem6></item1></mainmenu></settings>");
        const QDomDocument shipped = Parse(
            "<settings><mainmenu><count>2</count><item1><name>Файл</name><count>7</count>"
            "<subitem1>1</subitem1><subitem2>2</subitem2><subitem3>3</subitem3><subitem4>4</subitem4>"
            "<subitem5>5</subitem5><subitem6>6</subitem6><subitem7>7</subitem7></item1>"
            "<item2><name>Станция</name><count>1</count><subitem1>поиск</subitem1></item2></mainmenu></settings>");
        QCOMPARE(MergeCatalogue(user, shipped), 1 + 1 + 1);   // the item count, subitem7, item2
        const QStringList leaves = Leaves(user.documentElement());
        QVERIFY(leaves.contains("mainmenu/count=2"));
        QVERIFY(leaves.contains("mainmenu/item1/count=6"));
        QVERIFY(leaves.contains("mainmenu/item1/subitem6=f"));
        QVERIFY(leaves.contains("mainmenu/item2/subitem1=поиск"));
    }

    void unreadableFilesAreLeftAlone()
    {
        QTemporaryDir dir;
        const QString shippedPath = dir.filePath("shipped.xml");
        const QString userPath = dir.filePath("Settings.xml");
        QVERIFY(WriteFile(shippedPath, ShippedSettings()));
        QVERIFY(WriteFile(userPath, "<settings><port>"));   // broken by hand
        QCOMPARE(MergeCatalogueFile(userPath, shippedPath), TMergeResult::UserUnreadable);
        QCOMPARE(ReadFile(userPath), QByteArray("<settings><port>"));

        QCOMPARE(MergeCatalogueFile(dir.filePath("none.xml"), shippedPath), TMergeResult::UserUnreadable);
        QVERIFY(!QFile::exists(dir.filePath("none.xml")));
        QVERIFY(WriteFile(userPath, "<settings/>"));
        QCOMPARE(MergeCatalogueFile(userPath, dir.filePath("none.xml")), TMergeResult::ShippedUnreadable);
        QCOMPARE(ReadFile(userPath), QByteArray("<settings/>"));
    }

    // The command the launcher runs: exit code 0 when the file is up to
    // date, 1 when it cannot be brought there.
    void commandLineTool()
    {
        QTemporaryDir dir;
        const QString tool = QStringLiteral(TARNIK_BIN_DIR "/tarnik-catalogue-merge");
        const QString shippedPath = dir.filePath("shipped.xml");
        const QString userPath = dir.filePath("Settings.xml");
        QVERIFY(WriteFile(shippedPath, ToCp1251("<?xml version=\"1.0\" encoding=\"windows-1251\"?>"
                                               "<settings><port><number>0</number></port><a>новое</a></settings>")));
        QVERIFY(WriteFile(userPath, "<settings><port><number>4</number></port></settings>"));
        auto run = [&](const QStringList& args) {
            QProcess p;
            p.start(tool, args);
            return p.waitForFinished(30000) && p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
        };
        QCOMPARE(run({ userPath, shippedPath }), 0);
        const QByteArray merged = ReadFile(userPath);
        QVERIFY(merged.contains("<number>4</number>"));
        QVERIFY(merged.contains("<a>новое</a>"));
        QCOMPARE(run({ userPath, shippedPath }), 0);
        QCOMPARE(ReadFile(userPath), merged);
        QCOMPARE(run({ dir.filePath("none.xml"), shippedPath }), 1);
        QCOMPARE(run({ userPath }), 2);
    }
};

TARNIK_TEST_MAIN(TestCatalogueMerge)
#include "test_cataloguemerge.moc"
