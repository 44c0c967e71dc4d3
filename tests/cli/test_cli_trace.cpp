// tarnik-cli --trace against simulated stations: every byte on the wire
// with its time and direction, one request and its answer to a group; the
// requests the same as the station logged; one file per port in a fleet; an
// answer that never came noted; --verbose names the device behind a COM
// number; a TARNIK_PORTS that is no folder, or a trace file that cannot be
// made, stops the command before any port is opened.
#include "tests/support/TestRegistry.h"
#include "tests/cli/CliRun.h"
#include "tests/cli/TraceFile.h"
#include "tests/support/StationTestSupport.h"
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>

namespace {
constexpr int Baud = 19200;
const QString BaudText = QStringLiteral("19200");

// Sets an environment variable for the object's lifetime.
class EnvironmentValue {
public:
    EnvironmentValue(const char* name, const QByteArray& value)
        : name(name), previous(qgetenv(name)), had(qEnvironmentVariableIsSet(name))
    {
        qputenv(name, value);
    }
    ~EnvironmentValue()
    {
        if (had)
            qputenv(name, previous);
        else
            qunsetenv(name);
    }

private:
    const char* name;
    QByteArray previous;
    bool had;
};
} // namespace

class TestCliTrace : public QObject {
    Q_OBJECT
    QTemporaryDir tmp;
    QTemporaryDir data;
    QString P(const QString& name) const { return tmp.filePath(name); }

private slots:
    void initTestCase() { qputenv("XDG_DATA_HOME", data.path().toLocal8Bit()); }

    // One read: the identify request and its answer, then the read request
    // and the 1024 bytes of the image, the same bytes the file holds; the
    // requests are those the station received; the times only grow.
    void aReadOnTheWire()
    {
        TestPorts ports;
        SimStation station;
        QVERIFY(station.Start(Baud, {}, &ports, 3));
        const CliRun r =
            RunCli({"read", "--port", "COM3", "--baud", BaudText, "--trace", P("read.trace"), "-o", P("read.bin")});
        QVERIFY2(r.exitCode == 0, qPrintable(r.err));
        const TraceFile trace = ReadTrace(P("read.trace"));
        QVERIFY2(trace.malformed.isEmpty(), qPrintable(trace.malformed.join('\n')));
        QCOMPARE(trace.headers, QStringList{QStringLiteral("# COM3: %1, 19200 бод").arg(station.Device())});
        QCOMPARE(trace.groups.size(), 2);
        QCOMPARE(trace.Bytes(0, '>'), QByteArray("\x11\x39\x01"));
        QCOMPARE(trace.Bytes(0, '<'), QByteArray("\x01"));
        QCOMPARE(trace.Bytes(1, '>'), QByteArray("\x11\x39\x02"));
        QCOMPARE(trace.Bytes(1, '<').size(), 1024);
        QCOMPARE(trace.Bytes(1, '<'), ReadFile(P("read.bin")));
        QCOMPARE(trace.Requests(), station.Log());
        QCOMPARE(trace.Notes().last(), QStringLiteral("порт закрыт"));
        const QList<double> times = trace.Times();
        QVERIFY(std::is_sorted(times.begin(), times.end()));
        // Received bytes go sixteen to a line at most; the format of a line
        // is the one the README shows.
        for (const TraceLine& t : trace.groups[1])
            QVERIFY(t.bytes.size() <= 16);
        const QString text = QString::fromUtf8(ReadFile(P("read.trace")));
        QVERIFY(text.contains(QRegularExpression(QStringLiteral("\\n {1,}\\d+\\.\\d{3} > 11 39 01\\n {1,}\\d+\\.\\d{3} < 01\\n\\n"))));
    }

    // A write: every write request answered by its echo, the finish request
    // without an answer, and the verify's read.
    void aWriteOnTheWire()
    {
        TestPorts ports;
        SimStation station;
        QVERIFY(station.Start(Baud, {}, &ports, 3));
        QVERIFY(RunCli({"read", "--port", "COM3", "--baud", BaudText, "-o", P("w.bin")}).exitCode == 0);
        QByteArray changed = ReadFile(P("w.bin"));
        changed[501] = char(changed[501] ^ 1);
        QVERIFY(WriteFile(P("w2.bin"), changed));
        const CliRun r = RunCli({"write", "--port", "COM3", "--baud", BaudText, "--trace", P("write.trace"), P("w2.bin")});
        QVERIFY2(r.exitCode == 0, qPrintable(r.err));
        const TraceFile trace = ReadTrace(P("write.trace"));
        QVERIFY(trace.malformed.isEmpty());
        const QStringList log = station.Log();
        QCOMPARE(trace.Requests(), log.mid(log.size() - trace.Requests().size()));
        int writes = 0;
        for (int g = 0; g < trace.groups.size(); ++g) {
            const QByteArray request = trace.Bytes(g, '>');
            if (request.size() == 5 && request.startsWith("\x11\x39")) {
                QCOMPARE(trace.Bytes(g, '<'), request.right(1));   // the echo
                ++writes;
            }
            if (request == QByteArray("\x11\x39\x04"))
                QVERIFY(trace.Bytes(g, '<').isEmpty());
        }
        QCOMPARE(writes, 1);
    }

    // A fleet: a file per port, the port's name in it, each with its own
    // station's bytes; {port} names the files too.
    void aFileForEveryPort()
    {
        TestPorts ports;
        SimStation first, second;
        QVERIFY(first.Start(Baud, {}, &ports, 3));
        QVERIFY(second.Start(Baud, {}, &ports, 4));
        CliRun r = RunCli({"read", "--ports", "COM3-COM4", "--baud", BaudText, "--trace", P("fleet.txt"), "-o",
                           P("fleet/")});
        QVERIFY2(r.exitCode == 0, qPrintable(r.err));
        QVERIFY(!QFile::exists(P("fleet.txt")));
        for (const auto& [port, station] : {std::pair{3, &first}, std::pair{4, &second}}) {
            const TraceFile trace = ReadTrace(P(QStringLiteral("fleet-COM%1.txt").arg(port)));
            QCOMPARE(trace.headers.size(), 1);
            QVERIFY(trace.headers.first().contains(station->Device()));
            QCOMPARE(trace.Bytes(1, '<'), ReadFile(P(QStringLiteral("fleet/COM%1.bin").arg(port))));
        }
        r = RunCli({"read", "--ports", "COM3-COM4", "--baud", BaudText, "--trace", P("{port}.trace"), "-o", P("fleet/")});
        QCOMPARE(r.exitCode, 0);
        QVERIFY(QFile::exists(P("COM3.trace")) && QFile::exists(P("COM4.trace")));
    }

    // A station that never answers: the request, and a note that the answer
    // stopped short.
    void aSilentStationIsNoted()
    {
        TestPorts ports;
        SimStation station;
        QVERIFY(station.Start(Baud, {QStringLiteral("--silent")}, &ports, 3));
        const CliRun r =
            RunCli({"read", "--port", "COM3", "--baud", BaudText, "--trace", P("silent.trace"), "-o", P("s.bin")});
        QCOMPARE(r.exitCode, 3);
        const TraceFile trace = ReadTrace(P("silent.trace"));
        QCOMPARE(trace.Bytes(0, '>'), QByteArray("\x11\x39\x01"));
        QVERIFY(trace.Bytes(0, '<').isEmpty());
        QVERIFY2(trace.Notes().first().startsWith(QStringLiteral("ответ оборвался: получено 0 из 1 байт")),
                 qPrintable(trace.Notes().join('\n')));
    }

    void verboseNamesTheDeviceOfACom()
    {
        TestPorts ports;
        SimStation station;
        QVERIFY(station.Start(Baud, {}, &ports, 3));
        const CliRun r = RunCli({"--verbose", "verify", "--port", "COM3", "--baud", BaudText, P("read.bin")});
        QVERIFY2(r.err.contains(QStringLiteral("COM3: %1 (%2)").arg(station.Device(), ports.Entry(3))), qPrintable(r.err));
    }

    // Neither a ports directory that is not one nor a trace that cannot be
    // written lets a byte go out.
    void nothingIsSentWhenTheSetUpIsWrong()
    {
        TestPorts ports;
        SimStation station;
        QVERIFY(station.Start(Baud, {}, &ports, 3));
        CliRun r = RunCli({"read", "--port", "COM3", "--baud", BaudText, "--trace", P("no/such/folder/t.txt"), "-o",
                           P("x.bin")});
        QCOMPARE(r.exitCode, 2);
        QVERIFY2(r.err.contains(QStringLiteral("--trace %1: папка не найдена").arg(P("no/such/folder/t.txt"))),
                 qPrintable(r.err));
        // Standard output holds the results: the trace goes to a file.
        r = RunCli({"read", "--port", "COM3", "--baud", BaudText, "--trace", "-", "-o", P("x.bin")}, tmp.path());
        QCOMPARE(r.exitCode, 2);
        QVERIFY2(r.err.contains(QStringLiteral("--trace -: журнал обмена пишется только в файл")), qPrintable(r.err));
        QVERIFY(!QFile::exists(tmp.filePath("-")));
        QVERIFY(WriteFile(P("not-a-folder"), "x"));
        for (const QString& dir : {P("not-a-folder"), P("missing-folder")}) {
            EnvironmentValue wrong("TARNIK_PORTS", dir.toLocal8Bit());
            r = RunCli({"read", "--port", "COM3", "--baud", BaudText, "-o", P("x.bin")});
            QCOMPARE(r.exitCode, 2);
            QVERIFY2(r.err.contains(QStringLiteral("TARNIK_PORTS=%1: ").arg(dir)), qPrintable(r.err));
            QCOMPARE(RunCli({"ports"}).exitCode, 2);
        }
        QVERIFY(station.Log().isEmpty());
        QVERIFY(!QFile::exists(P("x.bin")));
    }
};

TARNIK_TEST_GUILESS_MAIN(TestCliTrace)
#include "test_cli_trace.moc"
