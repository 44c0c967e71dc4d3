// tarnik-cli speaks the language the locale asks for: English under an
// English locale and for languages without a translation, Russian under
// Russian and where no language is set (C, POSIX).
#include "tests/support/TestRegistry.h"
#include "tests/cli/CliRun.h"
#include <QtTest>

namespace {
bool English(const CliRun& run)
{
    return run.out.startsWith(QStringLiteral("Tarnik station programmer, command line."))
        && run.out.contains(QStringLiteral("Usage: tarnik-cli"));
}
bool Russian(const CliRun& run)
{
    return run.out.startsWith(QStringLiteral("Программатор станций Тарник, командная строка."))
        && run.out.contains(QStringLiteral("Вызов: tarnik-cli"));
}
} // namespace

class TestCliLanguage : public QObject {
    Q_OBJECT
private slots:
    void helpFollowsLocale_data()
    {
        QTest::addColumn<QStringList>("locale");
        QTest::addColumn<bool>("english");
        QTest::newRow("LANG=en_US") << QStringList{"LANG=en_US.UTF-8"} << true;
        QTest::newRow("LANG=de_DE") << QStringList{"LANG=de_DE.UTF-8"} << true;
        QTest::newRow("LANG=ru_RU") << QStringList{"LANG=ru_RU.UTF-8"} << false;
        QTest::newRow("LANG=C.UTF-8") << QStringList{"LANG=C.UTF-8"} << false;
        QTest::newRow("LANG=C") << QStringList{"LANG=C"} << false;
        QTest::newRow("LANG=POSIX") << QStringList{"LANG=POSIX"} << false;
        QTest::newRow("nothing set") << QStringList() << false;
        QTest::newRow("LC_ALL over LANG") << QStringList{"LANG=ru_RU.UTF-8", "LC_ALL=en_US.UTF-8"} << true;
        QTest::newRow("LC_ALL=C over LANG") << QStringList{"LANG=en_US.UTF-8", "LC_ALL=C.UTF-8"} << false;
        QTest::newRow("LC_MESSAGES over LANG") << QStringList{"LANG=ru_RU.UTF-8", "LC_MESSAGES=en_US.UTF-8"} << true;
        QTest::newRow("LANGUAGE over LANG") << QStringList{"LANG=ru_RU.UTF-8", "LANGUAGE=en_GB"} << true;
        QTest::newRow("LANGUAGE de:ru") << QStringList{"LANG=de_DE.UTF-8", "LANGUAGE=de:ru"} << false;
    }
    void helpFollowsLocale()
    {
        QFETCH(QStringList, locale);
        QFETCH(bool, english);
        const CliRun run = RunCliWithLocale({"--help"}, locale);
        QCOMPARE(run.exitCode, 0);
        if (english)
            QVERIFY2(English(run), qPrintable(run.out.left(200)));
        else
            QVERIFY2(Russian(run), qPrintable(run.out.left(200)));
    }
};

TARNIK_TEST_GUILESS_MAIN(TestCliLanguage)
#include "test_cli_language.moc"
