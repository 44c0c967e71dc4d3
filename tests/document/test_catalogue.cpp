// Reading the catalogue and writing back the remembered choices.
#include "tests/support/TestRegistry.h"
#include "document/Catalogue.h"
#include "document/Convert.h"
#include "document/CatalogueLanguage.h"
#include "document/U_xml.h"
#include "tests/support/TestRunDir.h"
#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTest>

namespace {

// Everything the receivers were handed, in order.
struct Received {
    QStringList order;
    TmmitemList menu;
    QMap<int, QString> hints;
    int port = -100;
    int speed = -100;
    TCatalogueLists lists;
    bool common = false;
    int safeWrite = -1;   // -1: not handed on
};

TCatalogueReceivers Recorder(Received& r)
{
    TCatalogueReceivers to;
    to.menu = [&r](const TmmitemList& m) { r.order << "menu"; r.menu = m; };
    to.hint = [&r](int n, const QString& t) { if (!r.order.contains("hints")) r.order << "hints"; r.hints[n] = t; };
    to.portIndex = [&r](int i) { r.order << "port"; r.port = i; };
    to.speedIndex = [&r](int i) { r.order << "speed"; r.speed = i; };
    to.lists = [&r](const TCatalogueLists& l) { r.order << "lists"; r.lists = l; };
    to.commonFrequency = [&r](bool on) { r.order << "common"; r.common = on; };
    to.safeWrite = [&r](bool on) { r.order << "safewrite"; r.safeWrite = on; };
    to.bandChange = [&r] { r.order << "band"; };
    to.loaded = [&r] { r.order << "loaded"; };
    return to;
}

QString Shipped()
{
    QStringDecoder dec("windows-1251");
    return dec.decode(ShippedSettings());
}

QByteArray Cp1251(const QString& text)
{
    QStringEncoder enc("windows-1251");
    return enc.encode(text);
}

// The shipped catalogue with one piece of text replaced.
QByteArray Edited(const QString& from, const QString& to)
{
    QString s = Shipped();
    if (!s.contains(from))
        qFatal("the shipped catalogue no longer holds %s", qPrintable(from));
    s.replace(from, to);
    return Cp1251(s);
}

} // namespace

class TestCatalogue : public QObject {
    Q_OBJECT
private:
    void Read(const QByteArray& bytes, Received& r, bool expectFailure = false)
    {
        const QString error = Error(bytes, r);
        QVERIFY2(error.isEmpty() != expectFailure, qPrintable(error));
    }

    // The message that stopped loading; empty when it completed.
    QString Error(const QByteArray& bytes, Received& r)
    {
        TestRunDir run;
        if (!run.WriteSettings(bytes))
            return QStringLiteral("not written");
        QDomDocument doc;
        TXMLFile xml(&doc);
        try {
            ReadCatalogue(xml, run.SettingsFile(), Recorder(r));
        } catch (const EConvertError& e) {
            return e.Message();
        }
        return QString();
    }

private slots:
    void shippedCatalogueFeedsEveryReceiverInOrder()
    {
        Received r;
        Read(ShippedSettings(), r);
        QCOMPARE(r.order, (QStringList{"menu", "hints", "port", "speed", "lists", "common", "safewrite", "band",
                                       "loaded"}));
        QCOMPARE(r.menu.size(), 4);
        QCOMPARE(r.menu[0].SubItems.size(), 7);
        QCOMPARE(r.menu[0].SubItems[5], QStringLiteral("-"));
        QCOMPARE(r.menu[0].SubItems[6], QStringLiteral("Выход"));
        QCOMPARE(r.menu[1].SubItems.size(), 2);
        QCOMPARE(r.menu[1].SubItems[1], QStringLiteral("Восстановить из резервной копии..."));
        QCOMPARE(r.menu[2].SubItems.size(), 2);
        QCOMPARE(r.menu[3].SubItems.size(), 2);
        QCOMPARE(r.hints.keys(), (QList<int>{1, 3, 4, 5, 6, 7, 8}));
        for (const QString& h : r.hints)
            QVERIFY(!h.isEmpty());
        QCOMPARE(r.port, 0);
        QCOMPARE(r.speed, 0);
        QCOMPARE(r.lists.bands.first(), QStringLiteral("33000 - 41000 кГц"));
        QVERIFY(r.common);
        QCOMPARE(r.safeWrite, 1);
    }

    void shippedListsFitTheStationFields()
    {
        Received r;
        Read(ShippedSettings(), r);
        // 5-bit levels: "Нет" plus the items must stay within 0..31.
        QVERIFY(r.lists.deviation.size() <= 31);
        QVERIFY(r.lists.levels.size() <= 31);
        QVERIFY(r.lists.volume.size() <= 256);
        QVERIFY(r.lists.squelch.size() <= 256);
        QVERIFY(r.lists.analogSql <= 256);
        QVERIFY(!r.lists.deviation.isEmpty() && !r.lists.levels.isEmpty());
    }

    void shippedBandsStayOnTheGridTheStationKeeps()
    {
        TestRunDir run;
        QDomDocument doc;
        TXMLFile xml(&doc);
        QVERIFY(xml.LoadFromFile(run.SettingsFile()));
        const int bands = StrToInt(xml.ReadValue("params", "diap", "count"));
        QVERIFY(bands >= 1);
        QCOMPARE(StrToInt(xml.ReadValue("params", "step")), 25000);
        for (int k = 1; k <= bands; ++k) {
            const int min = StrToInt(xml.ReadValue("params", "diap", "min" + QString::number(k)));
            const int max = StrToInt(xml.ReadValue("params", "diap", "max" + QString::number(k)));
            QVERIFY(min >= 33000 && max <= 58575 && min < max);
            QCOMPARE((min - 33000) % 25, 0);
            QCOMPARE((max - 33000) % 25, 0);
            // A channel with both frequencies from 57 000 kHz up would be
            // stored as an empty slot.
            QVERIFY(max < 57000);
        }
    }

    void hintTwoIsIgnoredAndMissingTextsAreEmpty()
    {
        Received r;
        QString s = Shipped();
        s.replace("<hint1>", "<hint2>Лишний</hint2>\n    <hint1>");
        s.remove(QRegularExpression("<hint5>[^<]*</hint5>"));
        s.replace("<subitem2>Сохранить</subitem2>", "");
        Read(Cp1251(s), r);
        QVERIFY(!r.hints.contains(2));
        QCOMPARE(r.hints[5], QString());
        QCOMPARE(r.menu[0].SubItems[1], QString());
        QVERIFY(r.order.contains("loaded"));
    }

    void subItemCountBeyondTheElementsGivesEmptyTitles()
    {
        Received r;
        Read(Edited("<count>2</count>\n      <subitem1>Поиск станции</subitem1>",
                    "<count>4</count>\n      <subitem1>Поиск станции</subitem1>"), r);
        QCOMPARE(r.menu[1].SubItems,
                 (QStringList{"Поиск станции", "Восстановить из резервной копии...", "", ""}));
    }

    void bandLimitsAreCopiedAsWritten()
    {
        Received r;
        Read(Edited("<min1>33000</min1>", "<min1> 033000 </min1>"), r);
        QCOMPARE(r.lists.bands.first(), QStringLiteral(" 033000  - 41000 кГц"));
    }

    void sqlOfZeroGivesAnEmptyList()
    {
        Received r;
        Read(Edited("<sql>16</sql>", "<sql>0</sql>"), r);
        QCOMPARE(r.lists.analogSql, 0);
    }

    void commonFrequencyIsOnForAnyNonZeroValue_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("on");
        QTest::newRow("zero") << "0" << false;
        QTest::newRow("one") << "1" << true;
        QTest::newRow("negative") << "-5" << true;
        QTest::newRow("large") << "7" << true;
    }
    void commonFrequencyIsOnForAnyNonZeroValue()
    {
        QFETCH(QString, value);
        QFETCH(bool, on);
        Received r;
        Read(Edited("<onefreq>1</onefreq>", "<onefreq>" + value + "</onefreq>"), r);
        QCOMPARE(r.common, on);
    }

    void safeWriteIsOnUnlessStoredAsZero_data()
    {
        QTest::addColumn<QString>("element");
        QTest::addColumn<int>("on");
        QTest::newRow("zero") << "<safewrite>0</safewrite>" << 0;
        QTest::newRow("one") << "<safewrite>1</safewrite>" << 1;
        QTest::newRow("negative") << "<safewrite>-2</safewrite>" << 1;
        QTest::newRow("not a number") << "<safewrite>да</safewrite>" << 1;
        QTest::newRow("empty") << "<safewrite/>" << 1;
        QTest::newRow("missing") << "" << 1;
    }
    void safeWriteIsOnUnlessStoredAsZero()
    {
        QFETCH(QString, element);
        QFETCH(int, on);
        Received r;
        Read(Edited("<safewrite>1</safewrite>", element), r);
        QCOMPARE(r.safeWrite, on);
        QVERIFY(r.order.contains("loaded"));
    }

    void portThatIsNotANumberSelectsTheFirstAndLoadingGoesOn()
    {
        Received r;
        Read(Edited("<number>0</number>\n    <speed>0</speed>", "<number>abc</number>\n    <speed>2</speed>"), r);
        QCOMPARE(r.port, 0);
        QCOMPARE(r.speed, 2);
        QVERIFY(r.order.contains("loaded"));
        Received missing;
        Read(Edited("<speed>0</speed>", ""), missing);
        QCOMPARE(missing.speed, 0);
    }

    void missingFileStopsBeforeAnythingIsHandedOn()
    {
        TestRunDir run;
        QVERIFY(QFile::remove(run.SettingsFile()));
        QDomDocument doc;
        TXMLFile xml(&doc);
        Received r;
        QVERIFY_THROWS_EXCEPTION(EConvertError, ReadCatalogue(xml, run.SettingsFile(), Recorder(r)));
        QVERIFY(r.order.isEmpty());
    }

    void malformedFileStopsLikeAMissingOne()
    {
        Received r;
        Read("<settings><mainmenu><count>1</count></mainmenu>", r, true);
        QVERIFY(r.order.isEmpty());
    }

    void requiredNumberMissingStopsAtThatPoint()
    {
        Received r;
        Read(Edited("<count>10</count>\n      <item1>0,5", "<count>ten</count>\n      <item1>0,5"), r, true);
        QCOMPARE(r.order, (QStringList{"menu", "hints", "port", "speed"}));
        Received menu;
        Read(Edited("<count>4</count>", "<count></count>"), menu, true);
        QVERIFY(menu.order.isEmpty());
        Received onefreq;
        Read(Edited("<onefreq>1</onefreq>", "<onefreq>x</onefreq>"), onefreq, true);
        QCOMPARE(onefreq.order, (QStringList{"menu", "hints", "port", "speed", "lists"}));
    }

    void negativeCountsStopLikeCountsThatAreNotNumbers()
    {
        Received r;
        Read(Edited("<count>4</count>", "<count>-2</count>"), r, true);
        QVERIFY(r.order.isEmpty());
    }

    // Each count has an upper bound from what it feeds; the bound itself
    // loads, one above it stops loading like a count that is not a number.
    void countsAreBoundedByWhatTheyFeed_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<int>("bound");
        QTest::addColumn<QStringList>("handedBeforeTheStop");
        const QStringList none;
        const QStringList lists{"menu", "hints", "port", "speed"};
        QTest::newRow("menu items") << "<count>4</count>" << "<count>%1</count>" << 100 << none;
        QTest::newRow("sub-items") << "<count>2</count>\n      <subitem1>Поиск станции</subitem1>"
                                   << "<count>%1</count>\n      <subitem1>Поиск станции</subitem1>" << 100 << none;
        QTest::newRow("deviation") << "<count>10</count>\n      <item1>0,5" << "<count>%1</count>\n      <item1>0,5" << 31
                                   << lists;
        QTest::newRow("sql") << "<sql>16</sql>" << "<sql>%1</sql>" << 256 << lists;
        QTest::newRow("bands") << "<count>3</count>\n      <min1>" << "<count>%1</count>\n      <min1>" << 255
                               << lists;
    }
    void countsAreBoundedByWhatTheyFeed()
    {
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(int, bound);
        QFETCH(QStringList, handedBeforeTheStop);
        // At the bound the count itself passes (the menu then stops at the
        // first missing item count, which is not about the bound).
        Received atBound;
        QVERIFY(!Error(Edited(from, to.arg(bound)), atBound).contains(QStringLiteral("вне пределов")));
        for (int beyond : {bound + 1, 2000000000, -1}) {
            Received r;
            QVERIFY(Error(Edited(from, to.arg(beyond)), r).contains(QStringLiteral("вне пределов")));
            QCOMPARE(r.order, handedBeforeTheStop);
        }
    }

    void boundMessageNamesTheCountAndItsLimits()
    {
        TestRunDir run;
        QVERIFY(run.WriteSettings(Edited("<sql>16</sql>", "<sql>300</sql>")));
        QDomDocument doc;
        TXMLFile xml(&doc);
        try {
            ReadCatalogue(xml, run.SettingsFile(), {});
            QFAIL("loaded");
        } catch (const EConvertError& e) {
            QCOMPARE(e.Message(), QStringLiteral("Settings.xml: число 300 в params/sql вне пределов 0 - 256."));
        }
    }

    void unloadableFileIsNamedWithTheReason()
    {
        TestRunDir run;
        QVERIFY(QFile::remove(run.SettingsFile()));
        QVERIFY(QDir().mkdir(run.SettingsFile()));
        QDomDocument doc;
        TXMLFile xml(&doc);
        try {
            ReadCatalogue(xml, run.SettingsFile(), {});
            QFAIL("loaded");
        } catch (const EConvertError& e) {
            QCOMPARE(e.Message(), QStringLiteral("Settings.xml не загружен: это папка, а не файл."));
        }
    }

    // Items are found by number in one pass: any order, the first of two
    // with one name, gaps left empty, leading zeros are other names.
    void numberedItemsAreFoundInAnyOrder()
    {
        Received r;
        Read("<s><mainmenu><count>0</count></mainmenu><params><dev><count>4</count><item04>x</item04>"
             "<item3>c</item3><item2>b</item2><item3>dup</item3><item1>a</item1><item5>e</item5></dev>"
             "<up><count>0</count></up><loud><count>0</count></loud><noise><count>0</count></noise>"
             "<sql>0</sql><diap><count>0</count></diap></params></s>",
             r, true);   // no onefreq: stops after the lists
        QCOMPARE(r.lists.deviation, (QStringList{"a", "b", "c", ""}));
    }

    void writingBackChangesOnlyTheThreeChoices()
    {
        TestRunDir run;
        QDomDocument doc;
        TXMLFile xml(&doc);
        QVERIFY(WriteCatalogueChoices(xml, run.SettingsFile(), {0, 0, true, true}));
        QCOMPARE(run.ReadSettings(), ShippedSettings());
        QVERIFY(WriteCatalogueChoices(xml, run.SettingsFile(), {2, 1, false, false}));
        QString expected = Shipped();
        expected.replace("<number>0</number>", "<number>2</number>");
        expected.replace("<speed>0</speed>", "<speed>1</speed>");
        expected.replace("<onefreq>1</onefreq>", "<onefreq>0</onefreq>");
        expected.replace("<safewrite>1</safewrite>", "<safewrite>0</safewrite>");
        QCOMPARE(run.ReadSettings(), Cp1251(expected));

        // Nothing selected (no port listed at this start): the remembered
        // entries stay.
        QVERIFY(WriteCatalogueChoices(xml, run.SettingsFile(), {-1, -1, false, false}));
        QCOMPARE(run.ReadSettings(), Cp1251(expected));
    }

    void writingBackCreatesMissingElements()
    {
        TestRunDir run;
        QVERIFY(run.WriteSettings("<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n<settings/>\n"));
        QDomDocument doc;
        TXMLFile xml(&doc);
        QVERIFY(WriteCatalogueChoices(xml, run.SettingsFile(), {1, 2, true, false}));
        QVERIFY(xml.LoadFromFile(run.SettingsFile()));
        QCOMPARE(xml.ReadValue("port", "number"), QStringLiteral("1"));
        QCOMPARE(xml.ReadValue("port", "speed"), QStringLiteral("2"));
        QCOMPARE(xml.ReadValue("params", "onefreq"), QStringLiteral("1"));
        QCOMPARE(xml.ReadValue("params", "safewrite"), QStringLiteral("0"));
    }

    // The language choice: a catalogue without it follows the system and
    // is not changed for a user who never chose; a choice made is read back
    // both before the windows exist and by the catalogue reader; a value
    // the program does not know follows the system.
    void theLanguageChoiceIsKeptWhenMade()
    {
        TestRunDir run;
        QDomDocument doc;
        TXMLFile xml(&doc);
        QCOMPARE(CatalogueLanguageSetting(run.SettingsFile()), QString());
        QVERIFY(WriteCatalogueChoices(xml, run.SettingsFile(), {0, 0, true, true, QString()}));
        QCOMPARE(run.ReadSettings(), ShippedSettings());

        QVERIFY(WriteCatalogueChoices(xml, run.SettingsFile(), {0, 0, true, true, QStringLiteral("en")}));
        QCOMPARE(CatalogueLanguageSetting(run.SettingsFile()), QStringLiteral("en"));
        Received r;
        QString handed = QStringLiteral("not handed on");
        TCatalogueReceivers to = Recorder(r);
        to.language = [&handed](const QString& setting) { handed = setting; };
        ReadCatalogue(xml, run.SettingsFile(), to);
        QCOMPARE(handed, QStringLiteral("en"));

        // Back to the system's language: the element stays, empty.
        QVERIFY(WriteCatalogueChoices(xml, run.SettingsFile(), {0, 0, true, true, QString()}));
        QVERIFY(xml.LoadFromFile(run.SettingsFile()));
        QVERIFY(!xml.FindNode("params", "lang").isNull());
        QCOMPARE(CatalogueLanguageSetting(run.SettingsFile()), QString());

        QVERIFY(run.WriteSettings(Edited("<onefreq>", "<lang> RU </lang><onefreq>")));
        QCOMPARE(CatalogueLanguageSetting(run.SettingsFile()), QStringLiteral("ru"));
        QVERIFY(run.WriteSettings(Edited("<onefreq>", "<lang>de</lang><onefreq>")));
        QCOMPARE(CatalogueLanguageSetting(run.SettingsFile()), QString());
        QVERIFY(QFile::remove(run.SettingsFile()));
        QCOMPARE(CatalogueLanguageSetting(run.SettingsFile()), QString());
    }

    void nothingIsWrittenWhenTheFileCannotBeLoaded()
    {
        TestRunDir run;
        QVERIFY(QFile::remove(run.SettingsFile()));
        QDomDocument doc;
        TXMLFile xml(&doc);
        QVERIFY(!WriteCatalogueChoices(xml, run.SettingsFile(), {1, 1, true, true}));
        QVERIFY(!QFile::exists(run.SettingsFile()));
        QVERIFY(run.WriteSettings("<broken"));
        QVERIFY(!WriteCatalogueChoices(xml, run.SettingsFile(), {1, 1, true, true}));
        QCOMPARE(run.ReadSettings(), QByteArray("<broken"));
    }
};

TARNIK_TEST_GUILESS_MAIN(TestCatalogue)
#include "test_catalogue.moc"
