// tarnik-cli without a station: help and usage errors, the conversions
// between .bin, .vtr and .json, show, diff, and refused input files.
#include "tests/support/TestRegistry.h"
#include "tests/cli/CliRun.h"
#include "tests/support/TestRunDir.h"
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

namespace {
// A configuration whose values all exist in the shipped catalogue, as the
// station's encoder lays it out (unassigned bytes 0xFF).
QByteArray CatalogueImage()
{
    // channel 0: 45000/45100 kHz, tones 1 and 2; channel 9: 41025 kHz, no
    // tones, the last channel on
    QByteArray image = OneChannelImage();
    const int c = (41025 - 33000) * 4 / 25;
    const char ch9[] = {char(((c >> 8) << 4) | (c >> 8)), char(c & 0xFF), char(c & 0xFF), 0, 0};
    image.replace(45, 5, QByteArray(ch9, 5));
    image[500] = 9;
    return image;
}

} // namespace

class TestCliFiles : public QObject {
    Q_OBJECT
    QTemporaryDir tmp;
    QString P(const QString& name) const { return tmp.filePath(name); }

private slots:
    void helpVersionAndUsageErrors()
    {
        CliRun r = RunCli({"--help"});
        QCOMPARE(r.exitCode, 0);
        for (const char* c : {"ports", "search", "read", "write", "verify", "decode", "encode", "diff", "show"}) {
            QVERIFY2(r.out.contains(QString::fromLatin1(c)), c);
            const CliRun h = RunCli({QString::fromLatin1(c), "--help"});
            QCOMPARE(h.exitCode, 0);
            QVERIFY(h.out.contains(QStringLiteral("Коды завершения")));
        }
        r = RunCli({"--version"});
        QCOMPARE(r.exitCode, 0);
        QVERIFY(r.out.startsWith(QStringLiteral("tarnik-cli 1.")));

        QCOMPARE(RunCli({}).exitCode, 2);
        QCOMPARE(RunCli({"frobnicate"}).exitCode, 2);
        r = RunCli({"read", "--bogus"});
        QCOMPARE(r.exitCode, 2);
        QVERIFY(r.err.contains(QStringLiteral("--bogus")));
        QCOMPARE(RunCli({"read", "--port", "COM1", "--port"}).exitCode, 2);
        QCOMPARE(RunCli({"read", "--port", "COM99", "-o", P("x.bin")}).exitCode, 2);
        QCOMPARE(RunCli({"read", "--port", "COM1", "--baud", "1234", "-o", P("x.bin")}).exitCode, 2);
        QCOMPARE(RunCli({"read", "--port", "COM1", "-o", P("x.txt")}).exitCode, 2);
        QCOMPARE(RunCli({"read", "--ports", "COM1-COM3", "-o", P("one.bin")}).exitCode, 2);
        QVERIFY(WriteFile(P("ok.bin"), CatalogueImage()));
        r = RunCli({"write", "--port", "COM1", "--no-verify", P("ok.bin")});
        QCOMPARE(r.exitCode, 2);
        QVERIFY(r.err.contains(QStringLiteral("--blind")));
        r = RunCli({"write", "--port", "COM1", "--full", "--no-verify", P("ok.bin")});
        QCOMPARE(r.exitCode, 2);
        QVERIFY(r.err.contains(QStringLiteral("--blind")));
    }

    // The man pages (English, and Russian under man/ru) and the bash and
    // zsh completions know every command and every option, short and long,
    // the commands' help lists.
    void manPageAndCompletionCoverEveryOption_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QStringList>("sections");
        QTest::newRow("English") << "cli/tarnik-cli.1"
                                 << QStringList{".SH ENVIRONMENT", ".SH FILES", ".SH EXIT STATUS", ".SH EXAMPLES",
                                                "LC_MESSAGES"};
        QTest::newRow("Russian") << "cli/man/ru/tarnik-cli.1"
                                 << QStringList{".SH ОКРУЖЕНИЕ", ".SH ФАЙЛЫ", ".SH КОДЫ ЗАВЕРШЕНИЯ", ".SH ПРИМЕРЫ",
                                                "LC_MESSAGES"};
    }
    void manPageAndCompletionCoverEveryOption()
    {
        QFETCH(QString, page);
        QFETCH(QStringList, sections);
        const QString man = QString::fromUtf8(ReadFile(QStringLiteral(TARNIK_SOURCE_DIR "/") + page));
        const QString bash =
            QString::fromUtf8(ReadFile(QStringLiteral(TARNIK_SOURCE_DIR "/cli/tarnik-cli.bash-completion")));
        const QString zsh = QString::fromUtf8(ReadFile(QStringLiteral(TARNIK_SOURCE_DIR "/cli/_tarnik-cli")));
        QVERIFY(!man.isEmpty() && !bash.isEmpty() && !zsh.isEmpty());
        // The option column of the help: "  -o, --output FILE", "      --json".
        const QRegularExpression optionLine(QStringLiteral("^  ((?:-[A-Za-z], |    )--[-a-z]+)"),
                                            QRegularExpression::MultilineOption);
        const QRegularExpression name(QStringLiteral("--?[A-Za-z][-a-z]*"));
        for (const char* c : {"ports", "search", "read", "write", "verify", "decode", "encode", "diff", "show"}) {
            const QString command = QString::fromLatin1(c);
            QVERIFY2(man.contains(QStringLiteral(".B ") + command), c);
            for (const QString& completion : {bash, zsh})
                QVERIFY2(completion.contains(QRegularExpression(QStringLiteral("\\b%1\\b").arg(command))), c);
            const CliRun help = RunCli({command, "--help"});
            int options = 0;
            for (auto line = optionLine.globalMatch(help.out); line.hasNext();) {
                const QString names = line.next().captured(1);
                for (auto it = name.globalMatch(names); it.hasNext();) {
                    const QString option = it.next().captured(0);
                    ++options;
                    QVERIFY2(bash.contains(option), qPrintable(command + ' ' + option));
                    QVERIFY2(zsh.contains(option), qPrintable(command + ' ' + option));
                    QVERIFY2(man.contains(QString(option).replace('-', QStringLiteral("\\-"))),
                             qPrintable(command + ' ' + option));
                }
            }
            QVERIFY2(options >= 10, qPrintable(command));   // the common ones at least
        }
        // The sections a man page is looked up by.
        sections << "TARNIK_PORTS" << "XDG_DATA_HOME" << "TARNIK_TRACE";
        for (const QString& section : sections)
            QVERIFY2(man.contains(section), qPrintable(section));
    }

    // .bin -> .vtr -> .bin and .bin -> .json -> .bin give the same bytes,
    // PWM power and the shutdown flags included; the .vtr carries them as
    // value26..value28 beside the elements earlier versions know.
    void conversionsKeepEveryByte()
    {
        const QByteArray image = CatalogueImage();
        QVERIFY(WriteFile(P("a.bin"), image));
        for (const char* ext : {"vtr", "json"}) {
            const QString mid = P(QStringLiteral("a.%1").arg(QLatin1String(ext)));
            const QString back = P(QStringLiteral("back-%1.bin").arg(QLatin1String(ext)));
            CliRun r = RunCli({"decode", P("a.bin"), "-o", mid});
            QVERIFY2(r.exitCode == 0, qPrintable(r.err));
            r = RunCli({"encode", mid, "-o", back});
            QVERIFY2(r.exitCode == 0, qPrintable(r.err));
            QCOMPARE(ReadFile(back), image);
        }
        const QString vtr = QString::fromLatin1(ReadFile(P("a.vtr")));
        QVERIFY(vtr.contains(QStringLiteral("<value26>77</value26>")));
        QVERIFY(vtr.contains(QStringLiteral("<value27>True</value27>")));
        QVERIFY(vtr.contains(QStringLiteral("<value28>False</value28>")));
        QVERIFY(vtr.contains(QStringLiteral("<value1>1</value1>")));   // band 2 is list position 1

        // The JSON is the decoded record a script reads.
        const QJsonObject json = QJsonDocument::fromJson(ReadFile(P("a.json"))).object();
        QCOMPARE(json.value("settings").toObject().value("pwmPower").toInt(), 77);
        QCOMPARE(json.value("channels").toArray().size(), 2);
    }

    void catalogueChoiceIsReported()
    {
        QVERIFY(WriteFile(P("c.bin"), CatalogueImage()));
        TestRunDir run;   // a directory with Settings/Settings.xml
        CliRun r = RunCli({"decode", P("c.bin"), "-o", P("c.vtr"), "--verbose"}, run.Path());
        QCOMPARE(r.exitCode, 0);
        QVERIFY2(r.err.contains(run.SettingsFile()), qPrintable(r.err));
        r = RunCli({"decode", P("c.bin"), "-o", P("c2.vtr"), "--verbose", "--catalogue", P("none.xml")});
        QVERIFY(r.err.contains(P("none.xml")));
        // Reading a .vtr needs the catalogue: without one it is refused.
        r = RunCli({"encode", P("c.vtr"), "-o", P("c.bin"), "--catalogue", P("none.xml")});
        QCOMPARE(r.exitCode, 2);
    }

    void showAsTextCsvAndJson()
    {
        QVERIFY(WriteFile(P("s.bin"), CatalogueImage()));
        CliRun r = RunCli({"show", P("s.bin")});
        QCOMPARE(r.exitCode, 0);
        QVERIFY(r.out.contains(QStringLiteral("Мощность ШИМ")));
        QVERIFY(r.out.contains(QStringLiteral("41000 - 49000 кГц (2)")));
        QVERIFY(r.out.contains(QRegularExpression(QStringLiteral("\\n\\s+0\\s+45100\\s+45000\\s+67,0 Гц\\s+69,3 Гц"))));
        r = RunCli({"show", P("s.bin"), "--format", "csv"});
        QCOMPARE(r.exitCode, 0);
        const QStringList rows = r.out.trimmed().split('\n');
        QCOMPARE(rows.size(), 101);
        QCOMPARE(rows[1], QStringLiteral("0,1,45100,45000,67.0,69.3"));
        QCOMPARE(rows[10], QStringLiteral("9,1,41025,41025,,"));
        QCOMPARE(rows[2], QStringLiteral("1,0,,,,"));
        r = RunCli({"show", P("s.bin"), "--format", "json"});
        QVERIFY(!QJsonDocument::fromJson(r.out.toUtf8()).isNull());
        QCOMPARE(RunCli({"show", P("s.bin"), "--format", "xml"}).exitCode, 2);
    }

    // diff names the changed channel and setting in kHz, Hz and the
    // catalogue's words; equal configurations in any two formats exit 0.
    void diffOfChangedChannelAndSetting()
    {
        QByteArray image = CatalogueImage();
        QVERIFY(WriteFile(P("d1.bin"), image));
        QCOMPARE(RunCli({"decode", P("d1.bin"), "-o", P("d1.vtr")}).exitCode, 0);
        CliRun r = RunCli({"diff", P("d1.bin"), P("d1.vtr")});
        QCOMPARE(r.exitCode, 0);
        QVERIFY(r.out.isEmpty());

        image[501] = 6;   // volume position 6
        image[3] = 5;     // channel 0 receive tone: item 5 (77.0 Hz)
        const int c = (45050 - 33000) * 4 / 25;
        image[2] = char(c & 0xFF);   // channel 0 receive frequency 45050 kHz
        QVERIFY(WriteFile(P("d2.bin"), image));
        r = RunCli({"diff", P("d1.vtr"), P("d2.bin")});
        QCOMPARE(r.exitCode, 1);
        const QStringList lines = r.out.trimmed().split('\n');
        QCOMPARE(lines, (QStringList{QStringLiteral("Уровень громкости: Уровень 6 (5) → Уровень 7 (6)"),
                                     QStringLiteral("Канал 0: RX 45100 кГц → 45050 кГц"),
                                     QStringLiteral("Канал 0: CTCSS RX 67,0 Гц → 77,0 Гц")}));

        // A byte outside the record shows when both sides are images.
        image = CatalogueImage();
        image[700] = 0x42;
        QVERIFY(WriteFile(P("d3.bin"), image));
        r = RunCli({"diff", P("d1.bin"), P("d3.bin")});
        QCOMPARE(r.exitCode, 1);
        QVERIFY(r.out.contains(QStringLiteral("0x2bc")));
    }

    // Input files that are not what they claim are refused with exit 2 and
    // a message naming the file and what is wrong.
    void badFilesAreRefused_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("why");
        QTest::newRow("short image") << "short.bin" << QByteArray(1000, char(0xFF)) << "1000";
        QTest::newRow("not json") << "x.json" << QByteArray("{nope") << "JSON";
        QTest::newRow("json level out of range")
            << "l.json"
            << QByteArray(R"({"format":"tarnik-config","settings":{"deviation":40},"channels":[]})") << "settings/";
        QTest::newRow("not xml") << "x.vtr" << QByteArray("garbage") << "XML";
    }
    void badFilesAreRefused()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, why);
        QVERIFY(WriteFile(P(name), bytes));
        const CliRun r = RunCli({"encode", P(name), "-o", P("out.bin")});
        QCOMPARE(r.exitCode, 2);
        QVERIFY2(r.err.contains(P(name)) && r.err.contains(why), qPrintable(r.err));
    }

    // A .vtr whose band or channel the catalogue does not hold.
    void vtrOutsideTheCatalogueIsRefused()
    {
        QVERIFY(WriteFile(P("v.bin"), CatalogueImage()));
        QCOMPARE(RunCli({"decode", P("v.bin"), "-o", P("v.vtr")}).exitCode, 0);
        QString text = QString::fromLatin1(ReadFile(P("v.vtr")));
        QVERIFY(WriteFile(P("band.vtr"), QString(text).replace("<value1>1</value1>", "<value1>7</value1>").toLatin1()));
        CliRun r = RunCli({"show", P("band.vtr")});
        QCOMPARE(r.exitCode, 2);
        QVERIFY(r.err.contains(QStringLiteral("диапазон 8")));
        QVERIFY(WriteFile(P("freq.vtr"), QString(text).replace("<RX>45100000</RX>", "<RX>55000000</RX>").toLatin1()));
        r = RunCli({"show", P("freq.vtr")});
        QCOMPARE(r.exitCode, 2);
        QVERIFY2(r.err.contains(QStringLiteral("Канал 0")), qPrintable(r.err));
    }
};

TARNIK_TEST_GUILESS_MAIN(TestCliFiles)
#include "test_cli_files.moc"
