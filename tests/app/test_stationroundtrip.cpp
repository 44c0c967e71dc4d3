// The main job end to end against the simulated station: "Чтение" brings its
// configuration into the editors, "Запись" puts it back; a changed channel
// reaches the station; "Установить" writes the PWM power alone; an unknown
// band is refused whole; and nothing else starts, nor does the window close,
// while a transfer runs.
#include "editors/Fconfig.h"
#include "link/Fcomsettings.h"
#include "tests/editors/ProgramWindows.h"
#include "tests/tools/StationProcess.h"
#include "widgets/Frbutton.h"
#include "widgets/Frprogress.h"
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <csignal>

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
        WriteFile(imagePath, image);
        const QString ports = dir.filePath(QStringLiteral("ports"));
        QDir().mkpath(ports);
        stationUp = station.Start(QStringList{"--ports-dir", ports, "--com", QString::number(Com), "--baud",
                                              "19200", "--image", imagePath} + extra);
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

    QTemporaryDir dir;
    QString imagePath;
    StationProcess station;
    std::unique_ptr<ProgramWindows> windows;
    bool stationUp = false;
    bool ready = false;
};

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
} // namespace

class TestStationRoundTrip : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { qApp->setQuitOnLastWindowClosed(false); }

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
};

QTEST_MAIN(TestStationRoundTrip)
#include "test_stationroundtrip.moc"
