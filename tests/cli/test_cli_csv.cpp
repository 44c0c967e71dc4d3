// The channel table as CSV on the command line: show --format csv and
// encode --base give the base image back; a changed row changes only its
// channel; a bad row refuses the whole table and nothing is written; the
// window program's CSV (in hertz) is read too; write puts a table over the
// station's own image through the safe write, on the wire only the changed
// bytes, and refuses a table the station's band does not hold before
// anything is written.
#include "tests/support/TestRegistry.h"
#include "tests/cli/CliRun.h"
#include "tests/support/StationTestSupport.h"
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {
constexpr int Baud = 19200;
const QString BaudText = QStringLiteral("19200");

// The table with one row replaced (the row of the channel, found by its
// number at the start of the line).
QByteArray WithRow(const QByteArray& table, int channel, const QByteArray& row)
{
    QList<QByteArray> lines = table.split('\n');
    for (QByteArray& line : lines) {
        if (line.startsWith(QByteArray::number(channel) + ','))
            line = row;
    }
    return lines.join('\n');
}

QStringList WriteRequests(const QStringList& log)
{
    return log.filter(QRegularExpression(QStringLiteral("^11 39 (03|13|23|33) ")));
}
} // namespace

class TestCliCsv : public QObject {
    Q_OBJECT
    QTemporaryDir tmp;
    QTemporaryDir data;
    QString P(const QString& name) const { return tmp.filePath(name); }

    // The factory image of the simulated station, read once.
    QByteArray factory;

private slots:
    void initTestCase()
    {
        qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
        TestPorts ports;
        SimStation station;
        QVERIFY(station.Start(Baud, {}, &ports, 2));
        const CliRun r = RunCli({"read", "--port", "COM2", "--baud", BaudText, "-o", P("factory.bin")});
        QVERIFY2(r.exitCode == 0, qPrintable(r.err));
        factory = ReadFile(P("factory.bin"));
        QCOMPARE(factory.size(), 1024);
    }

    void showThenEncodeGivesTheBaseBack()
    {
        // A random image keeps its every byte too: spare bits, reserved
        // areas, an inconsistent last channel.
        QVERIFY(WriteFile(P("random.bin"), RandomImage(21)));
        for (const QString& base : {P("factory.bin"), P("random.bin")}) {
            const CliRun shown = RunCli({"show", base, "--format", "csv"});
            QCOMPARE(shown.exitCode, 0);
            QVERIFY(WriteFile(P("table.csv"), shown.out.toUtf8()));
            QFile::remove(P("back.bin"));
            const CliRun r = RunCli({"encode", P("table.csv"), "--base", base, "-o", P("back.bin")});
            if (base == P("random.bin") && r.exitCode == 2) {
                // A random image may select no band of the catalogue: then
                // the table cannot be checked, and says so.
                QVERIFY2(r.err.contains(QStringLiteral("диапазон")), qPrintable(r.err));
                continue;
            }
            QVERIFY2(r.exitCode == 0, qPrintable(r.err));
            QCOMPARE(ReadFile(P("back.bin")), ReadFile(base));
        }
        // Through standard input and output as well.
        const CliRun table = RunCli({"show", P("factory.bin"), "--format", "csv"});
        const CliRun piped =
            RunCliWithInput({"encode", "-", "--base", P("factory.bin"), "-o", "-"}, table.out.toUtf8());
        QVERIFY2(piped.exitCode == 0, qPrintable(piped.err));
        QCOMPARE(piped.outBytes, factory);
    }

    // A changed row changes its channel and nothing else; switching a
    // channel off moves the last channel; the window program's table in
    // hertz is read too.
    void changedRowsChangeOnlyTheirChannels()
    {
        const QByteArray table = RunCli({"show", P("factory.bin"), "--format", "csv"}).out.toUtf8();
        QVERIFY(WriteFile(P("changed.csv"), WithRow(table, 2, "2,1,35050,35075,67.0,")));
        CliRun r = RunCli({"encode", P("changed.csv"), "--base", P("factory.bin"), "-o", P("changed.bin")});
        QVERIFY2(r.exitCode == 0, qPrintable(r.err));
        r = RunCli({"diff", P("factory.bin"), P("changed.bin")});
        QCOMPARE(r.exitCode, 1);
        QCOMPARE(r.out.trimmed().split('\n'),
                 (QStringList{QStringLiteral("Канал 2: RX 35025 кГц → 35050 кГц"),
                              QStringLiteral("Канал 2: TX 35025 кГц → 35075 кГц"),
                              QStringLiteral("Канал 2: CTCSS RX 100,0 Гц → 67,0 Гц"),
                              QStringLiteral("Канал 2: CTCSS TX 100,0 Гц → нет")}));

        // The highest enabled channel switched off.
        const QJsonArray channels = QJsonDocument::fromJson(RunCli({"show", P("factory.bin"), "--json"}).out.toUtf8())
                                        .object()
                                        .value("channels")
                                        .toArray();
        const int last = channels.last().toObject().value("channel").toInt();
        const int before = channels.at(channels.size() - 2).toObject().value("channel").toInt();
        QVERIFY(WriteFile(P("off.csv"), WithRow(table, last, QByteArray::number(last) + ",0,,,,")));
        r = RunCli({"encode", P("off.csv"), "--base", P("factory.bin"), "-o", P("off.bin")});
        QVERIFY2(r.exitCode == 0, qPrintable(r.err));
        r = RunCli({"diff", P("factory.bin"), P("off.bin")});
        QVERIFY2(r.out.contains(QStringLiteral("Последний включенный канал: %1 → %2").arg(last).arg(before)),
                 qPrintable(r.out));

        // The window program's export form: hertz, every channel.
        QByteArray hertz("channel,enabled,rx_hz,tx_hz,ctcss_rx_hz,ctcss_tx_hz\n2,1,35050000,35075000,67.0,\n");
        QVERIFY(WriteFile(P("hertz.csv"), hertz));
        r = RunCli({"encode", P("hertz.csv"), "--base", P("factory.bin"), "-o", P("hertz.bin")});
        QVERIFY2(r.exitCode == 0, qPrintable(r.err));
        QCOMPARE(ReadFile(P("hertz.bin")), ReadFile(P("changed.bin")));
    }

    // One bad row refuses the table: every bad row named by its line, and
    // no output file.
    void badRowsRefuseTheWholeTable()
    {
        QByteArray table = RunCli({"show", P("factory.bin"), "--format", "csv"}).out.toUtf8();
        table = WithRow(table, 3, "3,1,99999,33000,,");       // outside band 1
        table = WithRow(table, 5, "5,1,33010,33000,,");       // off the 25 kHz step
        QVERIFY(WriteFile(P("bad.csv"), table));
        QFile::remove(P("bad.bin"));
        CliRun r = RunCli({"encode", P("bad.csv"), "--base", P("factory.bin"), "-o", P("bad.bin")});
        QCOMPARE(r.exitCode, 2);
        QVERIFY(!QFile::exists(P("bad.bin")));
        QVERIFY2(r.err.contains(QStringLiteral("строка 5: канал 3: частота RX 99999 кГц вне диапазона 33000 - 41000 кГц")),
                 qPrintable(r.err));
        QVERIFY(r.err.contains(QStringLiteral("строка 7: канал 5: частота RX 33010 кГц не кратна шагу 25000 Гц")));
        // What no image can mend is refused before the image is read: an
        // unknown tone, a header of another table.
        QVERIFY(WriteFile(P("tone.csv"), WithRow(table, 7, "7,1,33000,33000,66.6,")));
        r = RunCli({"encode", P("tone.csv"), "--base", P("missing.bin"), "-o", P("bad.bin")});
        QCOMPARE(r.exitCode, 2);
        QVERIFY2(r.err.contains(QStringLiteral("строка 9: канал 7: тон CTCSS(RX) \"66.6\" не из списка")),
                 qPrintable(r.err));
        // A table is no configuration without the image it goes over.
        r = RunCli({"encode", P("bad.csv"), "-o", P("bad.bin")});
        QCOMPARE(r.exitCode, 2);
        QVERIFY(r.err.contains(QStringLiteral("--base")));
        QCOMPARE(RunCli({"show", P("bad.csv")}).exitCode, 2);
        // A malformed table is refused before any image is looked at.
        QVERIFY(WriteFile(P("header.csv"), "chan,on\n1,1\n"));
        r = RunCli({"encode", P("header.csv"), "--base", P("factory.bin"), "-o", P("bad.bin")});
        QCOMPARE(r.exitCode, 2);
        QVERIFY(r.err.contains(QStringLiteral("заголовок")));
    }

    // write puts the table over the station's own image: backup, only the
    // bytes of the changed channel on the wire, verify; the station then
    // holds what encode --base makes of its image.
    void writeAndVerifyOverTheStation()
    {
        TestPorts ports;
        SimStation station;
        QVERIFY(station.Start(Baud, {}, &ports, 2));
        CliRun r = RunCli({"write", "--port", "COM2", "--baud", BaudText, "--json", P("changed.csv")});
        QVERIFY2(r.exitCode == 0, qPrintable(r.err));
        const QJsonObject summary = QJsonDocument::fromJson(r.out.toUtf8()).array().at(0).toObject();
        QCOMPARE(summary.value("verify").toString(), QStringLiteral("совпадает"));
        QCOMPARE(ReadFile(summary.value("backup").toString()), factory);
        const QStringList written = WriteRequests(station.Log());
        QCOMPARE(written.size(), summary.value("bytesWritten").toInt());
        for (const QString& request : written) {
            // Channel 2's slot: image bytes 10 to 14, page 0.
            const int address = request.section(' ', 3, 3).toInt(nullptr, 16);
            QVERIFY2(request.startsWith(QStringLiteral("11 39 03 ")) && address >= 10 && address <= 14,
                     qPrintable(request));
        }
        r = RunCli({"verify", "--port", "COM2", "--baud", BaudText, P("changed.csv")});
        QCOMPARE(r.exitCode, 0);
        QVERIFY(station.Stop());
        QCOMPARE(station.Image(), ReadFile(P("changed.bin")));
    }

    // A table the station's band does not hold: the station is read, nothing
    // is written and no backup is made; exit 2 with the row named.
    void aTableTheStationCannotHoldWritesNothing()
    {
        TestPorts ports;
        SimStation station;
        QVERIFY(station.Start(Baud, {}, &ports, 2));
        const QDir backups(data.filePath(QStringLiteral("tarnik-programmer/backups")));
        const QStringList backupsBefore = backups.entryList(QDir::Files);
        const QByteArray table = RunCli({"show", P("factory.bin"), "--format", "csv"}).out.toUtf8();
        QVERIFY(WriteFile(P("outside.csv"), WithRow(table, 4, "4,1,45000,45000,,")));
        const CliRun r = RunCli({"write", "--port", "COM2", "--baud", BaudText, P("outside.csv")});
        QCOMPARE(r.exitCode, 2);
        QVERIFY2(r.err.contains(QStringLiteral("канал 4: частота RX 45000 кГц вне диапазона")), qPrintable(r.err));
        QVERIFY(WriteRequests(station.Log()).isEmpty());
        QVERIFY(!station.Log().contains(QStringLiteral("11 39 04")));
        QCOMPARE(backups.entryList(QDir::Files), backupsBefore);
        QVERIFY(station.Stop());
        QCOMPARE(station.Image(), factory);
    }
};

TARNIK_TEST_GUILESS_MAIN(TestCliCsv)
#include "test_cli_csv.moc"
