// The simulated station as the programmer meets it: a separate process on a
// pseudo-terminal, talked to through QSerialPort.
#include "tests/support/TestRegistry.h"
#include "link/ImageCodec.h"
#include "tests/tools/StationClient.h"
#include "tests/tools/StationProcess.h"
#include <QElapsedTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

namespace {

constexpr int Fast = 19200;

QByteArray ReadFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QByteArray Pattern()
{
    QByteArray image(StationImageSize, 0);
    for (int i = 0; i < image.size(); ++i)
        image[i] = static_cast<char>((i * 13 + 1) & 0xFF);
    return image;
}

// Lines of the request log, waiting until at least count are there.
QStringList LogLines(const QString& path, int count, int timeoutMs = 2000)
{
    QElapsedTimer timer;
    timer.start();
    QStringList lines;
    do {
        lines = QString::fromLatin1(ReadFile(path)).split('\n', Qt::SkipEmptyParts);
        if (lines.size() >= count)
            break;
        QTest::qWait(20);
    } while (timer.elapsed() < timeoutMs);
    return lines;
}

// Waits until the file holds the expected bytes (the station writes it on
// its own time).
bool FileBecomes(const QString& path, const QByteArray& expected, int timeoutMs = 2000)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < timeoutMs) {
        if (ReadFile(path) == expected)
            return true;
        QTest::qWait(20);
    }
    return ReadFile(path) == expected;
}

int RunProbe(const QString& path, int baud)
{
    QProcess probe;
    probe.start(QStringLiteral(STATION_PORT_PROBE), {path, QString::number(baud)});
    if (!probe.waitForFinished(5000))
        return -1;
    return probe.exitCode();
}

// Bytes from a descriptor until count came or the time is up.
QByteArray ReadFd(int fd, int count, int timeoutMs)
{
    QByteArray bytes;
    QElapsedTimer timer;
    timer.start();
    while (bytes.size() < count && timer.elapsed() < timeoutMs) {
        pollfd p = {fd, POLLIN, 0};
        if (poll(&p, 1, static_cast<int>(timeoutMs - timer.elapsed())) <= 0)
            continue;
        char buffer[2048];
        const ssize_t n = read(fd, buffer, sizeof buffer);
        if (n > 0)
            bytes.append(buffer, static_cast<int>(n));
    }
    return bytes;
}

// A pseudo-terminal pair made by the test: the slave plays a serial device
// for the station, the test is the other end of the null-modem cable.
struct CablePair {
    int master = -1;
    QString slave;
    CablePair()
    {
        master = posix_openpt(O_RDWR | O_NOCTTY);
        if (master >= 0 && grantpt(master) == 0 && unlockpt(master) == 0)
            slave = QString::fromLocal8Bit(ptsname(master));
    }
    ~CablePair()
    {
        if (master >= 0)
            close(master);
    }
};

} // namespace

class TestStationProcess : public QObject {
    Q_OBJECT
private:
    QTemporaryDir dir;

    QString Path(const QString& name) const { return dir.filePath(name); }

private slots:
    void initTestCase() { QVERIFY(dir.isValid()); }

    void helpAndBadOptions()
    {
        QProcess p;
        p.start(StationProcess::Program(), {"--help"});
        QVERIFY(p.waitForFinished(5000));
        QCOMPARE(p.exitCode(), 0);
        const QString usage = QString::fromLatin1(p.readAllStandardOutput());
        for (const char* option : {"--image", "--ports-dir", "--com", "--baud", "--device", "--log", "--silent",
                                   "--identify-answer", "--image-stop-after", "--wrong-echo", "--never-echo",
                                   "--byte-delay", "--write-delay", "--vanish-after", "--latency", "--exact-pace"})
            QVERIFY2(usage.contains(QLatin1String(option)), option);

        p.start(StationProcess::Program(), {"--baud", "1234"});
        QVERIFY(p.waitForFinished(5000));
        QVERIFY(p.exitCode() != 0);
        QVERIFY(p.readAllStandardOutput().isEmpty());
        QVERIFY(p.readAllStandardError().contains("--baud"));
    }

    // The man pages, English and Russian, describe every option the usage
    // lists: an option added to the station without its page is caught here.
    void manPagesNameEveryOption()
    {
        QProcess p;
        p.start(StationProcess::Program(), {"--help"});
        QVERIFY(p.waitForFinished(5000));
        const QString usage = QString::fromLatin1(p.readAllStandardOutput());
        const QRegularExpression option(QStringLiteral("^  (--[a-z][-a-z]*)"), QRegularExpression::MultilineOption);
        QStringList options;
        for (auto it = option.globalMatch(usage); it.hasNext();)
            options << it.next().captured(1);
        QVERIFY(options.size() >= 20);
        for (const char* page : {"/packaging/man/tarnik-station.1", "/packaging/man/ru/tarnik-station.1"}) {
            QFile f(QStringLiteral(TARNIK_SOURCE_DIR) + QLatin1String(page));
            QVERIFY2(f.open(QIODevice::ReadOnly), page);
            const QString man = QString::fromUtf8(f.readAll());
            for (QString name : options)
                QVERIFY2(man.contains(name.replace('-', QStringLiteral("\\-"))), qPrintable(page + name));
        }
    }

    void factoryImageIsAPlausibleStation()
    {
        const QString file = Path("factory.img");
        StationProcess station;
        QVERIFY(station.Start({"--baud", "19200", "--image", file}));
        QVERIFY(station.DevicePath().startsWith("/dev/pts/"));
        // A missing image file is created from the factory image at once.
        QCOMPARE(ReadFile(file).size(), StationImageSize);

        StationClient client;
        QVERIFY(client.Open(station.DevicePath(), Fast));
        QCOMPARE(client.Exchange(IdentifyRequest(), 1), QByteArray::fromHex("01"));
        const QByteArray image = client.Exchange(ReadImageRequest(), 1024, 3000);
        QCOMPARE(image.size(), 1024);
        QCOMPARE(image, ReadFile(file));

        TTarnikPlus r;
        QVERIFY(DecodeImage(image, r));
        int enabled = 0, split = 0, toned = 0, highest = 0;
        for (int i = 0; i < 100; ++i) {
            const TTarnikRec& ch = r.channels[i];
            if (!ch.enable)
                continue;
            ++enabled;
            highest = i;
            for (int32_t f : {ch.RX, ch.TX}) {
                QVERIFY(f >= 33000 && f <= 41000);
                QCOMPARE((f - 33000) % 25, 0);
            }
            split += ch.RX != ch.TX;
            toned += ch.CTCSSRX != 0 || ch.CTCSSTX != 0;
        }
        QCOMPARE(enabled, 6);
        QVERIFY(split >= 2);
        QVERIFY(toned >= 2);
        QCOMPARE(int(r.lastChannel), highest);
        QCOMPARE(r.range, 1);
        QVERIFY(r.normalPowerOff && r.normalTxEnd);
        QVERIFY(r.volume > 0 && r.volume < 8);
        QVERIFY(r.squelch < 10 && r.analogSql < 16);
        QVERIFY(r.deviation > 0 && r.deviation <= 10);
        for (uint8_t level : {r.micSensitivity, r.rxGain, r.ctcssTxLevel, r.ctcssRxLevel})
            QVERIFY(level > 0 && level <= 16);
        QVERIFY(r.timeoutTime > 0 && r.pwmPower > 0);
        // What the codec would write: the reserved bytes stay 0xFF, 503 is 0.
        QCOMPARE(uint8_t(image[503]), 0x00);
        QCOMPARE(uint8_t(image[516]), 0xFF);
        QCOMPARE(uint8_t(image[1023]), 0xFF);
    }

    void givenImageIsServedAndMustHoldExactly1024Bytes()
    {
        const QString file = Path("given.img");
        QVERIFY(WriteFile(file, Pattern()));
        {
            StationProcess station;
            QVERIFY(station.Start({"--baud", "19200", "--image", file}));
            StationClient client;
            QVERIFY(client.Open(station.DevicePath(), Fast));
            QCOMPARE(client.Exchange(ReadImageRequest(), 1024, 3000), Pattern());
        }
        for (int size : {1023, 1025, 0}) {
            const QString bad = Path(QString("bad%1.img").arg(size));
            QVERIFY(WriteFile(bad, Pattern().leftJustified(size, 'x', true)));
            StationProcess station;
            QVERIFY(!station.Start({"--image", bad}));
            QVERIFY(station.WaitForExit());
            QVERIFY(station.ExitCode() != 0);
            QVERIFY(station.ErrorText().contains("1024"));
            QCOMPARE(ReadFile(bad).size(), size);   // left as it was
        }
    }

    void writesOnAllPagesReachTheFileOnFinish()
    {
        const QString file = Path("write.img");
        QVERIFY(WriteFile(file, Pattern()));
        StationProcess station;
        QVERIFY(station.Start({"--baud", "19200", "--image", file}));
        StationClient client;
        QVERIFY(client.Open(station.DevicePath(), Fast));

        QByteArray expected = Pattern();
        const int offsets[] = {0, 255, 256, 511, 515, 767, 768, 1023};
        for (int offset : offsets) {
            const uint8_t data = static_cast<uint8_t>(0xA0 ^ offset);
            QCOMPARE(client.Exchange(WriteRequest(offset, data), 1), QByteArray(1, char(data)));
            expected[offset] = char(data);
        }
        // Only the finish request makes the write session count.
        QTest::qWait(100);
        QCOMPARE(ReadFile(file), Pattern());
        QVERIFY(client.Exchange(FinishRequest(), 1, 200).isEmpty());
        QVERIFY(FileBecomes(file, expected));
        QCOMPARE(client.Exchange(ReadImageRequest(), 1024, 3000), expected);
    }

    void imageIsSavedOnEveryStopSignal()
    {
        for (int sig : {SIGTERM, SIGINT, SIGHUP}) {
            const QString file = Path(QString("signal%1.img").arg(sig));
            QVERIFY(WriteFile(file, Pattern()));
            StationProcess station;
            QVERIFY(station.Start({"--baud", "19200", "--image", file}));
            StationClient client;
            QVERIFY(client.Open(station.DevicePath(), Fast));
            QCOMPARE(client.Exchange(WriteRequest(600, 0x5A), 1), QByteArray("\x5A"));
            QVERIFY(station.Stop(sig));
            QVERIFY(station.ExitedNormally());
            QCOMPARE(station.ExitCode(), 0);
            QByteArray expected = Pattern();
            expected[600] = 0x5A;
            QCOMPARE(ReadFile(file), expected);
        }
    }

    void requestLogShowsTheBytesOnTheWire()
    {
        const QString log = Path("requests.log");
        StationProcess station;
        QVERIFY(station.Start({"--baud", "19200", "--log", log}));
        StationClient client;
        QVERIFY(client.Open(station.DevicePath(), Fast));

        QCOMPARE(client.Exchange(QByteArray::fromHex("0011113901"), 1), QByteArray("\x01"));
        QCOMPARE(client.Exchange(WriteRequest(1023, 0x11), 1), QByteArray("\x11"));
        // An unknown command is skipped; the identify behind it is answered.
        QCOMPARE(client.Exchange(QByteArray::fromHex("113977113901"), 1), QByteArray("\x01"));
        // A request that never gets its last bytes is dropped as garbage.
        QVERIFY(client.Exchange(QByteArray::fromHex("11390305"), 1, 300).isEmpty());
        QVERIFY(client.Exchange(FinishRequest(), 1, 100).isEmpty());

        const QStringList expected = {"? 00 11", "11 39 01", "11 39 33 FF 11", "? 11 39 77",
                                      "11 39 01", "? 11 39 03 05", "11 39 04"};
        QCOMPARE(LogLines(log, expected.size()), expected);
    }

    void registersAsComPortAndLeavesOnExit()
    {
        const QString ports = Path("ports/nested");
        const QString link = ports + "/COM7";
        const QString file = Path("com.img");
        StationProcess station;
        QVERIFY(station.Start({"--baud", "19200", "--ports-dir", ports, "--com", "7", "--image", file}));
        QFileInfo info(link);
        QVERIFY(info.isSymLink());
        QCOMPARE(info.symLinkTarget(), station.DevicePath());

        StationClient client;
        QVERIFY2(client.Open(link, Fast), qPrintable(client.Port().errorString()));
        QCOMPARE(client.Exchange(IdentifyRequest(), 1), QByteArray("\x01"));
        // The port is the programmer's alone while it holds it open.
        QCOMPARE(RunProbe(link, Fast), 1);
        client.Close();
        QCOMPARE(RunProbe(link, Fast), 0);

        QVERIFY(station.Stop(SIGTERM));
        QCOMPARE(station.ExitCode(), 0);
        QVERIFY(!QFileInfo(link).isSymLink());
        QVERIFY(!QFileInfo::exists(link));
        QCOMPARE(ReadFile(file).size(), StationImageSize);
    }

    void survivesTheProgramOpeningAndClosingItsPort()
    {
        StationProcess station;
        QVERIFY(station.Start({"--baud", "19200", "--ports-dir", Path("reopen"), "--com", "1"}));
        for (int round = 0; round < 15; ++round) {
            StationClient client;
            QVERIFY2(client.Open(Path("reopen/COM1"), Fast), qPrintable(client.Port().errorString()));
            QCOMPARE(client.Exchange(IdentifyRequest(), 1), QByteArray("\x01"));
            QCOMPARE(client.Exchange(WriteRequest(round, 0x80 + round), 1), QByteArray(1, char(0x80 + round)));
        }
        QVERIFY(station.IsRunning());
        QCOMPARE(RunProbe(Path("reopen/COM1"), Fast), 0);
        QVERIFY(station.IsRunning());
    }

    void anotherBaudRateGetsNoAnswer()
    {
        const QString log = Path("baud.log");
        StationProcess station;
        QVERIFY(station.Start({"--baud", "19200", "--log", log}));
        {
            StationClient slow;
            QVERIFY(slow.Open(station.DevicePath(), 9600));
            QVERIFY(slow.Exchange(IdentifyRequest(), 1, 300).isEmpty());
            QVERIFY(slow.Exchange(ReadImageRequest(), 1, 300).isEmpty());
        }
        // The same port at the station's rate: the rate the program sets is
        // the one the station sees.
        StationClient right;
        QVERIFY(right.Open(station.DevicePath(), Fast));
        QCOMPARE(right.Exchange(IdentifyRequest(), 1), QByteArray("\x01"));
        const QStringList expected = {"? 11 39 01", "? 11 39 02", "11 39 01"};
        QCOMPARE(LogLines(log, expected.size()), expected);
    }

    void readIsPacedAtTheLineRate()
    {
        StationProcess station;
        QVERIFY(station.Start({"--baud", "19200"}));
        StationClient client;
        QVERIFY(client.Open(station.DevicePath(), Fast));
        QElapsedTimer timer;
        timer.start();
        const QByteArray image = client.Exchange(ReadImageRequest(), 1024, 5000);
        const double seconds = timer.nsecsElapsed() / 1e9;
        QCOMPARE(image.size(), 1024);
        const double lineTime = 1027 * 10 / 19200.0;
        QVERIFY2(seconds >= 0.95 * lineTime && seconds <= 1.5 * lineTime,
                 qPrintable(QString("took %1 s, line time %2 s").arg(seconds).arg(lineTime)));
    }

    void writesArePacedAtTheLineRate()
    {
        StationProcess station;
        QVERIFY(station.Start({"--baud", "9600"}));
        StationClient client;
        QVERIFY(client.Open(station.DevicePath(), 9600));
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < 20; ++i)
            QCOMPARE(client.Exchange(WriteRequest(i, 0x11), 1), QByteArray("\x11"));
        const double seconds = timer.nsecsElapsed() / 1e9;
        // Five request bytes and the echo per write. Every exchange is also a
        // round trip through two processes, which a busy machine may delay.
        const double lineTime = 20 * 6 * 10 / 9600.0;
        const double roundTrips = 20 * 0.025;
        QVERIFY2(seconds >= 0.95 * lineTime && seconds <= 1.5 * lineTime + roundTrips,
                 qPrintable(QString("took %1 s, line time %2 s").arg(seconds).arg(lineTime)));
    }

    void silentStationNeverAnswers()
    {
        const QString file = Path("silent.img");
        QVERIFY(WriteFile(file, Pattern()));
        StationProcess station;
        QVERIFY(station.Start({"--baud", "19200", "--silent", "--image", file}));
        StationClient client;
        QVERIFY(client.Open(station.DevicePath(), Fast));
        QVERIFY(client.Exchange(IdentifyRequest(), 1, 300).isEmpty());
        QVERIFY(client.Exchange(ReadImageRequest(), 1, 300).isEmpty());
        QVERIFY(client.Exchange(WriteRequest(1, 0x77), 1, 300).isEmpty());
        client.Exchange(FinishRequest(), 0);
        QVERIFY(station.Stop(SIGTERM));
        QCOMPARE(ReadFile(file), Pattern());
    }

    void identifyAnswerAndShortImage()
    {
        const QString file = Path("short.img");
        QVERIFY(WriteFile(file, Pattern()));
        StationProcess station;
        QVERIFY(station.Start({"--baud", "19200", "--identify-answer", "02", "--image-stop-after", "400",
                               "--image", file}));
        StationClient client;
        QVERIFY(client.Open(station.DevicePath(), Fast));
        QCOMPARE(client.Exchange(IdentifyRequest(), 2, 300), QByteArray("\x02"));
        QCOMPARE(client.Exchange(ReadImageRequest(), 1024, 800), Pattern().left(400));
    }

    void wrongAndMissingEchoes()
    {
        const QString file = Path("echo.img");
        QVERIFY(WriteFile(file, Pattern()));
        StationProcess station;
        QVERIFY(station.Start({"--baud", "19200", "--wrong-echo", "5:3", "--wrong-echo", "0x203:1",
                               "--never-echo", "9", "--image", file}));
        StationClient client;
        QVERIFY(client.Open(station.DevicePath(), Fast));

        for (int attempt = 0; attempt < 3; ++attempt) {
            const QByteArray echo = client.Exchange(WriteRequest(5, 0x42), 1);
            QCOMPARE(echo.size(), 1);
            QVERIFY(echo[0] != char(0x42));
            QVERIFY(echo[0] != char(0x00));
        }
        // Not stored while the echo was wrong.
        QCOMPARE(client.Exchange(ReadImageRequest(), 1024, 3000).at(5), Pattern().at(5));
        QCOMPARE(client.Exchange(WriteRequest(5, 0x42), 1), QByteArray("\x42"));
        QVERIFY(client.Exchange(WriteRequest(0x203, 200), 1) != QByteArray(1, char(200)));
        QCOMPARE(client.Exchange(WriteRequest(0x203, 200), 1), QByteArray(1, char(200)));
        for (int attempt = 0; attempt < 4; ++attempt)
            QVERIFY(client.Exchange(WriteRequest(9, 0x33), 1, 200).isEmpty());
        client.Exchange(FinishRequest(), 0);

        QByteArray expected = Pattern();
        expected[5] = 0x42;
        expected[0x203] = char(200);
        QVERIFY(FileBecomes(file, expected));
    }

    void delaysStretchTheAnswers()
    {
        StationProcess station;
        QVERIFY(station.Start({"--baud", "19200", "--byte-delay", "20", "--write-delay", "150",
                               "--image-stop-after", "10"}));
        StationClient client;
        QVERIFY(client.Open(station.DevicePath(), Fast));
        QElapsedTimer timer;
        timer.start();
        QCOMPARE(client.Exchange(ReadImageRequest(), 10, 2000).size(), 10);
        qint64 ms = timer.elapsed();
        QVERIFY2(ms >= 200 && ms < 400, qPrintable(QString::number(ms)));

        timer.restart();
        QCOMPARE(client.Exchange(WriteRequest(3, 0x44), 1, 2000), QByteArray("\x44"));
        ms = timer.elapsed();
        QVERIFY2(ms >= 170 && ms < 350, qPrintable(QString::number(ms)));
    }

    void latencyHoldsEveryAnswerToTheTimersTick()
    {
        // At 19200 baud a write and its echo take 3 ms on the line; behind
        // a 40 ms latency timer every echo waits for the next tick, so ten
        // writes in a row take ten ticks.
        StationProcess station;
        QVERIFY(station.Start({"--baud", "19200", "--latency", "40"}));
        StationClient client;
        QVERIFY(client.Open(station.DevicePath(), Fast));
        QCOMPARE(client.Exchange(IdentifyRequest(), 1), QByteArray("\x01"));
        // The typical (median) exchange takes one tick: a machine that
        // holds the test up now and then lengthens a few, not that one.
        QElapsedTimer timer;
        timer.start();
        std::vector<qint64> each;
        for (int i = 0; i < 10; ++i) {
            const qint64 start = timer.elapsed();
            QCOMPARE(client.Exchange(WriteRequest(i, 0x22), 1, 2000), QByteArray("\x22"));
            each.push_back(timer.elapsed() - start);
        }
        const qint64 ms = timer.elapsed();
        QVERIFY2(ms >= 360, qPrintable(QString::number(ms)));
        std::sort(each.begin(), each.end());
        const qint64 median = (each[4] + each[5]) / 2;
        QVERIFY2(median >= 36 && median < 70, qPrintable(QString::number(median)));

        QProcess p;
        p.start(StationProcess::Program(), {"--latency", "256"});
        QVERIFY(p.waitForFinished(5000));
        QVERIFY(p.exitCode() != 0);
        QVERIFY(p.readAllStandardError().contains("--latency"));
    }

    void vanishesAfterItsRequests()
    {
        const QString ports = Path("vanish");
        const QString file = Path("vanish.img");
        QVERIFY(WriteFile(file, Pattern()));
        StationProcess station;
        QVERIFY(station.Start({"--baud", "19200", "--vanish-after", "3", "--ports-dir", ports, "--com", "4",
                               "--image", file}));
        StationClient client;
        QVERIFY(client.Open(ports + "/COM4", Fast));
        QCOMPARE(client.Exchange(IdentifyRequest(), 1), QByteArray("\x01"));
        QCOMPARE(client.Exchange(WriteRequest(700, 0x66), 1), QByteArray("\x66"));
        // The third request still gets its whole answer, then the line dies.
        QCOMPARE(client.Exchange(ReadImageRequest(), 1024, 3000).size(), 1024);
        QVERIFY(station.WaitForExit());
        QVERIFY(station.ExitedNormally());
        QCOMPARE(station.ExitCode(), 0);
        QVERIFY(client.Exchange(IdentifyRequest(), 1, 300).isEmpty());
        QVERIFY(!QFileInfo::exists(ports + "/COM4"));
        QByteArray expected = Pattern();
        expected[700] = 0x66;
        QCOMPARE(ReadFile(file), expected);
    }

    void aStaleLinkIsReplacedAndAForeignFileRefused()
    {
        const QString ports = Path("stale");
        QVERIFY(QDir().mkpath(ports));
        QVERIFY(QFile::link("/nonexistent/device", ports + "/COM2"));
        QVERIFY(WriteFile(ports + "/COM3", "not a link"));

        StationProcess first;
        QVERIFY(first.Start({"--ports-dir", ports, "--com", "2"}));
        QCOMPARE(QFileInfo(ports + "/COM2").symLinkTarget(), first.DevicePath());

        // A second station on the same number takes it over; the first one
        // leaves the link alone when it goes.
        StationProcess second;
        QVERIFY(second.Start({"--ports-dir", ports, "--com", "2"}));
        QCOMPARE(QFileInfo(ports + "/COM2").symLinkTarget(), second.DevicePath());
        QVERIFY(first.Stop(SIGTERM));
        QCOMPARE(QFileInfo(ports + "/COM2").symLinkTarget(), second.DevicePath());
        QVERIFY(second.Stop(SIGTERM));
        QVERIFY(!QFileInfo(ports + "/COM2").isSymLink());

        StationProcess refused;
        QVERIFY(!refused.Start({"--ports-dir", ports, "--com", "3"}));
        QVERIFY(refused.WaitForExit());
        QVERIFY(refused.ExitCode() != 0);
        QVERIFY(refused.ErrorText().contains("COM3"));
        QCOMPARE(ReadFile(ports + "/COM3"), QByteArray("not a link"));
    }

    void drivesASerialDevice()
    {
        CablePair cable;
        QVERIFY(!cable.slave.isEmpty());
        const QString ports = Path("device");
        StationProcess station;
        QVERIFY(station.Start({"--device", cable.slave, "--baud", "19200", "--ports-dir", ports, "--com", "9"}));
        QCOMPARE(station.DevicePath(), cable.slave);
        QCOMPARE(QFileInfo(ports + "/COM9").symLinkTarget(), cable.slave);

        QCOMPARE(write(cable.master, "\x11\x39\x01", 3), ssize_t(3));
        QCOMPARE(ReadFd(cable.master, 1, 1000), QByteArray("\x01"));
        QCOMPARE(write(cable.master, "\x11\x39\x02", 3), ssize_t(3));
        const QByteArray image = ReadFd(cable.master, 1024, 3000);
        QCOMPARE(image.size(), 1024);
        TTarnikPlus r;
        QVERIFY(DecodeImage(image, r));
        QCOMPARE(r.range, 1);
        QVERIFY(station.Stop(SIGTERM));
        QCOMPARE(station.ExitCode(), 0);
        QVERIFY(!QFileInfo(ports + "/COM9").isSymLink());
    }
};

TARNIK_TEST_GUILESS_MAIN(TestStationProcess)
#include "test_station_process.moc"
