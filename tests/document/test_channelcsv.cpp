// The channel table as CSV, without windows: what an export holds, that an
// import of it changes nothing, and that one bad row refuses the whole file.
#include "tests/support/TestRegistry.h"
#include "document/ChannelCsv.h"
#include "document/ProblemList.h"
#include <QTest>

namespace {
const TBandLimits Band{33000000, 48500000, 25000};

QVector<TProgrammerChannel> Table()
{
    QVector<TProgrammerChannel> t;
    for (int i = 0; i < 100; ++i) {
        TProgrammerChannel c;
        c.enable = i % 3 == 0;
        c.rxHz = Band.minHz + 25000 * i;
        c.txHz = Band.minHz + 50000 * i;
        c.ctcssRx = i % 51;
        c.ctcssTx = 50 - i % 51;
        t << c;
    }
    return t;
}

bool Same(const QVector<TProgrammerChannel>& a, const QVector<TProgrammerChannel>& b)
{
    if (a.size() != b.size())
        return false;
    for (int i = 0; i < a.size(); ++i)
        if (a[i].enable != b[i].enable || a[i].rxHz != b[i].rxHz || a[i].txHz != b[i].txHz
            || a[i].ctcssRx != b[i].ctcssRx || a[i].ctcssTx != b[i].ctcssTx)
            return false;
    return true;
}

const QByteArray Header = "channel,enabled,rx_hz,tx_hz,ctcss_rx_hz,ctcss_tx_hz\n";
} // namespace

class TestChannelCsv : public QObject {
    Q_OBJECT
private slots:
    void ExportHoldsHeaderAndOneLinePerChannel()
    {
        const QList<QByteArray> lines = WriteChannelCsv(Table()).split('\n');
        QCOMPARE(lines.size(), 102);   // header, 100 channels, the empty rest after the last "\n"
        QCOMPARE(lines[0] + '\n', Header);
        QCOMPARE(lines[1], QByteArray("0,1,33000000,33000000,,254.1"));
        QCOMPARE(lines[2], QByteArray("1,0,33025000,33050000,67.0,250.3"));
        QCOMPARE(lines[100], QByteArray("99,1,35475000,37950000,241.8,69.3"));
    }

    void RoundTripChangesNothing()
    {
        QVector<TProgrammerChannel> t = Table();
        // A channel the station stored off the step, and a list with no
        // selection, come back as they were.
        t[7].rxHz = 33006000;
        t[8].ctcssTx = -1;
        const TChannelCsvImport in = ReadChannelCsv(WriteChannelCsv(t), Band, t);
        QVERIFY2(in.errors.isEmpty(), qPrintable(in.errors.join('\n')));
        QVERIFY(Same(in.channels, t));
        QCOMPARE(in.named.size(), 100);
    }

    void RowsNotNamedKeepTheirValues()
    {
        const QVector<TProgrammerChannel> t = Table();
        const TChannelCsvImport in = ReadChannelCsv(Header + "5,1,40000000,40025000,100.0,\n", Band, t);
        QVERIFY(in.errors.isEmpty());
        QCOMPARE(in.named, QVector<int>{5});
        for (int i = 0; i < 100; ++i) {
            if (i == 5)
                continue;
            QVERIFY(Same({in.channels[i]}, {t[i]}));
        }
        QCOMPARE(in.channels[5].enable, true);
        QCOMPARE(in.channels[5].rxHz, 40000000);
        QCOMPARE(in.channels[5].txHz, 40025000);
        QCOMPARE(in.channels[5].ctcssRx, 13);
        QCOMPARE(in.channels[5].ctcssTx, 0);
    }

    void SpreadsheetFormsAreRead()
    {
        const QVector<TProgrammerChannel> t = Table();
        const QByteArray text = "\xEF\xBB\xBF"
                                "channel;enabled;rx_hz;tx_hz;ctcss_rx_hz;ctcss_tx_hz\r\n"
                                "\r\n"
                                "\"3\";TRUE;33100000;33100000;\"71,9\";67\r\n";
        const TChannelCsvImport in = ReadChannelCsv(text, Band, t);
        QVERIFY2(in.errors.isEmpty(), qPrintable(in.errors.join('\n')));
        QCOMPARE(in.channels[3].ctcssRx, 3);
        QCOMPARE(in.channels[3].ctcssTx, 1);
        QCOMPARE(in.channels[3].enable, true);
    }

    // A quoted decimal comma is a tone whatever separates the fields; an
    // unquoted one with the "," separator splits the row and is refused.
    void DecimalCommaWhateverTheSeparator_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("comma separator") << QByteArray(Header + "3,1,33100000,33100000,\"71,9\",\" 67,0 \"\n");
        QTest::newRow("semicolon separator")
            << QByteArray("channel;enabled;rx_hz;tx_hz;ctcss_rx_hz;ctcss_tx_hz\n3;1;33100000;33100000;71,9;\"67,0\"\n");
        QTest::newRow("points") << QByteArray(Header + "3,1,33100000,33100000,71.9,67.0\n");
    }
    void DecimalCommaWhateverTheSeparator()
    {
        QFETCH(QByteArray, text);
        const TChannelCsvImport in = ReadChannelCsv(text, Band, Table());
        QVERIFY2(in.errors.isEmpty(), qPrintable(in.errors.join('\n')));
        QCOMPARE(in.channels[3].ctcssRx, 3);
        QCOMPARE(in.channels[3].ctcssTx, 1);

        const TChannelCsvImport unquoted = ReadChannelCsv(Header + "3,1,33100000,33100000,71,9,67.0\n", Band, Table());
        QCOMPARE(unquoted.errors.size(), 1);
        QVERIFY2(unquoted.errors[0].contains(QStringLiteral("7 полей")), qPrintable(unquoted.errors[0]));
    }

    // A message lists the first 20 problems and counts the rest.
    void ProblemListsAreCut()
    {
        QStringList problems;
        for (int i = 1; i <= 25; ++i)
            problems << QStringLiteral("строка %1: плохо").arg(i);
        const QStringList lines = ProblemListText(problems).split('\n');
        QCOMPARE(lines.size(), 21);
        QCOMPARE(lines[0], QStringLiteral("строка 1: плохо"));
        QCOMPARE(lines[19], QStringLiteral("строка 20: плохо"));
        QCOMPARE(lines[20], QStringLiteral("и ещё 5"));
        QCOMPARE(ProblemListText(problems.mid(0, 20)).split('\n').size(), 20);
        QCOMPARE(ProblemListText({QStringLiteral("одна")}), QStringLiteral("одна"));
    }

    void BadRowsAreNamedInFileOrder_data()
    {
        QTest::addColumn<QByteArray>("row");
        QTest::addColumn<QString>("named");
        QTest::addColumn<int>("line");
        QTest::newRow("channel above 99") << QByteArray("100,1,33000000,33000000,,") << "номер канала" << 3;
        QTest::newRow("channel negative") << QByteArray("-1,1,33000000,33000000,,") << "номер канала" << 3;
        QTest::newRow("channel twice") << QByteArray("4,1,33000000,33000000,,\n4,0,33000000,33000000,,")
                                       << "указан повторно" << 4;
        QTest::newRow("below band") << QByteArray("4,1,32975000,33000000,,") << "вне диапазона" << 3;
        QTest::newRow("above band") << QByteArray("4,1,33000000,48525000,,") << "вне диапазона" << 3;
        QTest::newRow("off step") << QByteArray("4,1,33010000,33000000,,") << "шагу 25000" << 3;
        QTest::newRow("not a number") << QByteArray("4,1,33 MHz,33000000,,") << "не число" << 3;
        QTest::newRow("tone not listed") << QByteArray("4,1,33000000,33000000,68.0,") << "CTCSS(RX)" << 3;
        QTest::newRow("flag") << QByteArray("4,yes,33000000,33000000,,") << "признак включения" << 3;
        QTest::newRow("short row") << QByteArray("4,1,33000000") << "3 полей" << 3;
    }
    void BadRowsAreNamedInFileOrder()
    {
        QFETCH(QByteArray, row);
        QFETCH(QString, named);
        QFETCH(int, line);
        const QVector<TProgrammerChannel> t = Table();
        const QByteArray text = Header + "2,1,33000000,33000000,,\n" + row + "\n3,1,33050000,33050000,,\n";
        const TChannelCsvImport in = ReadChannelCsv(text, Band, t);
        QVERIFY(!in.errors.isEmpty());
        QVERIFY2(in.errors.first().startsWith(QStringLiteral("строка %1: ").arg(line)), qPrintable(in.errors.first()));
        QVERIFY2(in.errors.first().contains(named), qPrintable(in.errors.first()));
    }

    void HeaderIsRequired()
    {
        const QVector<TProgrammerChannel> t = Table();
        QCOMPARE(ReadChannelCsv("2,1,33000000,33000000,,\n", Band, t).errors.size(), 1);
        QCOMPARE(ReadChannelCsv("", Band, t).errors, QStringList{QStringLiteral("файл пуст")});
        QCOMPARE(ReadChannelCsv("channel,rx_hz\n", Band, t).errors.size(), 1);
    }
};

TARNIK_TEST_GUILESS_MAIN(TestChannelCsv)
#include "test_channelcsv.moc"
