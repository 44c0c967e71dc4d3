// The window-free pieces behind the command line's conventions, which the
// window program shares: system errors in the program's words, the atomic
// writer's reasons, one number format, the trace's lines and file names,
// and the channel table in kilohertz.
#include "tests/support/TestRegistry.h"
#include "document/ChannelCsv.h"
#include "document/FileErrors.h"
#include "document/FileWrite.h"
#include "document/NumberText.h"
#include "editors/CtcssTones.h"
#include "link/LineTrace.h"
#include <QDir>
#include <QTemporaryDir>
#include <QThread>
#include <QTest>
#include <cerrno>

namespace {
const TBandLimits Band1{33000000, 41000000, 25000};

QVector<TProgrammerChannel> Table()
{
    QVector<TProgrammerChannel> t(100);
    t[0] = {true, 33500000, 33525000, 13, 0};
    t[7] = {true, 40000000, 40000000, 0, 50};
    return t;
}
} // namespace

class TestCliHelpers : public QObject {
    Q_OBJECT
    QTemporaryDir tmp;

private slots:
    void systemErrorsInWords_data()
    {
        QTest::addColumn<int>("error");
        QTest::addColumn<bool>("writing");
        QTest::addColumn<QString>("words");
        QTest::newRow("no file") << ENOENT << false << "файл не найден";
        QTest::newRow("no folder to write in") << ENOENT << true << "папка не найдена";
        QTest::newRow("may not read") << EACCES << false << "нет прав на чтение файла";
        QTest::newRow("may not write") << EPERM << true << "нет прав на запись";
        QTest::newRow("folder") << EISDIR << false << "это папка, а не файл";
        QTest::newRow("full disk") << ENOSPC << true << "на диске нет места";
        QTest::newRow("read-only disk") << EROFS << true << "диск только для чтения";
        QTest::newRow("anything else") << EDOM << true << QStringLiteral("системная ошибка %1").arg(EDOM);
    }
    void systemErrorsInWords()
    {
        QFETCH(int, error);
        QFETCH(bool, writing);
        QFETCH(QString, words);
        QCOMPARE(FileErrorText(error, writing ? TFileAccess::Write : TFileAccess::Read), words);
    }

    // The writer says why, and an earlier file survives a failed write.
    void atomicWriteReasons()
    {
        const QString path = tmp.filePath(QStringLiteral("a.txt"));
        QCOMPARE(WriteFileAtomically(path, "one"), QString());
        QCOMPARE(WriteFileAtomically(tmp.filePath(QStringLiteral("none/a.txt")), "x"), QStringLiteral("папка не найдена"));
        QVERIFY(QDir(tmp.path()).mkdir(QStringLiteral("dir.txt")));
        QCOMPARE(WriteFileAtomically(tmp.filePath(QStringLiteral("dir.txt")), "x"),
                 QStringLiteral("это папка, а не файл"));
        QCOMPARE(WriteFileAtomically(tmp.filePath(QStringLiteral("a.txt/b.txt")), "x"),
                 QStringLiteral("в пути к файлу не папка"));
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("one"));
    }

    // One decimal separator, whatever the system's locale says.
    void oneNumberFormat()
    {
        const QLocale saved;
        QLocale::setDefault(QLocale::c());
        QCOMPARE(DecimalText(12.4, 1), QStringLiteral("12,4"));
        QCOMPARE(DecimalText(45100, 0), QStringLiteral("45100"));
        QCOMPARE(ToneText(67.0f), QStringLiteral("67,0 Гц"));
        QCOMPARE(ToneListItems().at(50), QStringLiteral("254,1 Гц"));
        QLocale::setDefault(saved);
    }

    // The lines of the trace: the header, a request, an answer sixteen bytes
    // to a line and anew after a pause, bytes thrown away, and the close.
    void traceLines()
    {
        QByteArray text;
        TLineTrace trace([&text](const QByteArray& line) { text += line; });
        trace.Opened(QStringLiteral("COM3"), QStringLiteral("/dev/ttyUSB0"), 19200);
        trace.Sent(QByteArray("\x11\x39\x02", 3));
        for (int i = 0; i < 20; ++i)
            trace.Received(char(i));
        QThread::msleep(40);
        trace.Received(char(0xAB));
        trace.Missing(21, 1024, 600);
        trace.Dropped(QByteArray("\x01\x02", 2));
        trace.Sent(QByteArray("\x11\x39\x01", 3));
        trace.Closed();
        QStringList lines = QString::fromUtf8(text).split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 13);
        const QRegularExpression time(QStringLiteral("^ *\\d+\\.\\d{3} "));
        QCOMPARE(lines[0], QStringLiteral("# COM3: /dev/ttyUSB0, 19200 бод"));
        QCOMPARE(lines[1].remove(time), QStringLiteral("> 11 39 02"));
        QCOMPARE(lines[2].remove(time), QStringLiteral("< 00 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F"));
        QCOMPARE(lines[3].remove(time), QStringLiteral("< 10 11 12 13"));
        QCOMPARE(lines[4].remove(time), QStringLiteral("< AB"));
        QVERIFY(lines[5].remove(time).startsWith(QStringLiteral("# ответ оборвался: получено 21 из 1024 байт")));
        QCOMPARE(lines[6], QString());
        QCOMPARE(lines[7].remove(time), QStringLiteral("< 01 02"));
        QVERIFY(lines[8].remove(time).startsWith(QStringLiteral("# отброшено байт: 2")));
        QCOMPARE(lines[9], QString());
        QCOMPARE(lines[10].remove(time), QStringLiteral("> 11 39 01"));
        QCOMPARE(lines[11].remove(time), QStringLiteral("# порт закрыт"));
        QCOMPARE(TLineTrace::TimeText(12.408), QStringLiteral("  12.408"));
    }

    void traceFilesOfAFleet()
    {
        QCOMPARE(TraceFileForPort(QStringLiteral("t.txt"), QStringLiteral("COM3")), QStringLiteral("t-COM3.txt"));
        QCOMPARE(TraceFileForPort(QStringLiteral("/a.b/trace"), QStringLiteral("COM3")), QStringLiteral("/a.b/trace-COM3"));
        QCOMPARE(TraceFileForPort(QStringLiteral("x-{port}.log"), QStringLiteral("/dev/ttyUSB0")),
                 QStringLiteral("x-dev-ttyUSB0.log"));
        QString reason;
        QVERIFY(!OpenTraceFile(tmp.filePath(QStringLiteral("none/t.txt")), &reason));
        QCOMPARE(reason, QStringLiteral("папка не найдена"));
    }

    // The command line's table in kilohertz: written with disabled channels
    // empty, read back to the same table, checked in kilohertz.
    void channelTableInKilohertz()
    {
        const QByteArray text = WriteChannelCsvKHz(Table());
        const QList<QByteArray> lines = text.split('\n');
        QCOMPARE(lines[0], QByteArray("channel,enable,rx_khz,tx_khz,ctcss_rx_hz,ctcss_tx_hz"));
        QCOMPARE(lines[1], QByteArray("0,1,33500,33525,100.0,"));
        QCOMPARE(lines[2], QByteArray("1,0,,,,"));
        TChannelCsvImport in = ReadChannelCsv(text, Band1, Table());
        QVERIFY2(in.errors.isEmpty(), qPrintable(in.errors.join('\n')));
        QCOMPARE(in.named.size(), 100);
        QCOMPARE(in.channels[0].txHz, 33525000);
        QCOMPARE(in.channels[7].ctcssTx, 50);

        in = ReadChannelCsv("channel,enable,rx_khz,tx_khz,ctcss_rx_hz,ctcss_tx_hz\n"
                            "3,1,41025,33000,,\n4,1,33010,33000,,\n5,1,,33000,,\n6,0,,,,\n",
                            Band1, Table());
        QCOMPARE(in.errors, (QStringList{QStringLiteral("строка 2: канал 3: частота RX 41025 кГц вне диапазона "
                                                        "33000 - 41000 кГц"),
                                         QStringLiteral("строка 3: канал 4: частота RX 33010 кГц не кратна шагу 25000 Гц"),
                                         QStringLiteral("строка 4: канал 5: частота RX \"\" не число")}));
        // A frequency far beyond any int does not wrap into the band.
        in = ReadChannelCsv("channel,enable,rx_khz,tx_khz,ctcss_rx_hz,ctcss_tx_hz\n3,1,4294967296033,33000,,\n",
                            Band1, Table());
        QCOMPARE(in.errors.size(), 1);
    }
};

TARNIK_TEST_GUILESS_MAIN(TestCliHelpers)
#include "test_cli_helpers.moc"
