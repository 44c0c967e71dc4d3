// The station protocol against the simulated station: reading, writing and
// the PWM power, with every failure the station can show. Checks the
// journal entries, the results, the requests on the wire (the station's
// request log) and the station's memory after a write.
#include "tests/support/TestRegistry.h"
#include "document/Convert.h"
#include "link/ImageCodec.h"
#include "link/SerialLine.h"
#include "link/StationLink.h"
#include "link/StationRecord.h"
#include "link/TransferProgress.h"
#include "tests/support/StationTestSupport.h"
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTest>

namespace {

constexpr int StationCom = 3;
constexpr int Baud = 19200;

const QString OpenFailed = QStringLiteral("Ошибка открытия порта.");
const QString ReadFailed = QStringLiteral("Ошибка чтения данных. Возможно станция не подключена.");
const QString ReadDone = QStringLiteral("Данные считаны успешно.");
const QString WriteNoStation = QStringLiteral("Ошибка записи данных. Возможно станция не подключена.");
const QString WriteRetries = QStringLiteral("Ошибка записи данных. Превышен лимит повторений.");
const QString WriteDone = QStringLiteral("Данные записаны успешно.");
const QString Stopped = QStringLiteral("Обмен со станцией остановлен пользователем.");
const QString WriteStopped = Stopped + QStringLiteral(" Станция может содержать частично записанную конфигурацию.");

struct Entry {
    int icon;
    QString text;
    bool operator==(const Entry& o) const { return icon == o.icon && text == o.text; }
};

class Recorder : public TTransferProgress {
public:
    QList<int> positions;
    QList<bool> visibility;
    void SetPosition(int p) override { positions << p; }
    void SetVisible(bool v) override { visibility << v; }
};

QByteArray Encoded(const TTarnikPlus& record)
{
    QByteArray image;
    EncodeImage(record, image);
    return image;
}

// A record unlike the station's factory contents, with bytes of every
// kind: enabled and empty slots, zero bytes, the full range of tones.
TTarnikPlus WriteRecord()
{
    TTarnikPlus r;
    r.channels.resize(100);
    for (int i = 0; i < 100; i += 3) {
        TTarnikRec& ch = r.channels[i];
        ch.enable = true;
        ch.TX = 33000 + 25 * i;
        ch.RX = 45000 + 25 * i;
        ch.CTCSSTX = i % 51;
        ch.CTCSSRX = (i + 7) % 51;
    }
    r.lastChannel = 99;
    r.volume = 2;
    r.squelch = 9;
    r.deviation = 11;
    r.micSensitivity = 3;
    r.rxGain = 12;
    r.ctcssRxLevel = 4;
    r.ctcssTxLevel = 6;
    r.range = 2;
    r.analogSql = 1;
    r.repeater = true;
    r.busyLockout = true;
    r.timeoutTime = 0x1234;
    r.noiseLevels = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    r.pwmPower = 77;
    return r;
}

// A record the failed reads must leave alone.
TTarnikPlus Untouched()
{
    TTarnikPlus r;
    r.channels.resize(3);
    r.volume = 42;
    return r;
}

bool IsUntouched(const TTarnikPlus& r)
{
    return r.channels.size() == 3 && r.volume == 42;
}

} // namespace

class TestStationLink : public QObject {
    Q_OBJECT

    std::unique_ptr<TestPorts> ports;
    std::unique_ptr<SimStation> station;
    std::unique_ptr<TSerialLine> line;
    std::unique_ptr<TStationLink> link;
    TConnectionChoice choice;
    QList<Entry> journal;
    QString stationDevice;   // the device behind the station's port

    bool StartStation(const QStringList& faults = {}, int baud = Baud)
    {
        const bool ok = station->Start(baud, faults, ports.get(), StationCom);
        if (!ok)
            qWarning() << station->ErrorText();
        stationDevice = JournalDevice(*station);
        return ok;
    }

    // The journal line that names the port of an exchange.
    Entry PortLine() const
    {
        return {5, QStringLiteral("Порт %1 (%2), %3 бод.").arg(choice.portText, stationDevice, choice.speedText)};
    }
    // An exchange that opened the port and ended with the entry.
    QList<Entry> Only(int icon, const QString& text) { return {PortLine(), Entry{icon, text}}; }
    // An exchange whose port could not be opened.
    QList<Entry> Unopened(const QString& why) { return {Entry{6, OpenFailed}, Entry{6, why}}; }
    QString HeldBy(const PortHolder& holder) { return HeldByText(choice.portText, holder); }

private slots:
    void init()
    {
        ports = std::make_unique<TestPorts>();
        station = std::make_unique<SimStation>();
        line = std::make_unique<TSerialLine>();
        line->SetMessageHook([] {});
        choice = {QStringLiteral("COM3"), QString::number(Baud)};
        journal.clear();
        link = std::make_unique<TStationLink>(
            *line, [this] { return choice; }, [this](int icon, const QString& text) { journal << Entry{icon, text}; });
    }
    void cleanup()
    {
        link.reset();
        line.reset();
        station.reset();
        ports.reset();
    }

    // Reading.

    void readTakesTheWholeImage()
    {
        QVERIFY(StartStation());
        TTarnikPlus record;
        Recorder progress;
        QVERIFY(link->ReadStation(&progress, record));
        QCOMPARE(journal, Only(5, ReadDone));
        QCOMPARE(station->Log(), (QStringList{"11 39 01", "11 39 02"}));
        TTarnikPlus expected;
        QVERIFY(DecodeImage(station->Image(), expected));
        QCOMPARE(Encoded(record), Encoded(expected));
        QCOMPARE(progress.positions.first(), 0);
        QCOMPARE(progress.positions.at(1), 1);
        QCOMPARE(progress.positions.last(), 101);
        QCOMPARE(progress.visibility, (QList<bool>{true, false}));
        QVERIFY(!line->IsOpen());
    }

    void readAtTheSlowestRate()
    {
        choice.speedText = QStringLiteral("4800");
        QVERIFY(StartStation({}, 4800));
        TTarnikPlus record;
        QVERIFY(link->ReadStation(nullptr, record));
        QCOMPARE(journal, Only(5, ReadDone));
        QCOMPARE(Encoded(record), Encoded([&] { TTarnikPlus r; DecodeImage(station->Image(), r); return r; }()));
    }

    void readFromAPortWithoutDevice()
    {
        QVERIFY(StartStation());
        choice.portText = QStringLiteral("COM4");
        TTarnikPlus record = Untouched();
        QVERIFY(!link->ReadStation(nullptr, record));
        QCOMPARE(journal, Unopened(MissingPortText(QStringLiteral("COM4"))));
        QVERIFY(IsUntouched(record));
        QVERIFY(station->Log().isEmpty());
    }

    void readFromAPortHeldByAnotherProgram()
    {
        if (!PortHoldingUntestable().isEmpty())
            QSKIP(qPrintable(PortHoldingUntestable()));
        QVERIFY(StartStation());
        PortHolder holder;
        QVERIFY(holder.Hold(station->Device()));
        TTarnikPlus record = Untouched();
        QVERIFY(!link->ReadStation(nullptr, record));
        // The entry after the failure says who holds the port.
        QCOMPARE(journal, (QList<Entry>{{6, OpenFailed}, {6, HeldBy(holder)}}));
        QVERIFY(station->Log().isEmpty());
    }

    void readFromASilentStation()
    {
        QVERIFY(StartStation({"--silent"}));
        TTarnikPlus record = Untouched();
        QElapsedTimer t;
        t.start();
        QVERIFY(!link->ReadStation(nullptr, record));
        QVERIFY(t.elapsed() < 1500);
        QCOMPARE(journal, Only(6, ReadFailed));
        QVERIFY(IsUntouched(record));
        QVERIFY(!line->IsOpen());
        QVERIFY(!station->Log().contains("11 39 02"));
    }

    void identifyAnswer02CountsAsNoStation()
    {
        QVERIFY(StartStation({"--identify-answer", "02"}));
        TTarnikPlus record = Untouched();
        QVERIFY(!link->ReadStation(nullptr, record));
        QCOMPARE(journal, Only(6, ReadFailed));
        QCOMPARE(station->Log(), QStringList{"11 39 01"});
    }

    void anAnswerThatStopsShortIsAFailedRead_data()
    {
        QTest::addColumn<int>("stopAfter");
        QTest::newRow("400 bytes") << 400;
        QTest::newRow("1000 bytes") << 1000;
        QTest::newRow("1023 bytes") << 1023;
    }
    void anAnswerThatStopsShortIsAFailedRead()
    {
        QFETCH(int, stopAfter);
        QVERIFY(StartStation({"--image-stop-after", QString::number(stopAfter)}));
        TTarnikPlus record = Untouched();
        Recorder progress;
        QElapsedTimer t;
        t.start();
        QVERIFY(!link->ReadStation(&progress, record));
        // One byte time-out, not one for every missing byte.
        QVERIFY2(t.elapsed() < 2500, qPrintable(QString::number(t.elapsed())));
        QCOMPARE(journal, Only(6, ReadFailed));
        QVERIFY(IsUntouched(record));
        QCOMPARE(progress.visibility, (QList<bool>{true, false}));
        QCOMPARE(progress.positions.size(), stopAfter + 1);
        QCOMPARE(station->Log(), (QStringList{"11 39 01", "11 39 02"}));
    }

    void aStationAtAnotherRateIsNotFound()
    {
        QVERIFY(StartStation({}, 9600));
        TTarnikPlus record = Untouched();
        QVERIFY(!link->ReadStation(nullptr, record));
        QCOMPARE(journal, Only(6, ReadFailed));
        QVERIFY(!station->Log().contains("11 39 01"));
    }

    void withoutAPortChoiceTheConversionStopsTheOperation()
    {
        QVERIFY(StartStation());
        choice.portText.clear();
        TTarnikPlus record = Untouched();
        QVERIFY_THROWS_EXCEPTION(EConvertError, link->ReadStation(nullptr, record));
        Recorder progress;
        QVERIFY_THROWS_EXCEPTION(EConvertError, link->WriteStation(&progress, WriteRecord()));
        QCOMPARE(progress.visibility, (QList<bool>{true, false}));
        QVERIFY_THROWS_EXCEPTION(EConvertError, link->WritePwmPower(10));
        QVERIFY(journal.isEmpty());
        QVERIFY(IsUntouched(record));
        QVERIFY(station->Log().isEmpty());
    }

    // Writing.

    void writePutsEveryByteIntoTheStation()
    {
        QVERIFY(StartStation());
        const TTarnikPlus record = WriteRecord();
        const QByteArray image = Encoded(record);
        QVERIFY(image != station->Image());
        Recorder progress;
        QElapsedTimer t;
        t.start();
        QVERIFY(link->WriteStation(&progress, record));
        QVERIFY(t.elapsed() >= TStationLink::FinishPauseMs);
        QCOMPARE(journal, Only(5, WriteDone));
        QVERIFY(!line->IsOpen());

        const QStringList log = station->Log();
        QCOMPARE(log.size(), 1 + 1024 + 1);
        QCOMPARE(log.first(), QStringLiteral("11 39 01"));
        for (int i = 0; i < 1024; ++i)
            QCOMPARE(log.at(1 + i), WriteLogLine(i, quint8(image.at(i))));
        QCOMPARE(log.at(1), QStringLiteral("11 39 03 00 ") + LogLine(image.left(1)));
        QCOMPARE(log.at(1 + 515), QStringLiteral("11 39 23 03 4D"));
        QVERIFY(log.at(1024).startsWith(QStringLiteral("11 39 33 FF ")));
        QCOMPARE(log.last(), QStringLiteral("11 39 04"));
        QTRY_COMPARE(station->Image(), image);

        QCOMPARE(progress.positions.size(), 1 + 1024);
        QCOMPARE(progress.positions.at(0), 0);
        QCOMPARE(progress.positions.at(1), 1);
        QCOMPARE(progress.positions.last(), 100);
        QCOMPARE(progress.visibility, (QList<bool>{true, false}));
    }

    void aByteEchoedWrongThreeTimesIsWrittenAtTheFourthAttempt()
    {
        QVERIFY(StartStation({"--wrong-echo", "5:3"}));
        const QByteArray image = Encoded(WriteRecord());
        QVERIFY(link->WriteStation(nullptr, WriteRecord()));
        QCOMPARE(journal, Only(5, WriteDone));
        const QStringList log = station->Log();
        QCOMPARE(log.size(), 1 + 1024 + 3 + 1);
        for (int k = 0; k < 4; ++k)
            QCOMPARE(log.at(6 + k), WriteLogLine(5, quint8(image.at(5))));
        QCOMPARE(log.at(10), WriteLogLine(6, quint8(image.at(6))));
        QTRY_COMPARE(station->Image(), image);
    }

    void aByteNeverConfirmedEndsTheWrite()
    {
        QVERIFY(StartStation({"--wrong-echo", "300:4"}));
        const QByteArray before = station->Image();
        const QByteArray image = Encoded(WriteRecord());
        Recorder progress;
        QVERIFY(!link->WriteStation(&progress, WriteRecord()));
        QCOMPARE(journal, Only(6, WriteRetries));
        QCOMPARE(progress.visibility, (QList<bool>{true, false}));
        const QStringList log = station->Log();
        QCOMPARE(log.size(), 1 + 300 + 4);
        QCOMPARE(log.last(), WriteLogLine(300, quint8(image.at(300))));
        QVERIFY(!log.contains("11 39 04"));
        // The bytes before stay written; the rest is as it was.
        QVERIFY(station->Stop());
        const QByteArray after = station->Image();
        QCOMPARE(after.left(300), image.left(300));
        QCOMPARE(after.mid(300), before.mid(300));
    }

    void aZeroByteWithoutEchoIsNotConfirmed()
    {
        // Byte 503 is always 0x00: a missing echo must not pass for it.
        QVERIFY(StartStation({"--never-echo", "503"}));
        const QByteArray image = Encoded(WriteRecord());
        QCOMPARE(image.at(503), '\0');
        QElapsedTimer t;
        t.start();
        QVERIFY(!link->WriteStation(nullptr, WriteRecord()));
        QVERIFY(t.elapsed() >= 4 * (TSerialLine::ByteTimeoutMs - 50));
        QCOMPARE(journal, Only(6, WriteRetries));
        const QStringList log = station->Log();
        QCOMPARE(log.size(), 1 + 503 + 4);
        QCOMPARE(log.last(), QStringLiteral("11 39 13 F7 00"));
        QCOMPARE(log.at(log.size() - 4), QStringLiteral("11 39 13 F7 00"));
    }

    void aStationVanishingMidWriteIsNoticed()
    {
        QVERIFY(StartStation({"--vanish-after", "200"}));
        const QByteArray image = Encoded(WriteRecord());
        QElapsedTimer t;
        t.start();
        QVERIFY(!link->WriteStation(nullptr, WriteRecord()));
        QVERIFY(t.elapsed() < 10000);
        QCOMPARE(journal, Only(6, WriteRetries));
        QVERIFY(station->WaitFinished(5000));
        QCOMPARE(station->Log().size(), 200);
        QCOMPARE(station->Image().left(199), image.left(199));
        QVERIFY(!line->IsOpen());
    }

    void writeWithoutAStation()
    {
        QVERIFY(StartStation({"--silent"}));
        Recorder progress;
        QVERIFY(!link->WriteStation(&progress, WriteRecord()));
        QCOMPARE(journal, Only(6, WriteNoStation));
        QCOMPARE(progress.positions, QList<int>{0});
        QCOMPARE(progress.visibility, (QList<bool>{true, false}));
        QVERIFY(!line->IsOpen());
    }

    void writeToAPortThatCannotBeOpened()
    {
        if (!PortHoldingUntestable().isEmpty())
            QSKIP(qPrintable(PortHoldingUntestable()));
        QVERIFY(StartStation());
        PortHolder holder;
        QVERIFY(holder.Hold(station->Device()));
        Recorder progress;
        QVERIFY(!link->WriteStation(&progress, WriteRecord()));
        QCOMPARE(journal, (QList<Entry>{{6, OpenFailed}, {6, HeldBy(holder)}}));
        QCOMPARE(progress.visibility, (QList<bool>{true, false}));
        QVERIFY(station->Log().isEmpty());
    }

    // Stops asked for through the line's cancel check.

    void aStopEndsAReadAfterTheByteInProgress()
    {
        QVERIFY(StartStation());
        Recorder progress;
        line->SetCancelCheck([&] { return progress.positions.size() > 100; });
        TTarnikPlus record = Untouched();
        QVERIFY(!link->ReadStation(&progress, record));
        QCOMPARE(journal, Only(0, Stopped));
        QVERIFY(IsUntouched(record));
        QCOMPARE(progress.positions.size(), 101);   // the 0 and 100 bytes
        QCOMPARE(progress.visibility, (QList<bool>{true, false}));
        QVERIFY(!line->IsOpen());
        QCOMPARE(station->Log(), (QStringList{"11 39 01", "11 39 02"}));
    }

    void aStopEndsAWriteWithoutTheFinish()
    {
        QVERIFY(StartStation());
        const QByteArray image = Encoded(WriteRecord());
        Recorder progress;
        line->SetCancelCheck([&] { return progress.positions.size() > 21; });   // the 0, then 20 bytes
        QVERIFY(!link->WriteStation(&progress, WriteRecord()));
        QCOMPARE(journal, Only(0, WriteStopped));
        QCOMPARE(progress.visibility, (QList<bool>{true, false}));
        QVERIFY(!line->IsOpen());
        const QStringList log = station->Log();
        QCOMPARE(log.size(), 1 + 20);
        QCOMPARE(log.last(), WriteLogLine(19, quint8(image.at(19))));
    }

    void aStopBeforeTheExchangeSendsNothingButTheOpen()
    {
        QVERIFY(StartStation());
        line->SetCancelCheck([] { return true; });
        TTarnikPlus record = Untouched();
        QVERIFY(!link->ReadStation(nullptr, record));
        QVERIFY(!link->WriteStation(nullptr, WriteRecord()));
        QCOMPARE(journal, (QList<Entry>{PortLine(), {0, Stopped}, PortLine(), {0, Stopped}}));
        QVERIFY(station->Log().isEmpty());
    }

    // A line still busy with an earlier answer. The station sends these
    // bytes at an exact pace: one that sleeps between bytes can wake late on
    // a loaded machine by more than the ten character times (5 ms at 19200
    // baud) that the program takes for a quiet line.

    void aStationStillSendingIsWaitedOutBeforeTheIdentify()
    {
        // When the port opens, the station is still sending the tail of an
        // image answer that nobody reads any more: the identify answer
        // queues behind it.
        QVERIFY(StartStation({"--stale", "700", "--reserved-pattern", "--exact-pace"}));
        QByteArray image;
        QVERIFY(link->ReadStationImage(nullptr, image));
        QCOMPARE(journal, Only(5, ReadDone));
        QCOMPARE(station->Log(), (QStringList{"11 39 01", "11 39 02"}));
        QVERIFY(station->Stop());
        QCOMPARE(image, station->Image());
    }

    void aLineThatNeverGoesQuietSendsNothing()
    {
        QVERIFY(StartStation({"--stale", "200000", "--exact-pace"}));
        TTarnikPlus record = Untouched();
        QElapsedTimer t;
        t.start();
        QVERIFY(!link->ReadStation(nullptr, record));
        QVERIFY2(t.elapsed() < line->SettleLimitMs() + 1000, qPrintable(QString::number(t.elapsed())));
        QCOMPARE(journal, Only(6, QStringLiteral("Ошибка чтения данных. ") + TStationLink::TextLineBusy()));
        QVERIFY(IsUntouched(record));
        journal.clear();
        QVERIFY(!link->WriteStation(nullptr, WriteRecord()));
        QCOMPARE(journal, Only(6, QStringLiteral("Ошибка записи данных. ") + TStationLink::TextLineBusy()
                                      + QStringLiteral(" Запись не выполнялась.")));
        QVERIFY(station->Log().isEmpty());
    }

    void bytesAfterTheImageMakeItReadOnceMore()
    {
        QVERIFY(StartStation({"--image-extra", "5:1", "--exact-pace"}));
        QByteArray image;
        QVERIFY(link->ReadStationImage(nullptr, image));
        QCOMPARE(journal, Only(5, ReadDone));
        QCOMPARE(station->Log(), (QStringList{"11 39 01", "11 39 02", "11 39 01", "11 39 02"}));
        QCOMPARE(image, station->Image());
    }

    void bytesAfterEveryImageFailTheRead()
    {
        QVERIFY(StartStation({"--image-extra", "1", "--exact-pace"}));
        TTarnikPlus record = Untouched();
        QVERIFY(!link->ReadStation(nullptr, record));
        QCOMPARE(journal, Only(6, QStringLiteral("Ошибка чтения данных. ") + TStationLink::TextUnreliable()));
        QVERIFY(IsUntouched(record));
        QCOMPARE(station->Log(), (QStringList{"11 39 01", "11 39 02", "11 39 01", "11 39 02"}));
    }

    // A stop acts within a fifth of a second in the waits, and the windows
    // paint meanwhile.

    void aStopEndsTheWaitForAnAnswer()
    {
        QVERIFY(StartStation({"--silent"}));
        int painted = 0;
        line->SetMessageHook([&] { ++painted; });
        QElapsedTimer t;
        t.start();
        line->SetCancelCheck([&] { return t.elapsed() > 100; });
        TTarnikPlus record = Untouched();
        QVERIFY(!link->ReadStation(nullptr, record));
        QVERIFY2(t.elapsed() < 300, qPrintable(QString::number(t.elapsed())));
        QCOMPARE(journal, Only(0, Stopped));
        QVERIFY(painted >= 2);
    }

    void aStopCutsTheFinishPauseShort()
    {
        QVERIFY(StartStation());
        QElapsedTimer t;
        t.start();
        line->SetCancelCheck([&] { return station->Log().contains(QStringLiteral("11 39 04")); });
        QVERIFY(link->WritePwmPower(99));
        QVERIFY2(t.elapsed() < TStationLink::FinishPauseMs, qPrintable(QString::number(t.elapsed())));
        // The finish went out: the byte is in.
        QCOMPARE(journal, Only(5, WriteDone));
        QTRY_COMPARE(quint8(station->Image().at(515)), quint8(99));
    }

    // The PWM power alone.

    void pwmPowerIsWrittenAlone()
    {
        QVERIFY(StartStation());
        const QByteArray before = station->Image();
        QElapsedTimer t;
        t.start();
        QVERIFY(link->WritePwmPower(200));
        QVERIFY(t.elapsed() >= TStationLink::FinishPauseMs);
        QCOMPARE(journal, Only(5, WriteDone));
        QCOMPARE(station->Log(), (QStringList{"11 39 01", "11 39 23 03 C8", "11 39 04"}));
        QByteArray expected = before;
        expected[515] = char(200);
        QTRY_COMPARE(station->Image(), expected);
    }

    void pwmPowerFailures_data()
    {
        QTest::addColumn<QStringList>("faults");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("log");
        QTest::newRow("silent") << QStringList{"--silent"} << WriteNoStation << QStringList{"11 39 01"};
        QTest::newRow("identify 02") << QStringList{"--identify-answer", "02"} << WriteNoStation
                                     << QStringList{"11 39 01"};
        QTest::newRow("never echoed") << QStringList{"--never-echo", "515"} << WriteRetries
                                      << QStringList{"11 39 01", "11 39 23 03 96", "11 39 23 03 96",
                                                     "11 39 23 03 96", "11 39 23 03 96"};
    }
    void pwmPowerFailures()
    {
        QFETCH(QStringList, faults);
        QFETCH(QString, text);
        QFETCH(QStringList, log);
        QVERIFY(StartStation(faults));
        QVERIFY(!link->WritePwmPower(150));
        QCOMPARE(journal, Only(6, text));
        if (!faults.contains("--silent"))
            QCOMPARE(station->Log(), log);
        QVERIFY(!line->IsOpen());
    }

    void pwmPowerToAPortThatCannotBeOpened()
    {
        choice.portText = QStringLiteral("COM9");
        QVERIFY(!link->WritePwmPower(1));
        QCOMPARE(journal, Unopened(MissingPortText(QStringLiteral("COM9"))));
    }
};

TARNIK_TEST_GUILESS_MAIN(TestStationLink)
#include "test_stationlink.moc"
