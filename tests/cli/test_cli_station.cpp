// tarnik-cli against simulated stations: read, write, verify, ports and
// search, every exit code of a station command, a refused file that sends
// nothing, an old programmer file, and a fleet of four with one silent
// station.
#include "tests/support/TestRegistry.h"
#include "tests/cli/CliRun.h"
#include "tests/support/StationTestSupport.h"
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <sys/stat.h>

namespace {
constexpr int Baud = 19200;
const QString BaudText = QStringLiteral("19200");


// The station's factory configuration with channel 2 moved and the volume
// changed: what a service shop writes.
QByteArray ChangedImage(QByteArray image)
{
    const int c = (35100 - 33000) * 4 / 25;
    image[10] = char(((c >> 8) << 4) | (c >> 8));
    image[11] = char(c & 0xFF);
    image[12] = char(c & 0xFF);
    image[501] = 2;
    return image;
}
} // namespace

class TestCliStation : public QObject {
    Q_OBJECT
    QTemporaryDir tmp;
    QTemporaryDir data;   // backups go below it, never into the user's own folder
    QString P(const QString& name) const { return tmp.filePath(name); }
    QString Backups() const { return data.filePath(QStringLiteral("tarnik-programmer/backups")); }

private slots:
    void initTestCase()
    {
#ifdef Q_OS_WIN
        qputenv("LOCALAPPDATA", data.path().toLocal8Bit());
#else
        qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
#endif
    }

    // Read into all three formats through a COM number of the port map,
    // write a changed .vtr back with the safe write (backup, the changed
    // bytes only, verify), verify it and the old file, write everything
    // with --full, then a station that breaks off.
    void readWriteVerify()
    {
        TestPorts ports;
        SimStation station;
        QVERIFY(station.Start(Baud, {}, &ports, 3));
        for (const char* ext : {"bin", "vtr", "json"}) {
            const QString out = P(QStringLiteral("r.%1").arg(QLatin1String(ext)));
            const CliRun r = RunCli({"read", "--port", "com3", "--baud", BaudText, "-o", out});
            QVERIFY2(r.exitCode == 0, qPrintable(r.err));
            QVERIFY(QFile::exists(out));
            // Progress on standard error, one line per step off a terminal;
            // nothing on standard output.
            QVERIFY(r.err.contains(QStringLiteral("COM3: чтение")));
            QVERIFY(r.out.isEmpty());
        }
        const QByteArray factory = ReadFile(P("r.bin"));
        QCOMPARE(factory.size(), 1024);
        QCOMPARE(RunCli({"diff", P("r.bin"), P("r.vtr")}).exitCode, 0);
        QCOMPARE(RunCli({"diff", P("r.json"), P("r.vtr")}).exitCode, 0);

        QVERIFY(WriteFile(P("changed.bin"), ChangedImage(factory)));
        QCOMPARE(RunCli({"decode", P("changed.bin"), "-o", P("changed.vtr")}).exitCode, 0);
        CliRun r = RunCli({"write", "--port", "COM3", "--baud", BaudText, "--json", P("changed.vtr")});
        QVERIFY2(r.exitCode == 0, qPrintable(r.err));
        QJsonObject summary = QJsonDocument::fromJson(r.out.toUtf8()).array().at(0).toObject();
        QCOMPARE(summary.value("port").toString(), QStringLiteral("COM3"));
        QCOMPARE(summary.value("bytesWritten").toInt(), 3);   // channel 2: two code bytes; the volume
        QCOMPARE(summary.value("verify").toString(), QStringLiteral("совпадает"));
        // The backup holds the station as it was, in the window program's folder.
        const QString backup = summary.value("backup").toString();
        QVERIFY2(backup.startsWith(Backups() + "/station-"), qPrintable(backup));
        QCOMPARE(ReadFile(backup), factory);
        const QStringList written = station.Log().filter(QRegularExpression(QStringLiteral("^11 39 (03|13|23|33) ")));
        QCOMPARE(written.size(), 3);

        // The same file again: nothing to write.
        r = RunCli({"write", "--port", "COM3", "--baud", BaudText, "--json", P("changed.vtr")});
        QCOMPARE(r.exitCode, 0);
        summary = QJsonDocument::fromJson(r.out.toUtf8()).array().at(0).toObject();
        QCOMPARE(summary.value("bytesWritten").toInt(), 0);
        QCOMPARE(summary.value("result").toString(), QStringLiteral("без изменений"));

        QCOMPARE(RunCli({"verify", "--port", "COM3", "--baud", BaudText, P("changed.vtr")}).exitCode, 0);
        QCOMPARE(RunCli({"verify", "--port", "COM3", "--baud", BaudText, P("changed.bin")}).exitCode, 0);
        r = RunCli({"verify", "--port", "COM3", "--baud", BaudText, P("r.json")});
        QCOMPARE(r.exitCode, 1);
        QVERIFY(r.err.contains(QStringLiteral("отличаются")));
        QVERIFY(station.Stop());
        QCOMPARE(station.Image(), ChangedImage(factory));

        // --full writes all 1024 bytes, still over the station's own image:
        // read, backup, verify.
        QVERIFY(station.Start(Baud, {}, &ports, 3));
        r = RunCli({"write", "--port", "COM3", "--baud", BaudText, "--full", "--json", P("r.bin")});
        QCOMPARE(r.exitCode, 0);
        summary = QJsonDocument::fromJson(r.out.toUtf8()).array().at(0).toObject();
        QCOMPARE(summary.value("bytesWritten").toInt(), 1024);
        QCOMPARE(summary.value("verify").toString(), QStringLiteral("совпадает"));
        QCOMPARE(ReadFile(summary.value("backup").toString()), ChangedImage(factory));
        QVERIFY(station.Stop());
        QCOMPARE(station.Image(), factory);

        // The blind write, of a whole .bin only: no read, no backup.
        QVERIFY(station.Start(Baud, {}, &ports, 3));
        r = RunCli({"write", "--port", "COM3", "--baud", BaudText, "--blind", "--json", P("changed.bin")});
        QVERIFY2(r.exitCode == 0, qPrintable(r.err));
        summary = QJsonDocument::fromJson(r.out.toUtf8()).array().at(0).toObject();
        QCOMPARE(summary.value("bytesWritten").toInt(), 1024);
        QVERIFY(!summary.contains("backup"));
        QCOMPARE(station.Log().first(), QStringLiteral("11 39 01"));
        QCOMPARE(station.Log().at(1), WriteLogLine(0, quint8(factory.at(0))));
        QCOMPARE(RunCli({"write", "--port", "COM3", "--baud", BaudText, "--blind", P("r.json")}).exitCode, 2);
        QVERIFY(station.Stop());
        QCOMPARE(station.Image(), ChangedImage(factory));

        // A station that stops answering half-way through the write, in
        // both ways of writing; the safe write's line names the backup.
        QVERIFY(station.Start(Baud, {"--never-echo", "501"}, &ports, 3));
        r = RunCli({"write", "--port", "COM3", "--baud", BaudText, "--blind", "--no-verify", P("r.bin")});
        QCOMPARE(r.exitCode, 3);
        QVERIFY(r.err.contains(QStringLiteral("COM3: Ошибка записи данных. Превышен лимит повторений.")));
        // The station keeps the changed volume at 501: the file's differs.
        r = RunCli({"write", "--port", "COM3", "--baud", BaudText, P("r.bin")});
        QCOMPARE(r.exitCode, 3);
        QVERIFY2(r.err.contains(QRegularExpression(QStringLiteral(
                     "COM3: Ошибка записи данных. Превышен лимит повторений. "
                     "Восстановите станцию из резервной копии: %1/station-COM3-\\d{8}-\\d{6}").arg(Backups()))),
                 qPrintable(r.err));
        QVERIFY(station.Stop());
        // A port with no device behind it: the line says why.
        r = RunCli({"read", "--port", "COM4", "-o", P("none.bin")});
        QCOMPARE(r.exitCode, 3);
        QVERIFY2(r.err.contains(QStringLiteral("COM4: Ошибка открытия порта. ") + MissingPortText(QStringLiteral("COM4"))),
                 qPrintable(r.err));
    }

    // A file that cannot be written is refused before any port is opened:
    // the station's request log stays empty.
    void badFileSendsNothing()
    {
        TestPorts ports;
        SimStation station;
        QVERIFY(station.Start(Baud, {}, &ports, 2));
        QVERIFY(WriteFile(P("bad.bin"), QByteArray(1023, char(0xFF))));
        QVERIFY(WriteFile(P("bad.json"),
                          R"({"format":"tarnik-config","settings":{},"channels":[{"channel":1,"rxKHz":60000}]})"));
        for (const QString& file : {P("bad.bin"), P("bad.json")}) {
            for (const char* command : {"write", "verify"}) {
                const CliRun r = RunCli({QString::fromLatin1(command), "--port", "COM2", "--baud", BaudText, file});
                QCOMPARE(r.exitCode, 2);
                QVERIFY2(r.err.contains(file), qPrintable(r.err));
            }
        }
        QVERIFY(station.Stop());
        QCOMPARE(station.Log(), QStringList());
    }

    // A programmer file of an earlier version has no PWM power and no
    // shutdown flags: the write keeps the station's own.
    void oldProgrammerFileKeepsStationExtras()
    {
        TestPorts ports;
        SimStation station;
        QVERIFY(station.Start(Baud, {}, &ports, 5));
        QVERIFY(RunCli({"read", "--port", "COM5", "--baud", BaudText, "-o", P("o.bin")}).exitCode == 0);
        const QByteArray factory = ReadFile(P("o.bin"));
        QVERIFY(WriteFile(P("o2.bin"), ChangedImage(factory)));
        QCOMPARE(RunCli({"decode", P("o2.bin"), "-o", P("o.vtr")}).exitCode, 0);
        QString text = QString::fromLatin1(ReadFile(P("o.vtr")));
        text.remove(QRegularExpression(QStringLiteral("\\s*<value2[678]>[^<]*</value2[678]>")));
        QVERIFY(WriteFile(P("old.vtr"), text.toLatin1()));
        CliRun r = RunCli({"write", "--port", "COM5", "--baud", BaudText, P("old.vtr")});
        QVERIFY2(r.exitCode == 0, qPrintable(r.err));
        QVERIFY(station.Stop());
        QCOMPARE(station.Image(), ChangedImage(factory));
        // The full write takes them from the station too.
        QByteArray ownExtras = factory;
        ownExtras[515] = char(123);
        ownExtras[514] = 0x02;
        QVERIFY(station.SetImage(ownExtras));
        QVERIFY(station.Start(Baud, {}, &ports, 5));
        r = RunCli({"write", "--port", "COM5", "--baud", BaudText, "--full", P("old.vtr")});
        QVERIFY2(r.exitCode == 0, qPrintable(r.err));
        QVERIFY(station.Stop());
        QByteArray expected = ChangedImage(factory);
        expected[515] = char(123);
        expected[514] = 0x02;
        QCOMPARE(station.Image(), expected);

        // Without a station the values are not made up: show and diff say
        // they are not in the file, encode needs a base image.
        r = RunCli({"show", P("old.vtr")});
        QCOMPARE(r.exitCode, 0);
        QVERIFY(r.out.contains(QRegularExpression(QStringLiteral("Мощность ШИМ\\s+нет в файле"))));
        QVERIFY(r.out.contains(QRegularExpression(QStringLiteral("Нормальное выключение\\s+нет в файле"))));
        r = RunCli({"show", "--format", "json", P("old.vtr")});
        QVERIFY(!r.out.contains(QStringLiteral("pwmPower")));
        r = RunCli({"diff", P("o2.bin"), P("old.vtr")});
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.out.contains(QStringLiteral("Мощность ШИМ: %1 → нет в файле").arg(uchar(factory.at(515)))), qPrintable(r.out));
        r = RunCli({"encode", P("old.vtr"), "-o", P("old.bin")});
        QCOMPARE(r.exitCode, 2);
        QVERIFY(r.err.contains(QStringLiteral("--base")));
        QVERIFY(!QFile::exists(P("old.bin")));
        QVERIFY(WriteFile(P("base.bin"), ownExtras));
        r = RunCli({"encode", P("old.vtr"), "-o", P("old.bin"), "--base", P("base.bin")});
        QVERIFY2(r.exitCode == 0, qPrintable(r.err));
        QCOMPARE(uchar(ReadFile(P("old.bin")).at(515)), uchar(123));
    }

    // The backup path is printed the moment it is saved, with or without
    // --json; a station silent at the verify is a station error with its
    // reason and the backup.
    void aStationSilentAtTheVerify()
    {
        TestPorts ports;
        SimStation station;
        QVERIFY(station.Start(Baud, {}, &ports, 3));
        QVERIFY(RunCli({"read", "--port", "COM3", "--baud", BaudText, "-o", P("v.bin")}).exitCode == 0);
        QVERIFY(station.Stop());
        QVERIFY(WriteFile(P("v2.bin"), ChangedImage(ReadFile(P("v.bin")))));
        // Identify, read, the three changed bytes, the finish: then gone.
        QVERIFY(station.Start(Baud, {"--vanish-after", "6"}, &ports, 3));
        const CliRun r = RunCli({"write", "--port", "COM3", "--baud", BaudText, P("v2.bin")});
        QCOMPARE(r.exitCode, 3);
        const QRegularExpression backup(QStringLiteral("COM3: резервная копия: (%1/station-COM3-\\S+\\.bin)\n").arg(Backups()));
        const QRegularExpressionMatch saved = backup.match(r.err);
        QVERIFY2(saved.hasMatch(), qPrintable(r.err));
        QVERIFY2(r.err.contains(QStringLiteral("COM3: Ошибка проверки: станция не ответила на чтение. "
                                               "Восстановите станцию из резервной копии: ")
                                + saved.captured(1)),
                 qPrintable(r.err));
        QCOMPARE(ReadFile(saved.captured(1)), ReadFile(P("v.bin")));
    }

    // A .bin or .json is checked against the catalogue before anything is
    // sent; --force writes it all the same.
    void anImageThatFailsTheChecksIsRefusedUnlessForced()
    {
        TestPorts ports;
        SimStation station;
        QVERIFY(station.Start(Baud, {}, &ports, 6));
        QByteArray random = RandomImage(5);
        random[509] = char(113);
        QVERIFY(WriteFile(P("random.bin"), random));
        CliRun r = RunCli({"write", "--port", "COM6", "--baud", BaudText, P("random.bin")});
        QCOMPARE(r.exitCode, 2);
        QVERIFY2(r.err.contains(QStringLiteral("Частотный диапазон 113 не описан в каталоге")), qPrintable(r.err));
        QVERIFY(r.err.contains(QStringLiteral("--force")));
        QVERIFY(station.Log().isEmpty());
        QVERIFY(WriteFile(P("loud.json"),
                          QString::fromUtf8(ReadFile(P("r.json"))).replace(QRegularExpression(QStringLiteral("\"volume\": \\d+")),
                                                                        QStringLiteral("\"volume\": 200")).toUtf8()));
        r = RunCli({"write", "--port", "COM6", "--baud", BaudText, P("loud.json")});
        QCOMPARE(r.exitCode, 2);
        QVERIFY2(r.err.contains(QStringLiteral("Уровень громкости: значение 200")), qPrintable(r.err));
        QVERIFY(station.Log().isEmpty());

        r = RunCli({"write", "--port", "COM6", "--baud", BaudText, "--force", P("random.bin")});
        QVERIFY2(r.exitCode == 0, qPrintable(r.err));
        QVERIFY(r.err.contains(QStringLiteral("предупреждение")));
        QVERIFY(station.Stop());
        QCOMPARE(station.Image(), random);
    }

#ifndef Q_OS_WIN
    // FIFOs, devices and signals are Unix things: these run on Linux only.
    // Only regular files of a sensible size are read: a FIFO or a device
    // is refused at once.
    void filesThatAreNoFilesAreRefusedAtOnce()
    {
        const QString fifo = P("fifo.bin");
        QVERIFY(mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
        QFile::link(fifo, P("fifo.json"));
        QFile::link(fifo, P("fifo.vtr"));
        QFile::link(QStringLiteral("/dev/zero"), P("zero.bin"));
        QFile::link(QStringLiteral("/dev/zero"), P("zero.json"));
        for (const QString& file : {fifo, P("fifo.json"), P("fifo.vtr"), P("zero.bin"), P("zero.json")}) {
            QElapsedTimer t;
            t.start();
            const CliRun r = RunCli({"write", "--port", "COM1", file}, QString(), 20000);
            QCOMPARE(r.exitCode, 2);
            QVERIFY2(r.err.contains(QStringLiteral("это не обычный файл")), qPrintable(r.err));
            QVERIFY(t.elapsed() < 10000);
            QCOMPARE(RunCli({"show", file}, QString(), 20000).exitCode, 2);
        }
        QVERIFY(WriteFile(P("big.json"), QByteArray(2 * 1024 * 1024, ' ')));
        const CliRun r = RunCli({"show", P("big.json")});
        QCOMPARE(r.exitCode, 2);
        QVERIFY2(r.err.contains(QStringLiteral("файл больше")), qPrintable(r.err));
    }

    // SIGINT, SIGTERM, SIGHUP: every station stops after the byte in
    // progress, without the finish; each line says what was done and names
    // the backup; the exit code is 128 + the signal.
    void aSignalStopsEveryStationAndSaysWhere_data()
    {
        QTest::addColumn<int>("signal");
        QTest::newRow("SIGINT") << SIGINT;
        QTest::newRow("SIGTERM") << SIGTERM;
        QTest::newRow("SIGHUP") << SIGHUP;
    }
    void aSignalStopsEveryStationAndSaysWhere()
    {
        QFETCH(int, signal);
        TestPorts ports;
        SimStation stations[2];
        for (int i = 0; i < 2; ++i)
            QVERIFY(stations[i].Start(Baud, {"--write-delay", "20"}, &ports, 10 + i));
        QVERIFY(RunCli({"read", "--port", "COM10", "--baud", BaudText, "-o", P("s.bin")}).exitCode == 0);
        // Every channel moved: hundreds of bytes at 20 ms each.
        QByteArray changed = ReadFile(P("s.bin"));
        for (int ch = 0; ch < 60; ++ch) {
            const int c = (34000 + 100 * ch - 33000) * 4 / 25;
            changed[5 * ch] = char(((c >> 8) << 4) | (c >> 8));
            changed[5 * ch + 1] = char(c & 0xFF);
            changed[5 * ch + 2] = char(c & 0xFF);
            changed[5 * ch + 3] = 0;
            changed[5 * ch + 4] = 0;
        }
        changed[500] = 59;
        QVERIFY(WriteFile(P("s2.bin"), changed));
        const CliRun r = RunCliSignalled({"write", "--port", "COM10", "--port", "COM11", "--baud", BaudText, P("s2.bin")},
                                         {QStringLiteral("COM10: резервная копия: "), QStringLiteral("COM11: резервная копия: ")},
                                         signal);
        QCOMPARE(r.exitCode, 128 + signal);
        for (const QString& port : {QStringLiteral("COM10"), QStringLiteral("COM11")}) {
            QVERIFY2(r.err.contains(QRegularExpression(QStringLiteral(
                         "%1: Обмен со станцией остановлен пользователем\\. Станция может содержать частично "
                         "записанную конфигурацию\\. Резервная копия: %2/station-%1-").arg(port, Backups()))),
                     qPrintable(r.err));
            QVERIFY(r.out.contains(port));   // the fleet's table
        }
        for (SimStation& s : stations) {
            QVERIFY(s.Stop());
            QVERIFY(!s.Log().contains(QStringLiteral("11 39 04")));
            QVERIFY(s.Log().size() > 2);
        }
    }
#endif

    void portsAndSearch()
    {
        TestPorts ports;
        SimStation station;
        QVERIFY(station.Start(Baud, {}, &ports, 7));
        CliRun r = RunCli({"ports", "--json"});
        QCOMPARE(r.exitCode, 0);
        const QJsonArray list = QJsonDocument::fromJson(r.out.toUtf8()).array();
        QCOMPARE(list.size(), 32);
        const QJsonObject com7 = list.at(6).toObject();
        QCOMPARE(com7.value("port").toString(), QStringLiteral("COM7"));
        QCOMPARE(com7.value("device").toString(), station.Device());
        QVERIFY(com7.value("available").toBool());
        QCOMPARE(list.at(0).toObject().value("available").toBool(), false);
        QVERIFY(!list.at(0).toObject().value("reason").toString().isEmpty());
        r = RunCli({"ports"});
        QVERIFY(r.out.contains(QRegularExpression(
            QStringLiteral("COM7\\s+%1\\s+можно открыть").arg(QRegularExpression::escape(station.Device())))));

        r = RunCli({"search", "--baud", BaudText});
        QCOMPARE(r.exitCode, 0);
        QVERIFY(r.out.contains(QStringLiteral("COM7")));
        QVERIFY(station.Stop());
        r = RunCli({"search", "--baud", BaudText});
        QCOMPARE(r.exitCode, 3);
    }

    // Four stations, the third silent: the other three are programmed, the
    // exit code is 4 and the table names the one that failed. A fleet read
    // gives one file per port.
    void fleetWithOneSilentStation()
    {
        TestPorts ports;
        SimStation stations[4];
        for (int i = 0; i < 4; ++i)
            QVERIFY(stations[i].Start(Baud, i == 2 ? QStringList{"--silent"} : QStringList{}, &ports, i + 1));
        QVERIFY(RunCli({"read", "--port", "COM1", "--baud", BaudText, "-o", P("f.bin")}).exitCode == 0);
        const QByteArray changed = ChangedImage(ReadFile(P("f.bin")));
        QVERIFY(WriteFile(P("fleet.bin"), changed));

        CliRun r = RunCli({"write", "--ports", "COM1-COM4", "--baud", BaudText, P("fleet.bin")});
        QCOMPARE(r.exitCode, 4);
        const QStringList rows = r.out.trimmed().split('\n');
        QCOMPARE(rows.size(), 5);
        QVERIFY(rows[0].startsWith(QStringLiteral("Порт")));
        for (int i : {0, 1, 3})
            QVERIFY2(rows[i + 1].contains(QRegularExpression(
                         QStringLiteral("^COM%1\\s+записано\\s+3\\s+совпадает\\s+%2/station-").arg(i + 1).arg(Backups()))),
                     qPrintable(rows[i + 1]));
        QVERIFY2(rows[3].contains(QRegularExpression(QStringLiteral("^COM3\\s+Ошибка чтения данных"))), qPrintable(rows[3]));

        r = RunCli({"read", "--port", "COM1", "--port", "COM2", "--port", "COM3", "--baud", BaudText,
                    "-o", P("reads/"), "--format", "vtr"});
        QCOMPARE(r.exitCode, 4);
#ifdef Q_OS_WIN
        const QString prefix = QStringLiteral("reads/station-");   // COM1.vtr would be the port itself
#else
        const QString prefix = QStringLiteral("reads/");
#endif
        QVERIFY(QFile::exists(P(prefix + "COM1.vtr")));
        QVERIFY(QFile::exists(P(prefix + "COM2.vtr")));
        QVERIFY(!QFile::exists(P(prefix + "COM3.vtr")));
        for (int i = 0; i < 4; ++i)
            QVERIFY(stations[i].Stop());
        for (int i : {0, 1, 3})
            QCOMPARE(stations[i].Image(), changed);
        QVERIFY(stations[2].Image() != changed);
    }
};

TARNIK_TEST_GUILESS_MAIN(TestCliStation)
#include "test_cli_station.moc"
