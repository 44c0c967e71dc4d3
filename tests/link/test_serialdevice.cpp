// The raw port under the serial line, on the platform's own device, against
// the simulated station: the station's COM number opens, requests reach the
// station (its request log), answers are read within their time limits,
// pending input is counted and discarded, and a port opens for one program
// at a time.
#include "tests/support/TestRegistry.h"
#include "link/PortMap.h"
#include "link/SerialDevice.h"
#include "tests/support/StationTestSupport.h"
#include <QElapsedTimer>
#include <QTest>

namespace {
constexpr int StationCom = 5;
constexpr int Baud = 19200;
const QByteArray Identify("\x11\x39\x01", 3);
const QByteArray ReadImage("\x11\x39\x02", 3);

// Reads until count bytes have come or a read waits in vain.
QByteArray ReadUpTo(TSerialDevice& device, int count, int timeoutMs)
{
    QByteArray got;
    char buffer[256];
    while (got.size() < count) {
        const int n = device.Read(buffer, qMin<int>(sizeof buffer, count - got.size()), timeoutMs);
        if (n <= 0)
            break;
        got.append(buffer, n);
    }
    return got;
}
} // namespace

class TestSerialDevice : public QObject {
    Q_OBJECT

    std::unique_ptr<TestPorts> ports;
    std::unique_ptr<SimStation> station;

    QString Device() const { return PortMap::DevicePath(StationCom); }

private slots:
    void init()
    {
        ports = std::make_unique<TestPorts>();
        station = std::make_unique<SimStation>();
        QVERIFY2(station->Start(Baud, {}, ports.get(), StationCom), qPrintable(station->ErrorText()));
    }
    void cleanup()
    {
        station.reset();
        ports.reset();
    }

    void requestsReachTheStationAndAnswersComeBack()
    {
        TSerialDevice device;
        QVERIFY(device.Open(Device(), Baud));
        QCOMPARE(device.LastOpenResult(), TPortOpenResult::Opened);
        QVERIFY(device.Write(Identify));
        QCOMPARE(ReadUpTo(device, 1, 600), QByteArray(1, '\x01'));
        QVERIFY(device.Write(ReadImage));
        const QByteArray image = ReadUpTo(device, 1024, 600);
        QCOMPARE(image.size(), 1024);
        device.Close();
        QVERIFY(!device.IsOpen());
        QVERIFY(QTest::qWaitFor([&] { return station->Image() == image; }, 2000));
        QCOMPARE(station->Log(), (QStringList{LogLine(Identify), LogLine(ReadImage)}));
    }

    void aReadWaitsForTheFirstByteOnlyUpToItsLimit()
    {
        TSerialDevice device;
        QVERIFY(device.Open(Device(), Baud));
        char byte;
        QElapsedTimer t;
        t.start();
        QCOMPARE(device.Read(&byte, 1, 300), 0);
        const qint64 waited = t.elapsed();
        QVERIFY2(waited >= 250 && waited < 1500, qPrintable(QString::number(waited)));
        // An answer on its way ends the wait as soon as it is there.
        QVERIFY(device.Write(Identify));
        t.restart();
        QCOMPARE(device.Read(&byte, 1, 5000), 1);
        QCOMPARE(byte, '\x01');
        QVERIFY2(t.elapsed() < 2500, qPrintable(QString::number(t.elapsed())));
    }

    void pendingInputIsCountedAndDiscarded()
    {
        TSerialDevice device;
        QVERIFY(device.Open(Device(), Baud));
        QVERIFY(device.Write(ReadImage));
        // A third of the image at 19200 baud takes some 180 ms.
        QVERIFY(QTest::qWaitFor([&] { return device.BytesAvailable() >= 300; }, 3000));
        QTest::qWait(700);   // the rest has arrived too
        QCOMPARE(device.BytesAvailable(), 1024);
        device.Discard();
        QCOMPARE(device.BytesAvailable(), 0);
        char byte;
        QCOMPARE(device.Read(&byte, 1, 200), 0);
        // The line still works after the purge.
        QVERIFY(device.Write(Identify));
        QCOMPARE(ReadUpTo(device, 1, 600), QByteArray(1, '\x01'));
    }

    void aPortOpensForOneProgramAtATime()
    {
        if (!PortHoldingUntestable().isEmpty())
            QSKIP(qPrintable(PortHoldingUntestable()));
        TSerialDevice first, second;
        QVERIFY(first.Open(Device(), Baud));
        QVERIFY(!second.Open(Device(), Baud));
        QCOMPARE(second.LastOpenResult(), TPortOpenResult::Busy);
        QVERIFY(!second.IsOpen());
        QCOMPARE(second.Read(nullptr, 1, 10), -1);
        first.Close();
        QVERIFY(second.Open(Device(), Baud));
    }

    void aMissingPortIsSaidToBeMissing()
    {
        TSerialDevice device;
#ifdef Q_OS_WIN
        // A number that neither the system nor the Wine prefix has.
        const QString missing = QStringLiteral("\\\\.\\COM240");
#else
        // No station registers as the next number.
        const QString missing = PortMap::DevicePath(StationCom + 1);
#endif
        QVERIFY(!device.Open(missing, Baud));
        QCOMPARE(device.LastOpenResult(), TPortOpenResult::Missing);
        QVERIFY(!device.Write(Identify));
        QCOMPARE(device.BytesAvailable(), 0);
    }
};

TARNIK_TEST_GUILESS_MAIN(TestSerialDevice)
#include "test_serialdevice.moc"
