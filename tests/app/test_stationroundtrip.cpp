// The main job end to end against the simulated station: "Чтение" brings its
// configuration into the editors, "Запись" puts it back, with the safe write
// and without; a changed channel reaches the station; "Установить" writes
// the PWM power alone; an unknown band is refused whole; nothing else
// starts, nor does the window close, while a transfer runs; "Стоп" and
// Escape stop a transfer; a backup image goes back into the station.
#include "tests/support/TestRegistry.h"
#include "app/EditHistory.h"
#include "widgets/ErrorBox.h"
#include "app/RestoreQuestions.h"
#include "editors/Fconfig.h"
#include "link/ImageCodec.h"
#include "link/StationLink.h"
#include "link/Fcomsettings.h"
#include "tests/editors/ProgramWindows.h"
#include "tests/support/StationTestSupport.h"
#include "tests/tools/StationProcess.h"
#include "widgets/Frbutton.h"
#include "widgets/Frprogress.h"
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QUndoStack>
#include <csignal>
#include <functional>

namespace {
constexpr int Com = 5;

struct Channel {
    int index, rxKHz, txKHz, toneRx, toneTx;
};
// Band 2 (41 000 - 49 000 kHz), all on the 25 kHz grid, most of them split.
const Channel Channels[] = {
    {0, 45000, 45100, 1, 2}, {3, 41000, 49000, 0, 50}, {10, 42025, 42025, 12, 12},
    {57, 48975, 41025, 50, 0}, {99, 44000, 46000, 7, 33},
};

// A frequency on the 25 kHz grid as the station's 12-bit code.
int Code(int kHz) { return (kHz - 33000) * 4 / 25; }

void PutSlot(QByteArray& image, const Channel& c)
{
    const int t = Code(c.txKHz), r = Code(c.rxKHz), o = 5 * c.index;
    image[o] = char(((t >> 8) << 4) | (r >> 8));
    image[o + 1] = char(t & 0xFF);
    image[o + 2] = char(r & 0xFF);
    image[o + 3] = char(c.toneRx);
    image[o + 4] = char(c.toneTx);
}

// The station's memory at the start, written byte by byte, with bits and
// bytes that carry no setting set to what a programmer would not write.
QByteArray StartImage(int range = 2)
{
    QByteArray image(1024, char(0xFF));
    for (const Channel& c : Channels)
        PutSlot(image, c);
    const char disabledSlot[] = {char(0xFF), 0x12, 0x34, 0x56, 0x78};
    image.replace(25, 5, disabledSlot, 5);   // channel 5: empty, with leftovers
    const unsigned char settings[] = {
        0x50,               // 500 lastChannel (stale)
        5, 7,               // 501 volume, 502 squelch
        0x5A,               // 503 unused
        0x80 | 10,          // 504 deviation 10, other high bits
        0xE0 | 3,           // 505 microphone 3
        0xA0 | 16,          // 506 receive gain 16
        4, 0x60 | 11,       // 507 CTCSS transmit 4, 508 CTCSS receive 11
        uchar(range), 15,   // 509 band, 510 analogue SQL
        0xE0 | 0x15,        // 511 flags: scrambler on, PTT time-out, repeater
        0x34, 0x12,         // 512-513 time-out 0x1234
        0xFC | 0x01,        // 514 normal power-off
        200,                // 515 PWM power
    };
    image.replace(500, sizeof settings, reinterpret_cast<const char*>(settings), sizeof settings);
    image.replace(516, 4, "\x11\x11\x11\x11", 4);
    for (int i = 0; i < 10; ++i)
        image[520 + i] = char(i * 25 + 5);
    image[600] = 0x22;
    return image;
}

// What a programmer that writes the same configuration leaves: the same
// channels and settings, everything else as a freshly built image has it.
QByteArray NormalisedImage(const QByteArray& start)
{
    QByteArray image(1024, char(0xFF));
    int last = 0;
    for (int i = 0; i < 100; ++i) {
        if (uchar(start[5 * i]) == 0xFF)
            continue;
        image.replace(5 * i, 5, start.mid(5 * i, 5));
        last = i;
    }
    auto at = [&](int i) { return uchar(start[i]); };
    image[500] = char(last);
    image[501] = start[501];
    image[502] = start[502];
    image[503] = 0;
    image[504] = char(0x60 | (at(504) & 0x1F));
    image[505] = char(at(505) & 0x1F);
    image[506] = char(0x40 | (at(506) & 0x1F));
    image[507] = char(at(507) & 0x1F);
    image[508] = char(at(508) & 0x1F);
    image[509] = start[509];
    image[510] = start[510];
    image[511] = char(at(511) & 0x1F);
    image[512] = start[512];
    image[513] = start[513];
    image[514] = char(at(514) & 0x03);
    image[515] = start[515];
    image.replace(520, 10, start.mid(520, 10));
    return image;
}

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

QString Differences(const QByteArray& a, const QByteArray& b)
{
    QStringList d;
    for (int i = 0; i < std::min(a.size(), b.size()) && d.size() < 10; ++i)
        if (a[i] != b[i])
            d << QStringLiteral("%1: %2 != %3").arg(i).arg(uchar(a[i]), 2, 16).arg(uchar(b[i]), 2, 16);
    return d.join(QStringLiteral(", "));
}

// A simulated station on COM5 and the program's windows with the connection
// set to it.
class Bench {
public:
    explicit Bench(const QByteArray& image, const QStringList& extra = {})
    {
        imagePath = dir.filePath(QStringLiteral("station.img"));
        logPath = dir.filePath(QStringLiteral("requests.log"));
        WriteFile(imagePath, image);
        const QString ports = dir.filePath(QStringLiteral("ports"));
        QDir().mkpath(ports);
        stationUp = station.Start(QStringList{"--ports-dir", ports, "--com", QString::number(Com), "--baud",
                                              "19200", "--image", imagePath, "--log", logPath} + extra);
        qputenv("TARNIK_PORTS", ports.toLocal8Bit());
        windows = std::make_unique<ProgramWindows>();
        const int port = f_com->fr_combobox1->findText(QStringLiteral("COM%1").arg(Com));
        f_com->fr_combobox1->setCurrentIndex(port);
        f_com->fr_combobox2->setCurrentIndex(f_com->fr_combobox2->findText(QStringLiteral("19200")));
        ready = stationUp && windows->started && port >= 0;
    }
    ~Bench()
    {
        windows.reset();
        qunsetenv("TARNIK_PORTS");
    }
    // The station's memory as it keeps it, after it has saved it on exit.
    QByteArray StationImage()
    {
        station.Stop(SIGTERM);
        return ReadFile(imagePath);
    }

    // The requests the station has received so far.
    QStringList Requests() const
    {
        return QString::fromLatin1(ReadFile(logPath)).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

    QTemporaryDir dir;
    QString imagePath;
    QString logPath;
    StationProcess station;
    std::unique_ptr<ProgramWindows> windows;
    bool stationUp = false;
    bool ready = false;
};

void SetSafeWrite(bool on)
{
    f_config->CheckBox2->setChecked(on);
}

void SetCommonFrequency(bool on)
{
    f_config->CheckBox1->setChecked(on);
    f_config->fr_button1PClick();
}

bool Read()
{
    f_main->read_btn->clicked();
    return ProgramWindows::JournalHas(QStringLiteral("Данные считаны успешно."));
}

bool Write()
{
    f_main->write_btn->clicked();
    return ProgramWindows::JournalHas(QStringLiteral("Данные записаны успешно."));
}

// Polls until the condition holds, then runs the action once: for acting
// in the middle of a transfer, which processes window messages.
void WhenThen(QObject* owner, std::function<bool()> condition, std::function<void()> action)
{
    auto* timer = new QTimer(owner);
    QObject::connect(timer, &QTimer::timeout, owner, [timer, condition, action] {
        if (!condition())
            return;
        timer->stop();
        timer->deleteLater();
        action();
    });
    timer->start(10);
}

bool JournalStartsWith(const QString& start)
{
    for (const QString& text : ProgramWindows::Journal())
        if (text.startsWith(start))
            return true;
    return false;
}
} // namespace

class TestStationRoundTrip : public QObject {
    Q_OBJECT
    QTemporaryDir dataHome;   // the backups go below it

    QString BackupFolder() const { return dataHome.filePath(QStringLiteral("tarnik-programmer/backups")); }
    QStringList Backups() const
    {
        return QDir(BackupFolder()).entryList(QDir::Files, QDir::Name);
    }

private slots:
    void initTestCase()
    {
        qApp->setQuitOnLastWindowClosed(false);
        QVERIFY(dataHome.isValid());
        qputenv("XDG_DATA_HOME", dataHome.path().toUtf8());
    }

    void readThenWriteLeavesTheStationAsItWas_data()
    {
        QTest::addColumn<bool>("common");
        QTest::newRow("common frequency on") << true;
        QTest::newRow("common frequency off") << false;
    }
    void readThenWriteLeavesTheStationAsItWas()
    {
        QFETCH(bool, common);
        const QByteArray start = StartImage();
        Bench b(start);
        QVERIFY2(b.ready, qPrintable(b.station.ErrorText()));
        SetCommonFrequency(common);
        SetSafeWrite(false);   // every byte as a fresh image has it

        QVERIFY(Read());
        // The split channels show their own two frequencies.
        QCOMPARE(channelRows[0]->CSpinEdit1->Value(), 45000000);
        QCOMPARE(channelRows[0]->CSpinEdit2->Value(), 45100000);
        QCOMPARE(channelRows[57]->CSpinEdit1->Value(), 48975000);
        QCOMPARE(channelRows[57]->CSpinEdit2->Value(), 41025000);
        QCOMPARE(channelRows[57]->ComboBox1->currentIndex(), 50);
        QVERIFY(!channelRows[5]->CheckBox1->isChecked());
        QCOMPARE(channelRows[5]->CSpinEdit1->Value(), 41000000);   // the band minimum
        QCOMPARE(f_settings->ComboBox1->currentIndex(), 1);
        QCOMPARE(f_settings->Edit1->text(), QStringLiteral("4660"));
        QCOMPARE(f_settings->Edit2->text(), QStringLiteral("200"));
        QCOMPARE(f_settings->ComboBox9->currentIndex(), 11);

        QVERIFY(Write());
        const QByteArray end = b.StationImage();
        const QByteArray expected = NormalisedImage(start);
        QVERIFY2(end == expected, qPrintable(Differences(end, expected)));
        QVERIFY(b.windows->errors.isEmpty());
    }

    void aChangedChannelReachesTheStation()
    {
        const QByteArray start = StartImage();
        Bench b(start);
        QVERIFY(b.ready);
        SetCommonFrequency(true);
        SetSafeWrite(false);
        QVERIFY(Read());
        Tfr_reccord* row = channelRows[3];
        row->SpeedButton2MouseDown();   // receive up one step, the transmit follows
        row->SpeedButton2MouseUp();
        channelRows[99]->CheckBox1->setChecked(false);
        channelRows[20]->CheckBox1->setChecked(true);
        channelRows[20]->CSpinEdit1->SetValue(47500000);
        channelRows[20]->ComboBox2->setCurrentIndex(9);
        QVERIFY(Write());

        QByteArray expected = NormalisedImage(start);
        PutSlot(expected, {3, 41025, 41025, 0, 50});
        PutSlot(expected, {20, 47500, 47500, 0, 9});
        expected.replace(495, 5, QByteArray(5, char(0xFF)));
        expected[500] = 57;   // the highest enabled channel now
        const QByteArray end = b.StationImage();
        QVERIFY2(end == expected, qPrintable(Differences(end, expected)));
    }

    void setWritesOnlyThePwmPower()
    {
        const QByteArray start = StartImage();
        Bench b(start);
        QVERIFY(b.ready);
        QVERIFY(Read());
        channelRows[10]->CSpinEdit1->SetValue(48000000);   // not sent
        f_settings->TrackBar2->setValue(99);
        f_settings->Button1->click();
        QVERIFY(!f_main->StationBusy());
        QByteArray expected = start;
        expected[515] = char(99);
        const QByteArray end = b.StationImage();
        QVERIFY2(end == expected, qPrintable(Differences(end, expected)));
        QCOMPARE(channelRows[10]->CSpinEdit1->Value(), 48000000);   // the unsaved edit stays
    }

    void aStationWithAnUnknownBandLeavesBothPages_data()
    {
        QTest::addColumn<int>("range");
        QTest::newRow("0") << 0;
        QTest::newRow("7") << 7;
    }
    void aStationWithAnUnknownBandLeavesBothPages()
    {
        QFETCH(int, range);
        Bench b(StartImage(range));
        QVERIFY(b.ready);
        channelRows[4]->CheckBox1->setChecked(true);
        channelRows[4]->CSpinEdit1->SetValue(34000000);
        const QStringList before = EditorSnapshot();
        QVERIFY(Read());
        QCOMPARE(b.windows->errors.size(), 1);
        QVERIFY2(b.windows->errors[0].contains(QStringLiteral("диапазон %1 ").arg(range)),
                 qPrintable(b.windows->errors[0]));
        QCOMPARE(EditorSnapshot(), before);
        QVERIFY(!f_main->StationBusy());
    }

    void nothingStartsAndTheWindowStaysWhileAReadRuns()
    {
        // About three seconds for the 1024 bytes.
        Bench b(StartImage(), {"--byte-delay", "3"});
        QVERIFY(b.ready);
        f_config->CheckBox1->setChecked(false);   // stored at close as "0"
        QVERIFY(b.windows->run.ReadSettings().contains("<onefreq>1</onefreq>"));

        bool busyMeanwhile = false, visibleMeanwhile = false, writtenMeanwhile = true;
        QTimer::singleShot(0, f_main, [] { f_main->read_btn->clicked(); });
        QTimer::singleShot(800, f_main, [&] {
            busyMeanwhile = f_main->StationBusy() && f_main->fr_progress1->isVisible();
            QTest::mouseClick(f_main->write_btn, Qt::LeftButton);
            f_main->write_btnPClick(f_main->write_btn);   // even called directly
            f_main->fr_button2PClick(f_main->fr_button2);
            f_main->close();
            QTest::qWait(100);
            visibleMeanwhile = f_main->isVisible();
            writtenMeanwhile = b.windows->run.ReadSettings().contains("<onefreq>0</onefreq>");
        });
        QTRY_VERIFY_WITH_TIMEOUT(!f_main->isVisible(), 20000);
        QVERIFY(busyMeanwhile);
        QVERIFY(visibleMeanwhile);
        QVERIFY(!writtenMeanwhile);
        QVERIFY(ProgramWindows::JournalHas(QStringLiteral("Данные считаны успешно.")));
        QVERIFY(!ProgramWindows::JournalHas(QStringLiteral("Данные записаны успешно.")));
        QCOMPARE(channelRows[0]->CSpinEdit2->Value(), 45100000);   // the read was completed
        QVERIFY(b.windows->run.ReadSettings().contains("<onefreq>0</onefreq>"));
    }

    // The safe write.

    void theSafeWriteKeepsWhatTheEditorsDoNotShow()
    {
        const QByteArray start = StartImage();
        Bench b(start);
        QVERIFY(b.ready);
        SetCommonFrequency(true);
        SetSafeWrite(true);
        QVERIFY(Read());
        channelRows[3]->SpeedButton2MouseDown();   // receive and transmit up one step
        channelRows[3]->SpeedButton2MouseUp();
        const QStringList beforeWrite = EditorSnapshot();
        QVERIFY(Write());
        QCOMPARE(EditorSnapshot(), beforeWrite);

        // Channel 3 changed and the last enabled channel as the channel page
        // counts it; everything else as the station had it, bit by bit: the
        // reserved bytes, byte 503, the spare bits of the settings bytes,
        // the leftovers of the empty channel 5.
        QByteArray expected = start;
        expected[500] = NormalisedImage(start)[500];
        PutSlot(expected, {3, 41025, 41025, 0, 50});
        const QByteArray end = b.StationImage();
        QVERIFY2(end == expected, qPrintable(Differences(end, expected)));

        QCOMPARE(Backups().size(), 1);   // the first safe write of the run
        QCOMPARE(ReadFile(QDir(BackupFolder()).filePath(Backups().first())), start);
        QVERIFY(ProgramWindows::JournalHas(QStringLiteral("Резервная копия: ")
                                           + QDir(BackupFolder()).filePath(Backups().first())));
        const QStringList requests = b.Requests();
        QCOMPARE(requests.mid(0, 2), (QStringList{"11 39 01", "11 39 02"}));
        QCOMPARE(requests.mid(requests.size() - 3), (QStringList{"11 39 04", "11 39 01", "11 39 02"}));
        QVERIFY(requests.size() < 2 + 30 + 3);   // only the changed bytes
        QVERIFY(!f_main->fr_progress1->isVisible());
        QVERIFY(!f_main->stop_btn->isVisible());
    }

    void offGridChannelsWrittenBackStayWhereTheyAre()
    {
        const QByteArray start = OffGridImage();
        Bench b(start);
        QVERIFY(b.ready);
        SetSafeWrite(true);
        QVERIFY(Read());
        QCOMPARE(channelRows[1]->CSpinEdit1->Value(), 33012000);
        f_main->write_btn->clicked();
        QVERIFY(ProgramWindows::JournalHas(
            QStringLiteral("Станция уже содержит эту конфигурацию. Запись не требуется.")));
        QVERIFY(!ProgramWindows::JournalHas(QStringLiteral("Данные записаны успешно.")));
        QCOMPARE(b.Requests(), (QStringList{"11 39 01", "11 39 02", "11 39 01", "11 39 02"}));
        QCOMPARE(b.StationImage(), start);
    }

    void stopEndsAReadAndLeavesTheEditors()
    {
        Bench b(StartImage(), {"--byte-delay", "3"});   // about three seconds for the image
        QVERIFY(b.ready);
        const QStringList before = EditorSnapshot();
        bool shownMeanwhile = false;
        WhenThen(f_main, [] { return f_main->fr_progress1->isVisible(); }, [&] {
            shownMeanwhile = f_main->stop_btn->isVisible();
            QTest::mouseClick(f_main->stop_btn, Qt::LeftButton);
        });
        f_main->read_btn->clicked();
        QVERIFY(shownMeanwhile);
        QCOMPARE(ProgramWindows::Journal().last(), TStationLink::TextStopped());
        QCOMPARE(EditorSnapshot(), before);
        QVERIFY(!f_main->fr_progress1->isVisible());
        QVERIFY(!f_main->stop_btn->isVisible());
        QVERIFY(!f_main->StationBusy());
        QCOMPARE(b.Requests(), (QStringList{"11 39 01", "11 39 02"}));
        // While the station still sends the rest of the image it had begun,
        // the next read waits for the line to go quiet and then reads the
        // image whole, not a shifted one.
        QTest::qWait(500);
        QVERIFY2(Read(), qPrintable(ProgramWindows::Journal().join('\n') + b.Requests().join('\n')));
        // Identified again (on a loaded machine the quiet may come early and
        // the answer be one of the old image's bytes), then read once.
        const QStringList requests = b.Requests();
        QCOMPARE(requests.mid(0, 2), (QStringList{"11 39 01", "11 39 02"}));
        QCOMPARE(requests.last(), QStringLiteral("11 39 02"));
        QCOMPARE(requests.count(QStringLiteral("11 39 02")), 2);
        QCOMPARE(f_settings->Edit2->text(), QStringLiteral("200"));
    }

    void escapeStopsASafeWriteAndNamesTheBackup()
    {
        Bench b(StartImage(), {"--write-delay", "20"});
        QVERIFY(b.ready);
        SetSafeWrite(true);
        QVERIFY(Read());
        for (int i = 20; i < 60; ++i) {
            channelRows[i]->CheckBox1->setChecked(true);
            channelRows[i]->CSpinEdit1->SetValue(42000000);
        }
        WhenThen(f_main, [] { return JournalStartsWith(QStringLiteral("Байт к записи")); },
                 [] { QTest::keyClick(f_main, Qt::Key_Escape); });
        const QStringList earlier = Backups();
        f_main->write_btn->clicked();
        QVERIFY(!ProgramWindows::JournalHas(QStringLiteral("Данные записаны успешно.")));
        QStringList added = Backups();
        for (const QString& name : earlier)
            added.removeOne(name);
        QCOMPARE(added.size(), 1);
        QCOMPARE(ProgramWindows::Journal().last(),
                 TStationLink::TextWriteStopped() + QStringLiteral(" Резервная копия: ")
                     + QDir(BackupFolder()).filePath(added.first()));
        const QStringList requests = b.Requests();
        QVERIFY(requests.size() > 2);
        QVERIFY(requests.size() < 2 + 100);
        QVERIFY(!requests.contains(QStringLiteral("11 39 04")));
        QVERIFY(!f_main->StationBusy());
        QVERIFY(!f_main->stop_btn->isVisible());
    }

    void escapeActsAtOnceWhileTheVerifyWaitsForAStation()
    {
        // The read, then the write's identify, read, two bytes (the power
        // and the last channel) and finish: then the station is gone, and
        // the verify tries to identify it again and again.
        Bench b(StartImage(), {"--vanish-after", "7"});
        QVERIFY(b.ready);
        SetSafeWrite(true);
        QVERIFY(Read());
        f_settings->TrackBar2->setValue(17);
        // Escape once the finish and its pause are over, while the verify
        // tries to identify the station.
        QElapsedTimer pressed;
        WhenThen(f_main, [&] { return b.Requests().contains(QStringLiteral("11 39 04")); }, [&] {
            QTimer::singleShot(700, f_main, [&] {
                pressed.start();
                QTest::keyClick(f_main, Qt::Key_Escape);
            });
        });
        // The window keeps painting meanwhile: a timer of its thread ticks.
        int ticks = 0;
        QTimer ticker;
        QObject::connect(&ticker, &QTimer::timeout, [&] { ++ticks; });
        ticker.start(20);
        QElapsedTimer whole;
        whole.start();
        f_main->write_btn->clicked();
        ticker.stop();
        QVERIFY2(pressed.isValid(), qPrintable(ProgramWindows::Journal().join('\n') + '\n' + b.Requests().join('\n')
                                               + QStringLiteral("\n%1 ms").arg(whole.elapsed())));
        QVERIFY2(pressed.elapsed() < 200, qPrintable(QString::number(pressed.elapsed())));
        QVERIFY2(ticks * 20 > whole.elapsed() / 2, qPrintable(QStringLiteral("%1 ticks in %2 ms").arg(ticks).arg(whole.elapsed())));
        QVERIFY2(ProgramWindows::Journal().last().startsWith(
                     TStationLink::TextStopped()
                     + QStringLiteral(" Все байты записаны, станция содержит новую конфигурацию; проверка не выполнялась. "
                                      "Резервная копия: ")),
                 qPrintable(ProgramWindows::Journal().last()));
        QVERIFY(!f_main->StationBusy());
    }

    void aBackupGoesBackIntoTheStation()
    {
        const QByteArray start = StartImage();
        Bench b(start);
        QVERIFY(b.ready);
        SetSafeWrite(false);   // the restore writes safely whatever the option says
        f_settings->TrackBar2->setValue(17);
        f_settings->Button1->click();   // the PWM power alone
        QTRY_VERIFY(!f_main->StationBusy());
        const QString image = b.dir.filePath(QStringLiteral("saved.bin"));
        QVERIFY(WriteFile(image, start));
        // The image's spare bits are not as the program writes them: the
        // restore names them and asks first; then it shows what it changes.
        QList<QPair<TRestoreQuestion, QString>> asked;
        SetRestoreQuestionHandler([&](TRestoreQuestion q, const QString& text) {
            asked << qMakePair(q, text);
            return true;
        });
        f_main->RestoreImageFile(image);
        SetRestoreQuestionHandler({});
        QVERIFY(ProgramWindows::JournalHas(QStringLiteral("Данные записаны успешно.")));
        QCOMPARE(asked.size(), 2);
        QCOMPARE(asked[0].first, TRestoreQuestion::WriteAnyway);
        QVERIFY2(asked[0].second.contains(QStringLiteral("в байтах 503 (0x5a), 504 (0x8a)")), qPrintable(asked[0].second));
        QCOMPARE(asked[1].first, TRestoreQuestion::Restore);
        QVERIFY2(asked[1].second.contains(QStringLiteral("Мощность ШИМ: 17 → 200")), qPrintable(asked[1].second));
        const QStringList requests = b.Requests();
        QCOMPARE(requests.mid(requests.size() - 6),
                 (QStringList{"11 39 01", "11 39 02", "11 39 23 03 C8", "11 39 04", "11 39 01", "11 39 02"}));
        QCOMPARE(b.StationImage(), start);
        QVERIFY(b.windows->errors.isEmpty());
        // The editors show the restored configuration, as one undo step.
        QCOMPARE(f_settings->Edit2->text(), QStringLiteral("200"));
        QCOMPARE(f_main->History()->Stack()->undoText(), QStringLiteral("восстановление"));
        f_main->undoAction->trigger();
        QCOMPARE(f_settings->Edit2->text(), QStringLiteral("17"));
    }

    void aRestoreTheUserDeclinesWritesNothing()
    {
        const QByteArray start = StartImage();
        Bench b(start);
        QVERIFY(b.ready);
        QByteArray other = start;
        other[515] = char(99);
        const QString image = b.dir.filePath(QStringLiteral("other.bin"));
        QVERIFY(WriteFile(image, other));
        const QStringList before = EditorSnapshot();
        SetRestoreQuestionHandler([](TRestoreQuestion q, const QString&) { return q == TRestoreQuestion::WriteAnyway; });
        f_main->RestoreImageFile(image);
        SetRestoreQuestionHandler({});
        QCOMPARE(ProgramWindows::Journal().last(), QStringLiteral("Запись отменена. В станцию ничего не записано."));
        QCOMPARE(b.Requests(), (QStringList{"11 39 01", "11 39 02"}));
        QCOMPARE(EditorSnapshot(), before);
        QCOMPARE(b.StationImage(), start);
    }

    void anImageThatFailsTheChecksIsRefusedWithItsReasons()
    {
        const QByteArray start = StartImage();
        Bench b(start);
        QVERIFY(b.ready);
        // Random bytes with band 113 and a volume beyond the list.
        QByteArray random = RandomImage(99);
        random[509] = char(113);
        random[501] = char(80);
        const QString image = b.dir.filePath(QStringLiteral("random.bin"));
        QVERIFY(WriteFile(image, random));
        const QStringList before = EditorSnapshot();

        QString reasons;
        SetRestoreQuestionHandler([&](TRestoreQuestion q, const QString& text) {
            if (q == TRestoreQuestion::WriteAnyway)
                reasons = text;
            return false;
        });
        f_main->RestoreImageFile(image);
        QVERIFY(reasons.contains(QStringLiteral("Частотный диапазон 113 не описан в каталоге")));
        QVERIFY(reasons.contains(QStringLiteral("Уровень громкости: значение 80")));
        QVERIFY(reasons.contains(QStringLiteral("Служебные биты не такие, какие записывает программа")));
        QVERIFY(reasons.contains(QStringLiteral("… и ещё")));
        QVERIFY(b.Requests().isEmpty());
        QCOMPARE(ProgramWindows::Journal().last(), QStringLiteral("Восстановление отменено: образ не прошёл проверку."));

        // "Записать всё равно": it goes in, and the editors, which cannot
        // show band 113, stay as they were and the journal says so.
        SetRestoreQuestionHandler([](TRestoreQuestion, const QString&) { return true; });
        QVERIFY(Guarded([&] { f_main->RestoreImageFile(image); }));
        SetRestoreQuestionHandler({});
        QVERIFY(ProgramWindows::JournalHas(QStringLiteral("Данные записаны успешно.")));
        QVERIFY(ProgramWindows::Journal().last().startsWith(QStringLiteral("Восстановленную конфигурацию нельзя показать")));
        QCOMPARE(EditorSnapshot(), before);
        QCOMPARE(b.StationImage(), random);
    }

    void aReadAndAWriteOfBitsNobodyModelsSendNoWrite()
    {
        // The start image with its last enabled channel right: the editors
        // then hold everything that decides a byte the program owns.
        QByteArray start = StartImage();
        start[500] = NormalisedImage(start)[500];
        Bench b(start);
        QVERIFY(b.ready);
        SetSafeWrite(true);
        QVERIFY(Read());
        f_main->write_btn->clicked();
        QVERIFY(ProgramWindows::JournalHas(QStringLiteral("Станция уже содержит эту конфигурацию. Запись не требуется.")));
        QCOMPARE(b.Requests(), (QStringList{"11 39 01", "11 39 02", "11 39 01", "11 39 02"}));
        QCOMPARE(b.StationImage(), start);
    }

    void aFileThatIsNoImageIsRefused()
    {
        Bench b(StartImage());
        QVERIFY(b.ready);
        const QString file = b.dir.filePath(QStringLiteral("short.bin"));
        QVERIFY(WriteFile(file, QByteArray(1000, char(0x11))));
        const int entries = ProgramWindows::Journal().size();
        f_main->RestoreImageFile(file);
        QCOMPARE(b.windows->errors.size(), 1);
        QVERIFY2(b.windows->errors[0].contains(QStringLiteral("1024")), qPrintable(b.windows->errors[0]));
        QCOMPARE(ProgramWindows::Journal().size(), entries);
        QVERIFY(b.Requests().isEmpty());
        QVERIFY(!f_main->StationBusy());
    }
};

TARNIK_TEST_MAIN(TestStationRoundTrip)
#include "test_stationroundtrip.moc"
