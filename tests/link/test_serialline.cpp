// The serial line over a pseudo-terminal whose other end the test plays:
// line settings, exclusive open, the request on the wire, the answer
// collected byte by byte, the stop at the first missing byte, purging of
// stale bytes and the progress after every byte.
#include "tests/support/TestRegistry.h"
#include "link/SerialLine.h"
#include "link/TransferProgress.h"
#include "tests/support/StationTestSupport.h"
#include <QElapsedTimer>
#include <QTest>
#include <atomic>
#include <mutex>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

namespace {

// The far end of a pseudo-terminal: once a request of the expected length
// has arrived it sends its reply, one byte at a time.
class PtyPeer {
public:
    PtyPeer()
    {
        char name[256];
        if (openpty(&master, &slave, name, nullptr, nullptr) == 0)
            path = QString::fromLocal8Bit(name);
    }
    ~PtyPeer()
    {
        Stop();
        ::close(slave);
        ::close(master);
    }

    void Answer(int requestLength, const QByteArray& reply)
    {
        Stop();
        stop = false;
        worker = std::thread([this, requestLength, reply] {
            QByteArray got;
            while (!stop) {
                pollfd p{master, POLLIN, 0};
                if (::poll(&p, 1, 20) <= 0)
                    continue;
                char buffer[256];
                const ssize_t n = ::read(master, buffer, sizeof buffer);
                if (n <= 0)
                    continue;
                got.append(buffer, n);
                {
                    std::lock_guard<std::mutex> lock(mutex);
                    received = got;
                }
                if (got.size() == requestLength) {
                    for (char c : reply) {
                        (void)::write(master, &c, 1);
                        ::usleep(200);
                    }
                }
            }
        });
    }

    void Stop()
    {
        stop = true;
        if (worker.joinable())
            worker.join();
    }

    QByteArray Received()
    {
        std::lock_guard<std::mutex> lock(mutex);
        return received;
    }

    int master = -1;
    int slave = -1;
    QString path;

private:
    std::thread worker;
    std::atomic<bool> stop{true};
    std::mutex mutex;
    QByteArray received;
};

// Records what a transfer shows.
class Recorder : public TTransferProgress {
public:
    QList<int> positions;
    QList<bool> visibility;
    void SetPosition(int p) override { positions << p; }
    void SetVisible(bool v) override { visibility << v; }
};

const QByteArray ReadRequest("\x11\x39\x02", 3);

} // namespace

class TestSerialLine : public QObject {
    Q_OBJECT
private slots:
    void openSetsTheLineUp()
    {
        PtyPeer peer;
        TSerialLine line;
        QVERIFY(line.OpenDevice(peer.path, 19200));
        QCOMPARE(line.LastOpenResult(), TSerialLine::OpenResult::Opened);
        termios t;
        QCOMPARE(tcgetattr(peer.master, &t), 0);
        QCOMPARE(cfgetospeed(&t), speed_t(B19200));
        QCOMPARE(t.c_cflag & CSIZE, tcflag_t(CS8));
        QCOMPARE(t.c_cflag & (PARENB | CSTOPB | CRTSCTS), tcflag_t(0));
        QCOMPARE(t.c_iflag & (IXON | IXOFF), tcflag_t(0));
        QVERIFY(line.ClosePort());
        QVERIFY(!line.ClosePort());
        QVERIFY(line.OpenDevice(peer.path, 4800));
        QCOMPARE(tcgetattr(peer.master, &t), 0);
        QCOMPARE(cfgetospeed(&t), speed_t(B4800));
    }

    void openGoesThroughThePortMap()
    {
        TestPorts ports;
        PtyPeer peer;
        ports.Link(15, peer.path);
        TSerialLine line;
        QVERIFY(line.OpenPort(15, 9600));
        QVERIFY(line.IsOpen());
        QVERIFY(!line.OpenPort(16, 9600));
        QVERIFY(!line.IsOpen());
        QCOMPARE(line.LastOpenResult(), TSerialLine::OpenResult::Missing);
    }

    void aPortIsOpenedExclusively()
    {
        PtyPeer peer;
        TSerialLine first, second;
        QVERIFY(first.OpenDevice(peer.path, 9600));
        QVERIFY(!second.OpenDevice(peer.path, 9600));
        QCOMPARE(second.LastOpenResult(), TSerialLine::OpenResult::Busy);
        first.ClosePort();
        QVERIFY(second.OpenDevice(peer.path, 9600));

        PortHolder holder;
        second.ClosePort();
        QVERIFY(holder.Hold(peer.path));
        QVERIFY(!first.OpenDevice(peer.path, 9600));
        QCOMPARE(first.LastOpenResult(), TSerialLine::OpenResult::Busy);
    }

    void transferSendsTheRequestAndCollectsTheAnswer()
    {
        PtyPeer peer;
        peer.Answer(3, "ABCDE");
        TSerialLine line;
        QVERIFY(line.OpenDevice(peer.path, 19200));
        QByteArray answer("previous contents of the vector");
        QCOMPARE(line.Transfer(ReadRequest, answer, 5), 5);
        QCOMPARE(answer, QByteArray("ABCDE"));
        QCOMPARE(peer.Received(), ReadRequest);
    }

    void aShortAnswerStopsAtTheFirstMissingByte()
    {
        PtyPeer peer;
        peer.Answer(3, "0123456789");
        TSerialLine line;
        QVERIFY(line.OpenDevice(peer.path, 19200));
        QByteArray answer;
        QElapsedTimer t;
        t.start();
        QCOMPARE(line.Transfer(ReadRequest, answer, 20), 10);
        const qint64 elapsed = t.elapsed();
        QCOMPARE(answer, QByteArray("0123456789") + QByteArray(10, '\0'));
        // One wait for the first missing byte, not one for each.
        QVERIFY2(elapsed >= TSerialLine::ByteTimeoutMs - 50, qPrintable(QString::number(elapsed)));
        QVERIFY2(elapsed < 2 * TSerialLine::ByteTimeoutMs, qPrintable(QString::number(elapsed)));
    }

    void noAnswerLeavesZeroAfterTheByteTimeout()
    {
        PtyPeer peer;
        TSerialLine line;
        QVERIFY(line.OpenDevice(peer.path, 19200));
        QByteArray answer("x");
        QElapsedTimer t;
        t.start();
        QCOMPARE(line.Transfer(QByteArray("\x11\x39\x01", 3), answer, 1), 0);
        QVERIFY(t.elapsed() >= TSerialLine::ByteTimeoutMs - 50);
        QCOMPARE(answer, QByteArray(1, '\0'));
    }

    void staleBytesAreNotTakenForTheAnswer()
    {
        PtyPeer peer;
        TSerialLine line;
        QVERIFY(line.OpenDevice(peer.path, 19200));
        QCOMPARE(::write(peer.master, "junk", 4), ssize_t(4));
        QTest::qWait(50);
        peer.Answer(3, "OK");
        QByteArray answer;
        QCOMPARE(line.Transfer(ReadRequest, answer, 2), 2);
        QCOMPARE(answer, QByteArray("OK"));
    }

    void countZeroSendsOnlyTheRequest()
    {
        PtyPeer peer;
        peer.Answer(3, "");
        TSerialLine line;
        QVERIFY(line.OpenDevice(peer.path, 19200));
        QByteArray answer("old");
        QCOMPARE(line.Transfer(QByteArray("\x11\x39\x04", 3), answer, 0), 0);
        QVERIFY(answer.isEmpty());
        QVERIFY(QTest::qWaitFor([&] { return peer.Received() == QByteArray("\x11\x39\x04", 3); }, 1000));
    }

    void withoutAPortEveryByteStaysZeroAtOnce()
    {
        TSerialLine line;
        QVERIFY(!line.OpenDevice(QStringLiteral("/dev/tarnik-no-such-device"), 9600));
        Recorder progress;
        QByteArray answer;
        QElapsedTimer t;
        t.start();
        QCOMPARE(line.Transfer(ReadRequest, answer, 1024, &progress), 0);
        QVERIFY(t.elapsed() < 100);
        QCOMPARE(answer, QByteArray(1024, '\0'));
        QCOMPARE(progress.positions, QList<int>{0});
        QCOMPARE(progress.visibility, (QList<bool>{true, false}));
    }

    void progressMovesAfterEveryByteWithMessagesProcessed()
    {
        PtyPeer peer;
        QByteArray image(1024, '\0');
        for (int i = 0; i < image.size(); ++i)
            image[i] = char(i * 7);
        peer.Answer(3, image);
        TSerialLine line;
        int rounds = 0;
        Recorder progress;
        line.SetMessageHook([&] { ++rounds; });
        QVERIFY(line.OpenDevice(peer.path, 19200));
        QByteArray answer;
        QCOMPARE(line.Transfer(ReadRequest, answer, 1024, &progress), 1024);
        QCOMPARE(answer, image);
        QCOMPARE(rounds, 1024);
        QCOMPARE(progress.positions.size(), 1025);
        QCOMPARE(progress.positions.first(), 0);
        QCOMPARE(progress.positions.at(1), 1);
        QCOMPARE(progress.positions.at(512), 51);
        QCOMPARE(progress.positions.last(), 101);
        QCOMPARE(progress.visibility, (QList<bool>{true, false}));
    }

    void aTransferWithoutProgressProcessesNoMessages()
    {
        PtyPeer peer;
        peer.Answer(3, "ABCD");
        TSerialLine line;
        int rounds = 0;
        line.SetMessageHook([&] { ++rounds; });
        QVERIFY(line.OpenDevice(peer.path, 19200));
        QByteArray answer;
        QCOMPARE(line.Transfer(ReadRequest, answer, 4), 4);
        QCOMPARE(rounds, 0);
    }
};

TARNIK_TEST_GUILESS_MAIN(TestSerialLine)
#include "test_serialline.moc"
