// The program's language: chosen from the catalogue's setting and the
// system's preferred languages, installed with its translation, and the
// number format that goes with it.
#include "tests/support/TestRegistry.h"
#include "document/NumberText.h"
#include "document/ProgramLanguage.h"
#include <QtTest>

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
};

TARNIK_TEST_GUILESS_MAIN(TestLanguage)
#include "test_language.moc"
