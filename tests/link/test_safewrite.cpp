// The safe write against the simulated station: the backup read and file,
// the image built over the station's own bytes, only the changed bytes on
// the wire, the verify and its one full write, stops by the user, and the
// failures that must leave the station untouched.
#include "tests/support/TestRegistry.h"
#include "link/Backups.h"
#include "link/ImageCodec.h"
#include "link/SafeWrite.h"
#include "link/SerialLine.h"
#include "link/StationLink.h"
#include "link/StationRecord.h"
#include "link/TransferProgress.h"
#include "tests/support/StationTestSupport.h"
#include <QDir>
#include <QFile>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>

namespace {

constexpr int StationCom = 3;
constexpr int Baud = 19200;

using Outcome = TSafeWriteResult::Outcome;
using Verify = TSafeWriteResult::Verify;

struct Entry {
    int icon;
    QString text;
};

// Counts the progress positions; can ask for a stop after a number of them.
class Recorder : public TTransferProgress {
public:
    QList<int> positions;
    QList<bool> visibility;
    int stopAfter = -1;
    void SetPosition(int p) override { positions << p; }
    void SetVisible(bool v) override { visibility << v; }
    bool StopNow() const { return stopAfter >= 0 && positions.size() >= stopAfter; }
};

TTarnikPlus Decoded(const QByteArray& image)
{
    TTarnikPlus r;
    DecodeImage(image, r);
    return r;
}

QStringList WriteLines(const QByteArray& image, const QList<int>& offsets)
{
    QStringList lines;
    for (int offset : offsets)
        lines << WriteLogLine(offset, quint8(image.at(offset)));
    return lines;
}

const QString Identify = QStringLiteral("11 39 01");
const QString ReadImage = QStringLiteral("11 39 02");
const QString Finish = QStringLiteral("11 39 04");

QByteArray FileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestSafeWrite : public QObject {
    Q_OBJECT

    std::unique_ptr<TestPorts> ports;
    std::unique_ptr<SimStation> station;
    std::unique_ptr<TSerialLine> line;
    std::unique_ptr<QTemporaryDir> backups;
    QList<Entry> journal;
    QString stationDevice;

    bool StartStation(const QStringList& faults = {}, const QByteArray& image = QByteArray())
    {
        if (!image.isEmpty() && !station->SetImage(image))
            return false;
        const bool ok = station->Start(Baud, faults, ports.get(), StationCom);
        if (!ok)
            qWarning() << station->ErrorText();
        stationDevice = JournalDevice(*station);
        return ok;
    }

    TSafeWriteResult Run(const TSafeWrite::BuildImage& build, Recorder* progress = nullptr,
                         TSafeWrite::CancelCheck cancel = {})
    {
        TSafeWrite write(
            *line, [] { return TConnectionChoice{QStringLiteral("COM3"), QString::number(Baud)}; },
            [this](int icon, const QString& text) { journal << Entry{icon, text}; }, std::move(cancel));
        write.SetBackupFolder(backups->path());
        return write.Run(build, progress);
    }

    // Starts the station and gives the image it starts with (the factory
    // image, which it has written to its file).
    QByteArray StartedImage(const QStringList& faults = {})
    {
        return StartStation(faults) ? station->Image() : QByteArray();
    }

    // The station's memory as it keeps it, once it has ended.
    QByteArray StationImage()
    {
        station->Stop();
        return station->Image();
    }

    QStringList Texts() const
    {
        QStringList texts;
        for (const Entry& e : journal)
            texts << e.text;
        return texts;
    }
    int IconOf(const QString& start) const
    {
        for (const Entry& e : journal)
            if (e.text.startsWith(start))
                return e.icon;
        return -1;
    }
    bool Logged(const QString& start) const { return IconOf(start) >= 0; }
    // The journal line that names the port of the exchange.
    QString PortLine() const
    {
        return QStringLiteral("Порт COM3 (%1), %2 бод.").arg(stationDevice).arg(Baud);
    }
    QStringList BackupFiles() const { return QDir(backups->path()).entryList(QDir::Files); }

private slots:
    void init()
    {
        ports = std::make_unique<TestPorts>();
        station = std::make_unique<SimStation>();
        line = std::make_unique<TSerialLine>();
        line->SetMessageHook([] {});
        backups = std::make_unique<QTemporaryDir>();
        journal.clear();
    }
    void cleanup()
    {
        line.reset();
        station.reset();
        ports.reset();
        backups.reset();
    }

    // What gets written.

    void offGridChannelsReadAndWrittenBackKeepTheirCodes()
    {
        const QByteArray start = OffGridImage();
        QVERIFY(StartStation({}, start));
        const TTarnikPlus record = Decoded(start);
        QCOMPARE(record.channels[1].RX, 33012);
        // The codes as a fresh encoding would give them: the drift.
        QByteArray fresh;
        EncodeImage(record, fresh);
        QVERIFY(fresh.mid(0, 25) != start.mid(0, 25));

        const TSafeWriteResult result = Run(TSafeWrite::FromRecord(record));
        QCOMPARE(result.outcome, Outcome::AlreadyHeld);
        QCOMPARE(result.bytesToWrite, 0);
        QCOMPARE(result.bytesWritten, 0);
        QCOMPARE(result.verify, Verify::NotRun);
        // No write request, no finish, no verify.
        QCOMPARE(station->Log(), (QStringList{Identify, ReadImage}));
        QVERIFY(Logged(QStringLiteral("Станция уже содержит эту конфигурацию")));
        QVERIFY(!Logged(TStationLink::TextWriteDone()));
        QCOMPARE(StationImage(), start);
    }

    void oneChangedChannelSendsOnlyItsBytesThenVerifies()
    {
        const QByteArray start = OffGridImage();
        QVERIFY(StartStation({}, start));
        TTarnikPlus record = Decoded(start);
        record.channels[2].RX = 33500;   // code 3 becomes code 80; transmit stays at code 3
        Recorder progress;
        const TSafeWriteResult result = Run(TSafeWrite::FromRecord(record), &progress);
        QCOMPARE(result.outcome, Outcome::Written);
        QCOMPARE(result.verify, Verify::Passed);
        QCOMPARE(result.bytesToWrite, 1);
        QCOMPARE(result.bytesWritten, 1);
        QVERIFY(result.Succeeded());

        const QStringList log = station->Log();
        QCOMPARE(log, (QStringList{Identify, ReadImage, WriteLogLine(12, 80), Finish, Identify, ReadImage}));
        const QByteArray end = StationImage();
        QCOMPARE(uchar(end[12]), uchar(80));
        QCOMPARE(end.mid(0, 10), start.mid(0, 10));   // the untouched off-grid channels
        QCOMPARE(uchar(end[10]), uchar(0x00));        // transmit high nibble of code 3 kept

        // The backup holds the station's image before the write.
        QCOMPARE(BackupFiles().size(), 1);
        QCOMPARE(result.backupPath, QDir(backups->path()).filePath(BackupFiles().first()));
        QVERIFY(QFileInfo(result.backupPath).fileName().startsWith(QStringLiteral("station-COM3-")));
        QCOMPARE(FileBytes(result.backupPath), start);

        QCOMPARE(Texts(), (QStringList{PortLine(), QStringLiteral("Чтение данных станции для резервной копии..."),
                                       QStringLiteral("Резервная копия: ") + result.backupPath,
                                       QStringLiteral("Байт к записи: 1 из 1024."),
                                       QStringLiteral("Проверка: данные в станции совпадают с записанными."),
                                       TStationLink::TextWriteDone()}));
        QCOMPARE(IconOf(QStringLiteral("Резервная копия")), 3);
        QCOMPARE(journal.last().icon, 5);
        // One position over the read, the write and the verify: shown once,
        // never going back, full at the end.
        QCOMPARE(progress.visibility, (QList<bool>{true, false}));
        QVERIFY(std::is_sorted(progress.positions.begin(), progress.positions.end()));
        QCOMPARE(progress.positions.last(), 100);
        QVERIFY(!line->IsOpen());
    }

    void reservedBytesAndByte503SurviveAFullChange()
    {
        QVERIFY(StartStation({"--reserved-pattern"}));
        station->Stop();
        QByteArray start = station->Image();
        start[503] = 0x5A;
        QVERIFY(StartStation({}, start));
        TTarnikPlus record = Decoded(start);
        for (int i = 0; i < 100; ++i) {
            record.channels[i].enable = true;
            record.channels[i].RX = record.channels[i].TX = 41000 + 25 * i;
        }
        record.lastChannel = 99;
        record.volume = 1;
        const TSafeWriteResult result = Run(TSafeWrite::FromRecord(record));
        QCOMPARE(result.outcome, Outcome::Written);
        QCOMPARE(FileBytes(result.backupPath), start);
        const QByteArray end = StationImage();
        QCOMPARE(end.mid(516, 4), start.mid(516, 4));
        QCOMPARE(end.mid(530), start.mid(530));
        QCOMPARE(uchar(end[503]), uchar(0x5A));
        QCOMPARE(Decoded(end).channels[99].RX, 41000 + 25 * 99);
        // No write request touched the reserved areas.
        for (const QString& request : station->Log()) {
            const QStringList bytes = request.split(' ');
            if (bytes.size() != 5)
                continue;
            const int offset = 256 * (bytes[2].toInt(nullptr, 16) >> 4) + bytes[3].toInt(nullptr, 16);
            QVERIFY2(offset < 516 || (offset >= 520 && offset < 530), qPrintable(request));
        }
    }

    void aChannelSwitchedOffBecomesAnEmptySlot()
    {
        const QByteArray start = StartedImage();
        TTarnikPlus record = Decoded(start);
        QVERIFY(record.channels[1].enable);
        record.channels[1].enable = false;
        QCOMPARE(Run(TSafeWrite::FromRecord(record)).outcome, Outcome::Written);
        QCOMPARE(StationImage().mid(5, 5), QByteArray(5, char(0xFF)));
    }

    void restoreWritesABackupAsItStands()
    {
        QVERIFY(StartStation({"--reserved-pattern"}));
        station->Stop();
        const QByteArray original = station->Image();
        QVERIFY(StartStation());
        TTarnikPlus record = Decoded(original);
        record.channels[3].enable = false;
        record.pwmPower = 1;
        const TSafeWriteResult changed = Run(TSafeWrite::FromRecord(record));
        QCOMPARE(changed.outcome, Outcome::Written);
        QCOMPARE(FileBytes(changed.backupPath), original);
        station->Stop();
        QVERIFY(StartStation());

        journal.clear();
        const TSafeWriteResult restored = Run(TSafeWrite::FixedImage(FileBytes(changed.backupPath)));
        QCOMPARE(restored.outcome, Outcome::Written);
        QCOMPARE(restored.bytesToWrite, changed.bytesToWrite);
        QVERIFY(restored.backupPath != changed.backupPath);
        QCOMPARE(BackupFiles().size(), 2);   // the restore took its own backup
        QCOMPARE(StationImage(), original);
    }

    // Bits nobody models, and images the program would never write.

    void bitsNoSettingUsesStayAsTheStationHasThem_data()
    {
        QTest::addColumn<QStringList>("image");
        QTest::newRow("unmodelled bits") << QStringList{"--unmodelled-bits"};
        QTest::newRow("random image") << QStringList{"--random-image", "7"};
        QTest::newRow("another random image") << QStringList{"--random-image", "4242"};
    }
    void bitsNoSettingUsesStayAsTheStationHasThem()
    {
        QFETCH(QStringList, image);
        QVERIFY(StartStation(image));
        station->Stop();
        const QByteArray start = station->Image();
        QVERIFY(StartStation({}, start));

        // Decoded and written back unchanged: not one write request.
        const TSafeWriteResult same = Run(TSafeWrite::FromRecord(Decoded(start)));
        QCOMPARE(same.outcome, Outcome::AlreadyHeld);
        QCOMPARE(station->Log(), (QStringList{Identify, ReadImage}));

        // One setting changed: its byte alone, with the station's other bits.
        TTarnikPlus record = Decoded(start);
        record.deviation = (record.deviation + 1) % 32;
        const TSafeWriteResult changed = Run(TSafeWrite::FromRecord(record));
        QCOMPARE(changed.outcome, Outcome::Written);
        QCOMPARE(changed.bytesToWrite, 1);
        const quint8 expected = (quint8(start.at(504)) & 0xE0) | record.deviation;
        QCOMPARE(station->Log().mid(2), (QStringList{Identify, ReadImage, WriteLogLine(504, expected), Finish,
                                                     Identify, ReadImage}));
        QByteArray intended = start;
        intended[504] = char(expected);
        QCOMPARE(StationImage(), intended);
    }

    void aStationStillSendingDoesNotShiftTheBackup()
    {
        // The factory image with the reserved pattern, so the tail the
        // station is still sending when the port opens is no run of 0xFF.
        // The tail goes out at an exact pace, without the pauses a sleeping
        // station may leave on a loaded machine (a quiet line to the program).
        QVERIFY(StartStation({"--reserved-pattern"}));
        station->Stop();
        const QByteArray start = station->Image();
        QVERIFY(StartStation({"--stale", "800", "--exact-pace"}, start));
        TTarnikPlus record = Decoded(start);
        record.pwmPower = 42;
        const TSafeWriteResult result = Run(TSafeWrite::FromRecord(record));
        QCOMPARE(result.outcome, Outcome::Written);
        QCOMPARE(FileBytes(result.backupPath), start);
        QCOMPARE(station->Log(), (QStringList{Identify, ReadImage, WriteLogLine(515, 42), Finish, Identify, ReadImage}));
        QByteArray intended = start;
        intended[515] = 42;
        QCOMPARE(StationImage(), intended);
    }

    void aVerifyThatDiffersWhereNothingWasWrittenStops()
    {
        // The first image answer carries a wrong byte in the reserved area:
        // the base of the write is not the station's memory.
        QVERIFY(StartStation({"--read-wrong", "700:1"}));
        const QByteArray start = station->Image();
        TTarnikPlus record = Decoded(start);
        record.pwmPower = 42;
        const TSafeWriteResult result = Run(TSafeWrite::FromRecord(record));
        QCOMPARE(result.outcome, Outcome::BaseMismatch);
        QVERIFY(!result.Succeeded());
        QVERIFY(result.backupSuspect);
        QVERIFY(result.RestoreFrom().isEmpty());
        // No full rewrite of the wrong base.
        QCOMPARE(station->Log(), (QStringList{Identify, ReadImage, WriteLogLine(515, 42), Finish, Identify, ReadImage}));
        // The backup is renamed so that nobody restores from it, and no
        // journal line offers it for that.
        QVERIFY(result.backupPath.endsWith(QStringLiteral(".bin.suspect")));
        QVERIFY(QFileInfo::exists(result.backupPath));
        QVERIFY(BackupFiles().filter(QStringLiteral(".bin")).size() == 1);
        QVERIFY(!Texts().join('\n').contains(QStringLiteral("Восстановите станцию")));
        QCOMPARE(journal.last().icon, 6);
        QVERIFY(journal.last().text.contains(QStringLiteral("смещения 700")));
        QVERIFY(journal.last().text.endsWith(result.backupPath));
        QByteArray intended = start;
        intended[515] = 42;
        QCOMPARE(StationImage(), intended);
    }

    void aStationSilentAtTheVerifyIsNoSuccess()
    {
        // Identify, read, the one byte, the finish: then the station is gone.
        QVERIFY(StartStation({"--vanish-after", "4"}));
        TTarnikPlus record = Decoded(station->Image());
        record.pwmPower = 42;
        const TSafeWriteResult result = Run(TSafeWrite::FromRecord(record));
        QCOMPARE(result.outcome, Outcome::VerifyUnread);
        QCOMPARE(result.verify, Verify::Failed);
        QVERIFY(result.finished);
        QCOMPARE(journal.last().icon, 6);
        QCOMPARE(journal.last().text, QStringLiteral("Ошибка проверки: станция не ответила на чтение. "
                                                     "Восстановите станцию из резервной копии: ")
                                          + result.backupPath);
        QVERIFY(!Logged(TStationLink::TextWriteDone()));
    }

    // The verify.

    void aByteStoredWrongIsCaughtAndTheFullWriteMendsIt()
    {
        const QByteArray start = StartedImage({"--store-wrong", "515:1"});
        TTarnikPlus record = Decoded(start);
        record.pwmPower = 42;
        const TSafeWriteResult result = Run(TSafeWrite::FromRecord(record));
        QCOMPARE(result.outcome, Outcome::Written);
        QCOMPARE(result.verify, Verify::PassedAfterFullWrite);
        QCOMPARE(result.bytesWritten, 1 + 1024);

        QByteArray intended = start;
        intended[515] = 42;
        QList<int> every;
        for (int i = 0; i < 1024; ++i)
            every << i;
        const QStringList expected = QStringList{Identify, ReadImage, WriteLogLine(515, 42), Finish, Identify, ReadImage}
                                     + WriteLines(intended, every) + QStringList{Finish, Identify, ReadImage};
        QCOMPARE(station->Log(), expected);
        const int verifyError = Texts().indexOf(QStringLiteral("Проверка: не совпадает байт: 1 (смещения 515)."));
        QVERIFY2(verifyError >= 0, qPrintable(Texts().join('\n')));
        QCOMPARE(journal[verifyError].icon, 6);
        QCOMPARE(Texts().mid(verifyError + 1),
                 (QStringList{QStringLiteral("Повторная запись всех 1024 байт."),
                              QStringLiteral("Проверка после повторной записи: данные в станции совпадают с записанными."),
                              TStationLink::TextWriteDone()}));
        QCOMPARE(StationImage(), intended);
    }

    void aByteAlwaysStoredWrongIsNeverReportedAsSuccess()
    {
        QVERIFY(StartStation({"--store-wrong", "100", "--store-wrong", "515"}));
        TTarnikPlus record = Decoded(station->Image());
        record.pwmPower = 42;
        record.channels[20].enable = true;
        record.channels[20].RX = record.channels[20].TX = 40000;
        const TSafeWriteResult result = Run(TSafeWrite::FromRecord(record));
        QCOMPARE(result.outcome, Outcome::VerifyFailed);
        QCOMPARE(result.verify, Verify::Failed);
        QCOMPARE(result.differences, 2);
        QCOMPARE(result.firstDifferences, (QList<int>{100, 515}));
        QVERIFY(!result.Succeeded());
        QVERIFY(!Logged(TStationLink::TextWriteDone()));
        QVERIFY(Texts().contains(QStringLiteral("Проверка после повторной записи: не совпадает байт: 2 (смещения 100, 515).")));
        QCOMPARE(journal.last().icon, 6);
        QVERIFY2(journal.last().text.endsWith(result.backupPath), qPrintable(journal.last().text));
        // Exactly one full write.
        QCOMPARE(station->Log().count(Finish), 2);
    }

    // Nothing written.

    void aFailedBackupReadWritesNothing_data()
    {
        QTest::addColumn<QStringList>("faults");
        QTest::newRow("silent") << QStringList{"--silent"};
        QTest::newRow("short image") << QStringList{"--image-stop-after", "700"};
    }
    void aFailedBackupReadWritesNothing()
    {
        QFETCH(QStringList, faults);
        QVERIFY(StartStation(faults));
        TTarnikPlus record = Decoded(OffGridImage());
        const TSafeWriteResult result = Run(TSafeWrite::FromRecord(record));
        QCOMPARE(result.outcome, Outcome::ReadFailed);
        QCOMPARE(journal.last().text, TStationLink::TextReadFailed());
        QCOMPARE(journal.last().icon, 6);
        QVERIFY(result.backupPath.isEmpty());
        QVERIFY(BackupFiles().isEmpty());
        for (const QString& request : station->Log())
            QVERIFY(request == Identify || request == ReadImage);
        QVERIFY(!line->IsOpen());
    }

    void aBackupThatCannotBeSavedStopsTheWrite()
    {
        QVERIFY(StartStation());
        // A file where the folder should be.
        const QString blocked = backups->filePath(QStringLiteral("blocked"));
        QFile file(blocked);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        TSafeWrite write(
            *line, [] { return TConnectionChoice{QStringLiteral("COM3"), QString::number(Baud)}; },
            [this](int icon, const QString& text) { journal << Entry{icon, text}; });
        write.SetBackupFolder(blocked + QStringLiteral("/backups"));
        TTarnikPlus record = Decoded(OffGridImage());
        const TSafeWriteResult result = write.Run(TSafeWrite::FromRecord(record), nullptr);
        QCOMPARE(result.outcome, Outcome::BackupFailed);
        QCOMPARE(journal.last().icon, 6);
        // The reason says what is wrong with the folder.
        QCOMPARE(journal.last().text, QStringLiteral("Резервная копия не сохранена: %1 не папка, а файл. "
                                                     "Запись не выполнялась.").arg(blocked));
        QCOMPARE(station->Log(), (QStringList{Identify, ReadImage}));
    }

    void aPortThatCannotBeOpenedSendsNothing()
    {
        if (!PortHoldingUntestable().isEmpty())
            QSKIP(qPrintable(PortHoldingUntestable()));
        QVERIFY(StartStation());
        PortHolder holder;
        QVERIFY(holder.Hold(station->Device()));
        const TSafeWriteResult result = Run(TSafeWrite::FromRecord(Decoded(OffGridImage())));
        QCOMPARE(result.outcome, Outcome::OpenFailed);
        // The failure is followed by who holds the port.
        QCOMPARE(Texts(), (QStringList{TStationLink::TextOpenFailed(), HeldByText(QStringLiteral("COM3"), holder)}));
        QVERIFY(station->Log().isEmpty());
    }

    void anUnconfirmedByteNamesTheBackup()
    {
        QVERIFY(StartStation({"--never-echo", "515"}));
        TTarnikPlus record = Decoded(station->Image());
        record.pwmPower = 7;
        record.volume = 9;
        const TSafeWriteResult result = Run(TSafeWrite::FromRecord(record));
        QCOMPARE(result.outcome, Outcome::WriteFailed);
        QVERIFY(result.StationTouched());
        QCOMPARE(result.bytesWritten, 1);   // the volume at 501 went in first
        QCOMPARE(journal.last().icon, 6);
        QVERIFY(journal.last().text.startsWith(TStationLink::TextWriteRetries()));
        QVERIFY(journal.last().text.endsWith(result.backupPath));
        QVERIFY(!station->Log().contains(Finish));
    }

    // The backup folder.

    void backupsAreNeverOverwritten()
    {
        const QDateTime when(QDate(2026, 3, 4), QTime(5, 6, 7));
        QCOMPARE(Backups::FileName(when), QStringLiteral("station-20260304-050607.bin"));
        QCOMPARE(Backups::FileName(when, QStringLiteral("/dev/ttyUSB1")), QStringLiteral("station-ttyUSB1-20260304-050607.bin"));
        const QString folder = backups->filePath(QStringLiteral("new/folder"));
        QStringList names;
        for (int k = 0; k < 3; ++k) {
            const QByteArray image(1024, char(k));
            QString error;
            const QString path = Backups::Save(folder, image, when, QStringLiteral("COM4"), &error);
            QVERIFY2(!path.isEmpty(), qPrintable(error));
            QCOMPARE(FileBytes(path), image);
            names << QFileInfo(path).fileName();
        }
        QCOMPARE(names, (QStringList{"station-COM4-20260304-050607.bin", "station-COM4-20260304-050607-2.bin",
                                     "station-COM4-20260304-050607-3.bin"}));
        QCOMPARE(FileBytes(QDir(folder).filePath(names.first())), QByteArray(1024, char(0)));
    }

#ifdef Q_OS_WIN
    void backupFolderFollowsLocalAppData()
    {
        const QByteArray saved = qgetenv("LOCALAPPDATA");
        qputenv("LOCALAPPDATA", "C:/Users/tech/AppData/Local");
        const QString folder = Backups::Folder();
        qputenv("LOCALAPPDATA", saved);
        QCOMPARE(folder, QStringLiteral("C:/Users/tech/AppData/Local/tarnik-programmer/backups"));
    }
#else
    void backupFolderFollowsXdgDataHome()
    {
        const QByteArray saved = qgetenv("XDG_DATA_HOME");
        const bool had = qEnvironmentVariableIsSet("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", "/srv/data");
        QCOMPARE(Backups::Folder(), QStringLiteral("/srv/data/tarnik-programmer/backups"));
        const QString home = QDir::homePath() + QStringLiteral("/.local/share/tarnik-programmer/backups");
        qunsetenv("XDG_DATA_HOME");
        QCOMPARE(Backups::Folder(), home);
        qputenv("XDG_DATA_HOME", "relative/path");   // not absolute: ignored
        QCOMPARE(Backups::Folder(), home);
        if (had)
            qputenv("XDG_DATA_HOME", saved);
        else
            qunsetenv("XDG_DATA_HOME");
    }
#endif

    // Stops.

    void aStopDuringTheBackupReadEndsBeforeAnyWrite()
    {
        QVERIFY(StartStation());
        Recorder progress;
        progress.stopAfter = 200;   // the 0 at the start and 199 bytes
        TTarnikPlus record = Decoded(OffGridImage());
        const TSafeWriteResult result =
            Run(TSafeWrite::FromRecord(record), &progress, [&] { return progress.StopNow(); });
        QCOMPARE(result.outcome, Outcome::Stopped);
        QCOMPARE(Texts().last(), TStationLink::TextStopped());
        QCOMPARE(journal.last().icon, 0);
        // The read stopped after the byte in progress: no more positions.
        QCOMPARE(progress.positions.size(), 200);
        QCOMPARE(progress.visibility, (QList<bool>{true, false}));
        QVERIFY(progress.positions.last() < 50);
        QVERIFY(!line->IsOpen());
        QVERIFY(BackupFiles().isEmpty());
        QCOMPARE(station->Log(), (QStringList{Identify, ReadImage}));
        // The line's own cancel check is back in place (none).
        QVERIFY(!line->CancelRequested());
    }

    void aStopAfterTheFinishSaysTheStationHoldsTheWrite()
    {
        QVERIFY(StartStation());
        TTarnikPlus record = Decoded(station->Image());
        record.pwmPower = 42;
        QElapsedTimer t;
        const TSafeWriteResult result = Run(TSafeWrite::FromRecord(record), nullptr, [&] {
            if (!t.isValid() && station->Log().contains(Finish))
                t.start();
            return t.isValid();
        });
        QVERIFY2(t.elapsed() < 200, qPrintable(QString::number(t.elapsed())));
        QCOMPARE(result.outcome, Outcome::Stopped);
        QVERIFY(result.finished);
        QCOMPARE(result.verify, Verify::NotRun);
        QCOMPARE(journal.last().icon, 0);
        QCOMPARE(journal.last().text, TStationLink::TextStopped()
                                          + QStringLiteral(" Все байты записаны, станция содержит новую конфигурацию; "
                                                           "проверка не выполнялась. Резервная копия: ")
                                          + result.backupPath);
        QCOMPARE(station->Log().last(), Finish);
        QCOMPARE(quint8(StationImage().at(515)), quint8(42));
    }

    void aStopDuringTheWriteSendsNoFinish()
    {
        const QByteArray start = StartedImage();
        TTarnikPlus record = Decoded(start);
        for (int i = 0; i < 100; ++i) {
            record.channels[i].enable = true;
            record.channels[i].RX = record.channels[i].TX = 42000 + 25 * i;
        }
        const QByteArray intended = EncodeOverImage(record, start);
        const QList<int> changed = TSafeWrite::Differences(start, intended);
        QVERIFY(changed.size() > 100);
        // Stop before the eleventh byte of the write: once the write has
        // begun, the position moves once before every byte.
        Recorder progress;
        qsizetype writeBegan = -1;
        const TSafeWriteResult result = Run(TSafeWrite::FromRecord(record), &progress, [&] {
            if (!Logged(QStringLiteral("Байт к записи")))
                return false;
            if (writeBegan < 0)
                writeBegan = progress.positions.size();
            return progress.positions.size() - writeBegan >= 10;
        });
        QCOMPARE(result.outcome, Outcome::Stopped);
        QCOMPARE(result.bytesWritten, 10);
        QVERIFY(result.StationTouched());
        QCOMPARE(station->Log(), QStringList({Identify, ReadImage}) + WriteLines(intended, changed.mid(0, 10)));
        QCOMPARE(journal.last().icon, 0);
        QCOMPARE(journal.last().text, TStationLink::TextWriteStopped() + QStringLiteral(" Резервная копия: ")
                                          + result.backupPath);
        QCOMPARE(progress.visibility, (QList<bool>{true, false}));
        QVERIFY(!line->IsOpen());
        QByteArray partly = start;
        for (int offset : changed.mid(0, 10))
            partly[offset] = intended[offset];
        QCOMPARE(StationImage(), partly);
    }
};

TARNIK_TEST_GUILESS_MAIN(TestSafeWrite)
#include "test_safewrite.moc"
