// The check before a write: frequencies the station's code cannot hold, and
// channels the station would take for empty slots.
#include "tests/support/TestRegistry.h"
#include "editors/StationFrequencyCheck.h"
#include "link/ImageCodec.h"
#include "link/StationRecord.h"
#include <QTest>

namespace {
TTarnikPlus OneChannel(int index, int rxKHz, int txKHz, bool enable = true)
{
    TTarnikPlus r;
    r.channels.resize(100);
    r.channels[index] = TTarnikRec{enable, txKHz, rxKHz, 0, 0};
    return r;
}

// Whether the encoded channel comes back enabled, each frequency at most one
// 6.25 kHz grid step below what was written (the grid rounding, no wrap).
bool SurvivesTheImage(const TTarnikPlus& r, int index)
{
    QByteArray image;
    EncodeImage(r, image);
    TTarnikPlus back;
    DecodeImage(image, back);
    const TTarnikRec& a = r.channels[index];
    const TTarnikRec& b = back.channels[index];
    auto near = [](int written, int read) { return written - read >= 0 && written - read < 7; };
    return b.enable && near(a.RX, b.RX) && near(a.TX, b.TX);
}
} // namespace

class TestStationFrequencyCheck : public QObject {
    Q_OBJECT
private slots:
    void holdableChannelsPass_data()
    {
        QTest::addColumn<int>("rx");
        QTest::addColumn<int>("tx");
        QTest::newRow("lowest") << 33000 << 33000;
        QTest::newRow("highest receive") << 58593 << 45000;
        QTest::newRow("highest transmit") << 45000 << 58593;
        QTest::newRow("just below the empty mark") << 56999 << 56999;
        QTest::newRow("one side above it") << 57000 << 56975;
    }
    void holdableChannelsPass()
    {
        QFETCH(int, rx);
        QFETCH(int, tx);
        const TTarnikPlus r = OneChannel(12, rx, tx);
        QCOMPARE(StationFrequencyProblem(r), QString());
        QVERIFY(SurvivesTheImage(r, 12));
    }

    void frequenciesOutsideTheCodeAreRefusedNamingTheChannel_data()
    {
        QTest::addColumn<int>("rx");
        QTest::addColumn<int>("tx");
        QTest::addColumn<QString>("named");
        QTest::newRow("receive below") << 32999 << 33000 << "приема 32999";
        QTest::newRow("receive above") << 58594 << 40000 << "приема 58594";
        QTest::newRow("transmit above") << 40000 << 60000 << "передачи 60000";
        QTest::newRow("transmit far below") << 40000 << 0 << "передачи 0";
    }
    void frequenciesOutsideTheCodeAreRefusedNamingTheChannel()
    {
        QFETCH(int, rx);
        QFETCH(int, tx);
        QFETCH(QString, named);
        const QString problem = StationFrequencyProblem(OneChannel(12, rx, tx));
        QVERIFY2(problem.startsWith(QStringLiteral("Канал 12:")), qPrintable(problem));
        QVERIFY2(problem.contains(named), qPrintable(problem));
    }

    void bothFrequenciesAtTheEmptyMarkAreRefused()
    {
        const TTarnikPlus r = OneChannel(99, 57000, 58000);
        const QString problem = StationFrequencyProblem(r);
        QVERIFY2(problem.startsWith(QStringLiteral("Канал 99:")), qPrintable(problem));
        QVERIFY(problem.contains(QStringLiteral("пустым")));
        QVERIFY(!SurvivesTheImage(r, 99));   // what the check protects against
    }

    void disabledChannelsAreNotChecked()
    {
        QCOMPARE(StationFrequencyProblem(OneChannel(5, 0, 99999, false)), QString());
    }

    void theFirstOffendingChannelIsNamed()
    {
        TTarnikPlus r = OneChannel(30, 60000, 40000);
        r.channels[20] = TTarnikRec{true, 58000, 57500, 0, 0};
        QVERIFY(StationFrequencyProblem(r).startsWith(QStringLiteral("Канал 20:")));
    }
};

TARNIK_TEST_GUILESS_MAIN(TestStationFrequencyCheck)
#include "test_stationfrequencycheck.moc"
