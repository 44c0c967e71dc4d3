// tarnik-cli speaks the language the locale asks for: English under an
// English locale and for languages without a translation, Russian under
// Russian and where no language is set (C, POSIX).
#include "tests/support/TestRegistry.h"
#include "tests/cli/CliRun.h"
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QStringList EnglishLocale{"LANG=en_US.UTF-8"};
const QStringList RussianLocale{"LANG=ru_RU.UTF-8"};
const QStringList CommandNames{"ports", "search", "read", "write", "verify", "decode", "encode", "diff", "show"};

// Any Cyrillic letter: a Russian text left untranslated.
QString Cyrillic(const QString& text)
{
    const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("[^\\n]*[\\x{0400}-\\x{04FF}][^\\n]*")).match(text);
    return m.hasMatch() ? m.captured(0) : QString();
}

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
        // As for gettext, LANGUAGE counts only where a locale is set.
        QTest::newRow("LANGUAGE under LC_ALL=C") << QStringList{"LC_ALL=C.UTF-8", "LANGUAGE=en_US"} << false;
        QTest::newRow("LANGUAGE alone") << QStringList{"LANGUAGE=en_US"} << false;
        QTest::newRow("LANGUAGE under LANG=POSIX") << QStringList{"LANG=POSIX", "LANGUAGE=en"} << false;
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

    // Every help text in English is wholly English: a text that missed its
    // translation shows as a Cyrillic line.
    void everyHelpWhollyEnglish()
    {
        const CliRun tool = RunCliWithLocale({"--help"}, EnglishLocale);
        QCOMPARE(tool.exitCode, 0);
        QVERIFY2(Cyrillic(tool.out).isEmpty(), qPrintable(Cyrillic(tool.out)));
        QVERIFY(tool.out.contains(QStringLiteral("Exit codes:")));
        for (const QString& c : CommandNames) {
            const CliRun help = RunCliWithLocale({c, "--help"}, EnglishLocale);
            QCOMPARE(help.exitCode, 0);
            QVERIFY2(Cyrillic(help.out).isEmpty(), qPrintable(c + ": " + Cyrillic(help.out)));
            QVERIFY2(help.out.contains(QStringLiteral("Usage: tarnik-cli ") + c), qPrintable(c));
            // The same help is Russian under a Russian locale.
            QVERIFY(RunCliWithLocale({c, "--help"}, RussianLocale).out.contains(QStringLiteral("Вызов: tarnik-cli ") + c));
        }
    }

    // Errors speak the locale's language, with the same exit codes.
    void errorsInTheLocalesLanguage()
    {
        CliRun r = RunCliWithLocale({"frobnicate"}, EnglishLocale);
        QCOMPARE(r.exitCode, 2);
        QCOMPARE(r.err.trimmed(), QStringLiteral("tarnik-cli: unknown command frobnicate\nHelp: tarnik-cli --help"));
        r = RunCliWithLocale({"frobnicate"}, RussianLocale);
        QCOMPARE(r.exitCode, 2);
        QCOMPARE(r.err.trimmed(), QStringLiteral("tarnik-cli: неизвестная команда frobnicate\nСправка: tarnik-cli --help"));

        QTemporaryDir tmp;
        const QString missing = tmp.filePath(QStringLiteral("missing.bin"));
        r = RunCliWithLocale({"show", missing}, EnglishLocale);
        QCOMPARE(r.exitCode, 2);
        QVERIFY2(r.err.contains(QStringLiteral("file not found")), qPrintable(r.err));
        QVERIFY2(Cyrillic(r.err).isEmpty(), qPrintable(r.err));
        QVERIFY(RunCliWithLocale({"show", missing}, RussianLocale).err.contains(QStringLiteral("файл не найден")));
    }

    // show in English: every caption, catalogue word and unit English, and
    // numbers with a decimal point; in Russian with a decimal comma.
    void showInEnglishWithDecimalPoint()
    {
        QTemporaryDir tmp;
        const QString image = tmp.filePath(QStringLiteral("a.bin"));
        QVERIFY(WriteFile(image, OneChannelImage()));
        const CliRun english = RunCliWithLocale({"show", image}, EnglishLocale);
        QCOMPARE(english.exitCode, 0);
        QVERIFY2(Cyrillic(english.out).isEmpty(), qPrintable(Cyrillic(english.out)));
        QVERIFY2(english.out.contains(QStringLiteral("67.0 Hz")), qPrintable(english.out));
        QVERIFY(english.out.contains(QStringLiteral("Frequency band")));
        QVERIFY(english.out.contains(QStringLiteral("kHz")));
        const CliRun russian = RunCliWithLocale({"show", image}, RussianLocale);
        QCOMPARE(russian.exitCode, 0);
        QVERIFY(russian.out.contains(QStringLiteral("67,0 Гц")));
        QVERIFY(russian.out.contains(QStringLiteral("Частотный диапазон")));
        // The same lines, one per setting and channel, in both.
        QCOMPARE(english.out.count(QLatin1Char('\n')), russian.out.count(QLatin1Char('\n')));
    }

    // What other programs read does not change with the language: JSON
    // (keys and values), CSV, the .vtr file. (The .vtr file's creation date
    // is written in the system's date format, which follows LC_TIME, not
    // the language: the English run differs from the Russian one in its
    // messages only.)
    void filesAndJsonTheSameInBothLanguages()
    {
        QTemporaryDir tmp;
        const QString image = tmp.filePath(QStringLiteral("a.bin"));
        QVERIFY(WriteFile(image, OneChannelImage()));
        const QStringList englishMessages{"LANG=ru_RU.UTF-8", "LC_MESSAGES=en_US.UTF-8"};
        QVERIFY(English(RunCliWithLocale({"--help"}, englishMessages)));
        // The creation time may pass a second between the two runs.
        const QRegularExpression time(QStringLiteral("<creation_time>[^<]*</creation_time>"));
        for (const char* format : {"json", "csv", "vtr"}) {
            const CliRun english = RunCliWithLocale({"decode", image, "--format", format, "-o", "-"}, englishMessages);
            const CliRun russian = RunCliWithLocale({"decode", image, "--format", format, "-o", "-"}, RussianLocale);
            QCOMPARE(english.exitCode, 0);
            QVERIFY(!english.outBytes.isEmpty());
            QVERIFY2(QString::fromLatin1(english.outBytes).remove(time) == QString::fromLatin1(russian.outBytes).remove(time),
                     format);
        }
        const CliRun english = RunCliWithLocale({"show", image, "--json"}, EnglishLocale);
        QCOMPARE(english.exitCode, 0);
        QCOMPARE(english.outBytes, RunCliWithLocale({"show", image, "--json"}, RussianLocale).outBytes);
    }

    // The catalogue's language setting holds over the system's, from the
    // first line printed.
    void catalogueSettingOverridesLocale()
    {
        QFile shipped(QStringLiteral(TARNIK_SOURCE_DIR "/data/Settings/Settings.xml"));
        QVERIFY(shipped.open(QIODevice::ReadOnly));
        const QByteArray catalogue = shipped.readAll();
        QVERIFY(catalogue.contains("<params>"));
        QTemporaryDir tmp;
        const QString english = tmp.filePath(QStringLiteral("english.xml"));
        const QString russian = tmp.filePath(QStringLiteral("russian.xml"));
        const QString system = tmp.filePath(QStringLiteral("system.xml"));
        QVERIFY(WriteFile(english, QByteArray(catalogue).replace("<params>", "<params>\n    <lang>en</lang>")));
        QVERIFY(WriteFile(russian, QByteArray(catalogue).replace("<params>", "<params>\n    <lang>ru</lang>")));
        QVERIFY(WriteFile(system, QByteArray(catalogue).replace("<params>", "<params>\n    <lang></lang>")));
        QVERIFY(English(RunCliWithLocale({"--catalogue", english, "--help"}, RussianLocale)));
        QVERIFY(English(RunCliWithLocale({"--help", "--catalogue=" + english}, {"LANG=C.UTF-8"})));
        QVERIFY(Russian(RunCliWithLocale({"--catalogue", russian, "--help"}, EnglishLocale)));
        QVERIFY(English(RunCliWithLocale({"--catalogue", system, "--help"}, EnglishLocale)));
        QVERIFY(Russian(RunCliWithLocale({"--catalogue", system, "--help"}, RussianLocale)));
        // The current directory's catalogue counts as the command line finds it.
        QVERIFY(QDir(tmp.path()).mkpath(QStringLiteral("Settings")));
        QVERIFY(QFile::copy(english, tmp.filePath(QStringLiteral("Settings/Settings.xml"))));
        QVERIFY(English(RunCliWithLocale({"--help"}, RussianLocale, tmp.path())));
        // A catalogue that cannot be read leaves the system's language.
        QVERIFY(Russian(RunCliWithLocale({"--catalogue", tmp.filePath(QStringLiteral("none.xml")), "--help"},
                                         RussianLocale)));
    }
};

TARNIK_TEST_GUILESS_MAIN(TestCliLanguage)
#include "test_cli_language.moc"
