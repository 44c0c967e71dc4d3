// tarnik-cli as shell users expect it: help on every command, the version,
// options before or after the command, the short and long forms of an
// option's value, "--", standard input and output, --json on diff and show,
// the program's own words for system errors, one decimal separator, and
// JSON files with keys the program does not know.
#include "tests/support/TestRegistry.h"
#include "tests/cli/CliRun.h"
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QStringList CommandNames{"ports", "search", "read", "write", "verify", "decode", "encode", "diff", "show"};
} // namespace

class TestCliConventions : public QObject {
    Q_OBJECT
    QTemporaryDir tmp;
    QString P(const QString& name) const { return tmp.filePath(name); }

private slots:
    void initTestCase() { QVERIFY(WriteFile(P("a.bin"), OneChannelImage())); }

    // "CMD -h", "CMD --help" and "help CMD" all give the command's own help
    // on standard output; "help" alone and "-h" the tool's.
    void helpOnEveryCommand()
    {
        for (const QString& c : CommandNames) {
            const CliRun longForm = RunCli({c, "--help"});
            QCOMPARE(longForm.exitCode, 0);
            QVERIFY2(longForm.out.contains(QStringLiteral("tarnik-cli ") + c), qPrintable(c));
            QCOMPARE(RunCli({c, "-h"}).out, longForm.out);
            QCOMPARE(RunCli({"help", c}).out, longForm.out);
            // Help wins over whatever else the line holds.
            QCOMPARE(RunCli({c, "--port", "COM1", "-h", "x.bin"}).exitCode, 0);
        }
        const CliRun tool = RunCli({"help"});
        QCOMPARE(tool.exitCode, 0);
        QVERIFY(tool.out.contains(QStringLiteral("Команды:")));
        QCOMPARE(RunCli({"-h"}).out, tool.out);
        const CliRun unknown = RunCli({"help", "frobnicate"});
        QCOMPARE(unknown.exitCode, 2);
        QVERIFY(unknown.err.contains(QStringLiteral("frobnicate")));
        // Without a command the help goes to standard error, as a usage error.
        const CliRun bare = RunCli({});
        QCOMPARE(bare.exitCode, 2);
        QVERIFY(bare.out.isEmpty() && bare.err.contains(QStringLiteral("Команды:")));
    }

    void versionInEveryForm()
    {
        const CliRun v = RunCli({"--version"});
        QCOMPARE(v.exitCode, 0);
        QVERIFY(QRegularExpression(QStringLiteral("^tarnik-cli \\d+\\.\\d+")).match(v.out).hasMatch());
        QCOMPARE(RunCli({"-V"}).out, v.out);
        QCOMPARE(RunCli({"show", "-V"}).out, v.out);
    }

    // Common options and a command's own options before or after its name;
    // short flags run together; an option of another command is named so.
    void optionsBeforeOrAfterTheCommand()
    {
        const CliRun after = RunCli({"show", P("a.bin"), "--json"});
        QCOMPARE(after.exitCode, 0);
        QCOMPARE(RunCli({"--json", "show", P("a.bin")}).out, after.out);
        QCOMPARE(RunCli({"--catalogue", TARNIK_RUN_DIR "/Settings/Settings.xml", "--verbose", "show", P("a.bin")}).exitCode,
                 0);
        // A command's own option with its value before the command.
        QVERIFY(!QFile::exists(P("before.json")));
        QCOMPARE(RunCli({"-o", P("before.json"), "decode", P("a.bin")}).exitCode, 0);
        QVERIFY(QFile::exists(P("before.json")));

        const CliRun together = RunCli({"-qv", "show", P("a.bin")});
        QCOMPARE(together.exitCode, 2);
        QVERIFY(together.err.contains(QStringLiteral("--verbose и --quiet")));

        const CliRun other = RunCli({"--port", "COM1", "show", P("a.bin")});
        QCOMPARE(other.exitCode, 2);
        QVERIFY2(other.err.contains(QStringLiteral("--port не относится к этой команде")), qPrintable(other.err));
        const CliRun unknown = RunCli({"show", "--frobnicate", P("a.bin")});
        QCOMPARE(unknown.exitCode, 2);
        QVERIFY(unknown.err.contains(QStringLiteral("неизвестный параметр --frobnicate")));
    }

    // -oFILE, -o FILE, -o=FILE, --output=FILE and --output FILE; a flag
    // given a value and a value left out are refused.
    void everyFormOfAnOptionsValue()
    {
        const QList<QStringList> forms{{"-o" + P("f1.json")}, {"-o", P("f2.json")}, {"-o=" + P("f3.json")},
                                       {"--output=" + P("f4.json")}, {"--output", P("f5.json")}};
        for (int i = 0; i < forms.size(); ++i) {
            const CliRun r = RunCli(QStringList{"decode", P("a.bin")} + forms[i]);
            QVERIFY2(r.exitCode == 0, qPrintable(r.err));
            QVERIFY2(QFile::exists(P(QStringLiteral("f%1.json").arg(i + 1))), qPrintable(forms[i].join(' ')));
        }
        QCOMPARE(ReadFile(P("f1.json")), ReadFile(P("f5.json")));
        CliRun r = RunCli({"decode", P("a.bin"), "--json=yes", "-o", P("f6.json")});
        QCOMPARE(r.exitCode, 2);
        QVERIFY(r.err.contains(QStringLiteral("не принимает значения")));
        r = RunCli({"decode", P("a.bin"), "-o"});
        QCOMPARE(r.exitCode, 2);
        QVERIFY(r.err.contains(QStringLiteral("нужно значение")));
    }

    // After "--" a word that looks like an option is a file name.
    void doubleDashEndsTheOptions()
    {
        QVERIFY(WriteFile(P("-odd.bin"), OneChannelImage()));
        const CliRun r = RunCli({"show", "--json", "--", "-odd.bin"}, tmp.path());
        QVERIFY2(r.exitCode == 0, qPrintable(r.err));
        QVERIFY(!QJsonDocument::fromJson(r.out.toUtf8()).isNull());
        QCOMPARE(RunCli({"show", "-odd.bin"}, tmp.path()).exitCode, 2);
    }

    // decode - -o - turns an image on standard input into JSON on standard
    // output; encode - -o - the JSON back into the very image; --format
    // names what no extension says; /dev/stdin and /dev/stdout serve as well.
    void standardInputAndOutputRoundTrips()
    {
        const QByteArray image = OneChannelImage();
        const CliRun decoded = RunCliWithInput({"decode", "-", "-o", "-"}, image);
        QVERIFY2(decoded.exitCode == 0, qPrintable(decoded.err));
        const QJsonObject json = QJsonDocument::fromJson(decoded.outBytes).object();
        QCOMPARE(json.value("format").toString(), QStringLiteral("tarnik-config"));
        QCOMPARE(json.value("settings").toObject().value("pwmPower").toInt(), 77);

        const CliRun encoded = RunCliWithInput({"encode", "-", "-o", "-"}, decoded.outBytes);
        QVERIFY2(encoded.exitCode == 0, qPrintable(encoded.err));
        QCOMPARE(encoded.outBytes, image);

        // The other formats by name, through a .vtr on standard output.
        const CliRun vtr = RunCliWithInput({"decode", "/dev/stdin", "-o", "/dev/stdout", "--format", "vtr"}, image);
        QVERIFY2(vtr.exitCode == 0, qPrintable(vtr.err));
        QVERIFY(vtr.outBytes.startsWith("<?xml"));
        const CliRun fromVtr = RunCliWithInput({"encode", "-", "--format", "vtr", "-o", P("from-vtr.bin")}, vtr.outBytes);
        QVERIFY2(fromVtr.exitCode == 0, qPrintable(fromVtr.err));
        QCOMPARE(ReadFile(P("from-vtr.bin")), image);
        // An image read from standard input is told by its bytes.
        const CliRun shown = RunCliWithInput({"show", "-", "--json"}, image);
        QCOMPARE(shown.exitCode, 0);
        QCOMPARE(QJsonDocument::fromJson(shown.outBytes).object(), json);
        // A file without an extension takes its format from --format.
        QVERIFY(WriteFile(P("noext"), decoded.outBytes));
        QCOMPARE(RunCli({"encode", P("noext"), "--format", "json", "-o", P("noext.bin")}).exitCode, 0);
        QCOMPARE(ReadFile(P("noext.bin")), image);
        QCOMPARE(RunCli({"encode", P("noext"), "-o", P("noext2.bin")}).exitCode, 2);
    }

    void standardInputIsBoundedAndReadOnce()
    {
        // More than any configuration: refused whole.
        const CliRun big = RunCliWithInput({"show", "-"}, QByteArray(2 * 1024 * 1024, ' '));
        QCOMPARE(big.exitCode, 2);
        QVERIFY2(big.err.contains(QStringLiteral("стандартном вводе больше 1 МБ")), qPrintable(big.err));
        const CliRun twice = RunCliWithInput({"diff", "-", "-"}, OneChannelImage());
        QCOMPARE(twice.exitCode, 2);
        QVERIFY(twice.err.contains(QStringLiteral("только один раз")));
        const CliRun unknown = RunCliWithInput({"show", "-"}, QByteArray("hello"));
        QCOMPARE(unknown.exitCode, 2);
        QVERIFY(unknown.err.contains(QStringLiteral("--format")));
        // --json would share standard output with the file.
        QCOMPARE(RunCliWithInput({"decode", "-", "-o", "-", "--json"}, OneChannelImage()).exitCode, 2);
    }

    // diff --json lists each difference with the setting or the channel and
    // its value, old and new, as numbers and in words; equal files give an
    // empty list.
    void diffAsJson()
    {
        QByteArray image = OneChannelImage();
        image[501] = 6;    // volume 5 -> 6
        image[3] = 5;      // channel 0 receive tone: item 1 -> 5
        image[511] = char(quint8(image[511]) ^ 0x10);   // a flag
        QVERIFY(WriteFile(P("b.bin"), image));
        CliRun r = RunCli({"diff", P("a.bin"), P("b.bin"), "--json"});
        QCOMPARE(r.exitCode, 1);
        const QJsonObject root = QJsonDocument::fromJson(r.out.toUtf8()).object();
        QCOMPARE(root.value("equal").toBool(), false);
        const QJsonArray list = root.value("differences").toArray();
        QCOMPARE(list.size(), 3);
        const QJsonObject volume = list.at(0).toObject();
        QCOMPARE(volume.value("setting").toString(), QStringLiteral("volume"));
        QCOMPARE(volume.value("old").toInt(), 5);
        QCOMPARE(volume.value("new").toInt(), 6);
        QCOMPARE(volume.value("newText").toString(), QStringLiteral("Уровень 7 (6)"));
        const QJsonObject flag = list.at(1).toObject();
        QVERIFY(flag.value("old").isBool() && flag.value("new").isBool());
        QVERIFY(flag.value("old").toBool() != flag.value("new").toBool());
        const QJsonObject tone = list.at(2).toObject();
        QCOMPARE(tone.value("channel").toInt(), 0);
        QCOMPARE(tone.value("field").toString(), QStringLiteral("ctcssRx"));
        QCOMPARE(tone.value("old").toInt(), 1);
        QCOMPARE(tone.value("new").toInt(), 5);
        QCOMPARE(tone.value("newText").toString(), QStringLiteral("77,0 Гц"));
        // The lines say the same.
        const QStringList lines = RunCli({"diff", P("a.bin"), P("b.bin")}).out.trimmed().split('\n');
        QCOMPARE(lines.size(), 3);

        r = RunCli({"diff", P("a.bin"), P("a.bin"), "--json"});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(QJsonDocument::fromJson(r.out.toUtf8()).object(),
                 (QJsonObject{{"equal", true}, {"differences", QJsonArray()}}));
    }

    // show --json is show --format json; decode and encode say with --json
    // what they wrote.
    void jsonOnEveryCommandThatPrints()
    {
        QCOMPARE(RunCli({"show", P("a.bin"), "--json"}).out, RunCli({"show", P("a.bin"), "--format", "json"}).out);
        QCOMPARE(RunCli({"show", P("a.bin"), "--json", "--format", "csv"}).exitCode, 2);
        const CliRun r = RunCli({"decode", P("a.bin"), "-o", P("j.vtr"), "--json"});
        QCOMPARE(r.exitCode, 0);
        const QJsonObject o = QJsonDocument::fromJson(r.out.toUtf8()).object();
        QCOMPARE(o.value("output").toString(), P("j.vtr"));
        QCOMPARE(o.value("format").toString(), QStringLiteral("vtr"));
    }

    // A file that is not there, a folder where a file should be written,
    // and broken JSON are told in the program's words, with the path.
    void systemErrorsInTheProgramsWords()
    {
        CliRun r = RunCli({"show", P("missing.bin")});
        QCOMPARE(r.exitCode, 2);
        QCOMPARE(r.err.trimmed(), QStringLiteral("tarnik-cli: %1: файл не найден").arg(P("missing.bin")));
        r = RunCli({"decode", P("a.bin"), "-o", P("no/such/folder/x.json")});
        QCOMPARE(r.exitCode, 2);
        QCOMPARE(r.err.trimmed(), QStringLiteral("tarnik-cli: %1: папка не найдена").arg(P("no/such/folder/x.json")));
        QVERIFY(QDir().mkpath(P("taken.json")));
        r = RunCli({"decode", P("a.bin"), "-o", P("taken.json")});
        QCOMPARE(r.exitCode, 2);
        QVERIFY2(r.err.contains(QStringLiteral("это папка, а не файл")), qPrintable(r.err));
        QVERIFY(WriteFile(P("broken.json"), "{\"format\" \"tarnik-config\"}"));
        r = RunCli({"show", P("broken.json")});
        QCOMPARE(r.exitCode, 2);
        QVERIFY2(r.err.contains(QStringLiteral("не JSON: нет двоеточия после ключа (позиция 11)")), qPrintable(r.err));
        // No English text of the system anywhere.
        for (const QString& text : {RunCli({"show", P("missing.bin")}).err, r.err}) {
            QVERIFY2(!text.contains(QRegularExpression(QStringLiteral("[A-Za-z]{4,} [a-z]{3,}"))), qPrintable(text));
        }
    }

    // Tones, the deviation of the catalogue and every other number with a
    // decimal part use one separator, the decimal comma.
    void oneDecimalSeparator()
    {
        const CliRun r = RunCli({"show", P("a.bin")});
        QCOMPARE(r.exitCode, 0);
        QVERIFY(r.out.contains(QStringLiteral("67,0 Гц")));
        QVERIFY2(!r.out.contains(QRegularExpression(QStringLiteral("\\d\\.\\d"))), qPrintable(r.out));
        // Data for other programs keeps the decimal point.
        QVERIFY(RunCli({"show", P("a.bin"), "--format", "csv"}).out.contains(QStringLiteral(",67.0,69.3")));
    }

    // A key the format does not have, and a format or version the program
    // does not know, are refused with the key named; nothing is written.
    void unknownJsonKeysAreRefused_data()
    {
        QTest::addColumn<QByteArray>("from");
        QTest::addColumn<QByteArray>("to");
        QTest::addColumn<QString>("named");
        QTest::newRow("top level") << QByteArray("\"format\":") << QByteArray("\"colour\": 3, \"format\":")
                                   << "colour: неизвестный ключ";
        QTest::newRow("setting") << QByteArray("\"volume\"") << QByteArray("\"volumen\"")
                                 << "settings/volumen: неизвестный ключ";
        QTest::newRow("channel") << QByteArray("\"ctcssRx\"") << QByteArray("\"ctcssRX\"")
                                 << "channels[0]/ctcssRX: неизвестный ключ";
        QTest::newRow("format") << QByteArray("\"tarnik-config\"") << QByteArray("\"tarnik-config-2\"")
                                << "format: \"tarnik-config-2\" - неизвестный формат";
        QTest::newRow("version") << QByteArray("\"version\": 1") << QByteArray("\"version\": 2")
                                 << "version: 2 - неизвестная версия";
    }
    void unknownJsonKeysAreRefused()
    {
        QFETCH(QByteArray, from);
        QFETCH(QByteArray, to);
        QFETCH(QString, named);
        const QByteArray json = RunCli({"show", P("a.bin"), "--json"}).out.toUtf8();
        QVERIFY(json.contains(from));
        QVERIFY(WriteFile(P("k.json"), QByteArray(json).replace(from, to)));
        QFile::remove(P("k.bin"));
        const CliRun r = RunCli({"encode", P("k.json"), "-o", P("k.bin")});
        QCOMPARE(r.exitCode, 2);
        QVERIFY2(r.err.contains(named), qPrintable(r.err));
        QVERIFY(!QFile::exists(P("k.bin")));
        // The file as written reads.
        QVERIFY(WriteFile(P("k.json"), json));
        QCOMPARE(RunCli({"encode", P("k.json"), "-o", P("k.bin")}).exitCode, 0);
    }
};

TARNIK_TEST_GUILESS_MAIN(TestCliConventions)
#include "test_cli_conventions.moc"
