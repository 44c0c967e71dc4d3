// The program's language: chosen from the catalogue's setting and the
// system's preferred languages, installed with its translation, and the
// number format that goes with it.
#include "tests/support/TestRegistry.h"
#include "document/Catalogue.h"
#include "document/NumberText.h"
#include "document/ProgramLanguage.h"
#include "document/U_xml.h"
#include <QTest>

namespace {
// Every text of the shipped catalogue the program shows: menu titles and
// entries (not the separator "-"), tool hints, the items of the lists.
QStringList ShownCatalogueTexts()
{
    QStringList texts;
    TCatalogueReceivers to;
    to.menu = [&](const TmmitemList& menu) {
        for (const Tmmitem& item : menu) {
            texts << item.Name;
            for (const QString& entry : item.SubItems) {
                if (entry != QLatin1String("-"))
                    texts << entry;
            }
        }
    };
    to.hint = [&](int, const QString& hint) { texts << hint; };
    to.lists = [&](const TCatalogueLists& lists) { texts << lists.deviation << lists.levels << lists.volume << lists.squelch; };
    QDomDocument doc;
    TXMLFile xml(&doc);
    ReadCatalogue(xml, QStringLiteral(TARNIK_SOURCE_DIR "/data/Settings/Settings.xml"), to);
    texts.removeAll(QString());
    texts.removeDuplicates();
    return texts;
}
} // namespace

Q_DECLARE_METATYPE(TLanguage)

class TestLanguage : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { InstallLanguage(*QCoreApplication::instance(), QStringLiteral("ru")); }

    void choose_data()
    {
        QTest::addColumn<QString>("setting");
        QTest::addColumn<QStringList>("uiLanguages");
        QTest::addColumn<TLanguage>("expected");
        const QStringList english{"en-US", "en-Latn-US", "en"};
        const QStringList russian{"ru-RU", "ru-Cyrl-RU", "ru"};
        const QStringList german{"de-DE", "de-Latn-DE", "de"};
        QTest::newRow("en_US") << QString() << english << TLanguage::English;
        QTest::newRow("en_GB") << QString() << QStringList{"en-GB", "en-Latn-GB"} << TLanguage::English;
        QTest::newRow("ru_RU") << QString() << russian << TLanguage::Russian;
        QTest::newRow("ru_UA") << QString() << QStringList{"ru-UA", "ru-Cyrl-UA", "ru"} << TLanguage::Russian;
        // A language without a translation: English, not the program's own.
        QTest::newRow("de_DE") << QString() << german << TLanguage::English;
        QTest::newRow("uk_UA") << QString() << QStringList{"uk-UA", "uk-Cyrl-UA", "uk"} << TLanguage::English;
        // Where no language is set the program keeps its own.
        QTest::newRow("C") << QString() << QStringList{"C"} << TLanguage::Russian;
        QTest::newRow("POSIX") << QString() << QStringList{"POSIX"} << TLanguage::Russian;
        QTest::newRow("C.UTF-8") << QString() << QStringList{"C.UTF-8"} << TLanguage::Russian;
        QTest::newRow("empty list") << QString() << QStringList() << TLanguage::Russian;
        // LANGUAGE=de:ru: the first language the program speaks.
        QTest::newRow("de then ru") << QString() << QStringList{"de", "de-DE", "ru", "ru-RU"} << TLanguage::Russian;
        QTest::newRow("fr then en") << QString() << QStringList{"fr", "en"} << TLanguage::English;
        QTest::newRow("underscore form") << QString() << QStringList{"en_US"} << TLanguage::English;
        // A language code only begins like one the program speaks.
        QTest::newRow("not ru") << QString() << QStringList{"rue-UA"} << TLanguage::English;
        QTest::newRow("not en") << QString() << QStringList{"eno"} << TLanguage::English;
        // The catalogue's setting overrides the system.
        QTest::newRow("setting ru over en_US") << "ru" << english << TLanguage::Russian;
        QTest::newRow("setting en over ru_RU") << "en" << russian << TLanguage::English;
        QTest::newRow("setting en over C") << "en" << QStringList{"C"} << TLanguage::English;
        QTest::newRow("setting with blanks") << " EN " << russian << TLanguage::English;
        // Anything else follows the system.
        QTest::newRow("setting unknown") << "de" << russian << TLanguage::Russian;
        QTest::newRow("setting system") << "system" << english << TLanguage::English;
    }
    void choose()
    {
        QFETCH(QString, setting);
        QFETCH(QStringList, uiLanguages);
        QFETCH(TLanguage, expected);
        QCOMPARE(ChooseLanguage(setting, uiLanguages), expected);
    }

    // The compiled English translation is in the program: installed, a
    // text of the program comes out English, the number format switches,
    // and Russian brings both back.
    void installSwitchesTextsAndNumbers()
    {
        QCOMPARE(InstallLanguage(*QCoreApplication::instance(), QStringLiteral("en")), TLanguage::English);
        QCOMPARE(ProgramLanguage(), TLanguage::English);
        QCOMPARE(QCoreApplication::translate("Commands", "\nПараметры:\n"), QStringLiteral("\nOptions:\n"));
        QCOMPARE(DecimalText(67.0, 1), QStringLiteral("67.0"));
        QCOMPARE(DecimalText(45100, 0), QStringLiteral("45100"));

        QCOMPARE(InstallLanguage(*QCoreApplication::instance(), QStringLiteral("ru")), TLanguage::Russian);
        QCOMPARE(ProgramLanguage(), TLanguage::Russian);
        QCOMPARE(QCoreApplication::translate("Commands", "\nПараметры:\n"), QStringLiteral("\nПараметры:\n"));
        QCOMPARE(DecimalText(67.0, 1), QStringLiteral("67,0"));
        QCOMPARE(DecimalText(45100, 0), QStringLiteral("45100"));
    }

    // Qt's own dialogs speak the program's language: Qt's Russian
    // translation with Russian, none left over after a switch to English.
    void qtOwnTextsFollowLanguage()
    {
        InstallLanguage(*QCoreApplication::instance(), QStringLiteral("ru"));
        if (QCoreApplication::translate("QFileDialog", "Back") == QLatin1String("Back"))
            QSKIP("Qt's Russian translation (qt6-translations-l10n) is not installed");
        QCOMPARE(QCoreApplication::translate("QFileDialog", "Back"), QStringLiteral("Назад"));
        InstallLanguage(*QCoreApplication::instance(), QStringLiteral("en"));
        QCOMPARE(QCoreApplication::translate("QFileDialog", "Back"), QStringLiteral("Back"));
        QCOMPARE(ProgramLanguage(), TLanguage::English);
    }

    // Every shown text of the shipped catalogue has its English: a new
    // menu entry or list item in the catalogue needs its line in
    // translations/catalogue-texts.cpp (and its English in the .ts).
    void shippedCatalogueTranslated()
    {
        const QStringList texts = ShownCatalogueTexts();
        QVERIFY(texts.size() > 40);
        QVERIFY(texts.contains(QStringLiteral("Уровень 16")));
        InstallLanguage(*QCoreApplication::instance(), QStringLiteral("en"));
        QStringList untranslated;
        for (const QString& text : texts) {
            if (CatalogueText(text) == text)
                untranslated << text;
        }
        QVERIFY2(untranslated.isEmpty(), qPrintable(untranslated.join(QStringLiteral(" | "))));
        QCOMPARE(CatalogueText(QStringLiteral("Уровень 16")), QStringLiteral("Level 16"));
        QCOMPARE(CatalogueText(QStringLiteral("0,5 кГц")), QStringLiteral("0.5 kHz"));
        // A user's own text stays as the catalogue has it.
        QCOMPARE(CatalogueText(QStringLiteral("Уровень 17")), QStringLiteral("Уровень 17"));
        QCOMPARE(CatalogueText(QString()), QString());
    }

    // In Russian the catalogue's texts are shown as they are.
    void catalogueUnchangedInRussian()
    {
        InstallLanguage(*QCoreApplication::instance(), QStringLiteral("ru"));
        for (const QString& text : ShownCatalogueTexts())
            QCOMPARE(CatalogueText(text), text);
    }

    // The band list the program makes from the catalogue's limits carries
    // the unit in the program's language.
    void bandUnitFollowsLanguage()
    {
        auto firstBand = [] {
            QString band;
            TCatalogueReceivers to;
            to.lists = [&](const TCatalogueLists& lists) { band = lists.bands.value(0); };
            QDomDocument doc;
            TXMLFile xml(&doc);
            ReadCatalogue(xml, QStringLiteral(TARNIK_SOURCE_DIR "/data/Settings/Settings.xml"), to);
            return band;
        };
        QCOMPARE(firstBand(), QStringLiteral("33000 - 41000 кГц"));
        InstallLanguage(*QCoreApplication::instance(), QStringLiteral("en"));
        QCOMPARE(firstBand(), QStringLiteral("33000 - 41000 kHz"));
    }
};

TARNIK_TEST_GUILESS_MAIN(TestLanguage)
#include "test_language.moc"
