// Who holds a port: the holders found through /proc (a real process of the
// test holding a pseudo-terminal without any lock, and a made-up process
// tree), the refusal of a held port, the notices and their udev rule, the
// brltty trap read from a made-up sysfs, and the low-latency mode asked of
// the device on open and given back on close.
#include "tests/support/TestRegistry.h"
#include "link/LowLatency.h"
#include "link/PortHolders.h"
#include "link/PortNotices.h"
#include "link/PortSurvey.h"
#include "link/SerialLine.h"
#include "link/SystemRoots.h"
#include "link/UsbAdapters.h"
#include "tests/support/StationTestSupport.h"
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <linux/serial.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace {

// A made-up /proc and /sys, made the system roots for the object's lifetime.
class FakeSystem {
public:
    FakeSystem()
    {
        SetSystemRoots({dir.filePath(QStringLiteral("proc")), dir.filePath(QStringLiteral("sys"))});
        QDir().mkpath(dir.filePath(QStringLiteral("proc")));
        QDir().mkpath(dir.filePath(QStringLiteral("sys/bus/usb/devices")));
    }
    ~FakeSystem() { SetSystemRoots({}); }

    // A process with its name and descriptors (fd number -> target).
    void Process(qint64 pid, const QString& name, const QMap<int, QString>& fds = {},
                 const QMap<int, QString>& fdinfo = {})
    {
        const QString base = dir.filePath(QStringLiteral("proc/%1").arg(pid));
        QDir().mkpath(base + QStringLiteral("/fd"));
        QDir().mkpath(base + QStringLiteral("/fdinfo"));
        Write(base + QStringLiteral("/comm"), name + QLatin1Char('\n'));
        for (auto it = fds.begin(); it != fds.end(); ++it)
            QFile::link(it.value(), base + QStringLiteral("/fd/%1").arg(it.key()));
        for (auto it = fdinfo.begin(); it != fdinfo.end(); ++it)
            Write(base + QStringLiteral("/fdinfo/%1").arg(it.key()), it.value());
    }

    // A USB device with its ids, and its first interface bound to the driver.
    void UsbDevice(const QString& name, const QString& vendor, const QString& product, const QString& driver)
    {
        const QString devices = dir.filePath(QStringLiteral("sys/bus/usb/devices/"));
        QDir().mkpath(devices + name);
        Write(devices + name + QStringLiteral("/idVendor"), vendor + QLatin1Char('\n'));
        Write(devices + name + QStringLiteral("/idProduct"), product + QLatin1Char('\n'));
        const QString interface = devices + name + QStringLiteral(":1.0");
        QDir().mkpath(interface);
        const QString drivers = dir.filePath(QStringLiteral("sys/bus/usb/drivers/"));
        QDir().mkpath(drivers + driver);
        QFile::link(drivers + driver, interface + QStringLiteral("/driver"));
    }

private:
    static void Write(const QString& path, const QString& text)
    {
        QFile f(path);
        if (f.open(QIODevice::WriteOnly))
            f.write(text.toUtf8());
    }
    QTemporaryDir dir;
};

// The serial-settings calls the line makes, with a device that has the
// flags given.
struct IoctlWatch {
    struct Call {
        unsigned long request;
        int flags;
    };
    QList<Call> calls;
    int deviceFlags = 0;
    bool supported = true;

    IoctlWatch()
    {
        TLowLatency::SetIoctl([this](int, unsigned long request, serial_struct* info) {
            if (!supported)
                return -1;
            if (request == TIOCGSERIAL)
                info->flags = deviceFlags;
            else
                deviceFlags = info->flags;
            calls.append({request, info->flags});
            return 0;
        });
    }
    ~IoctlWatch() { TLowLatency::SetIoctl({}); }
};

TPortEntry BusyEntry(const QString& device, const QList<TPortHolder>& holders)
{
    TPortEntry e;
    e.number = 9;
    e.device = device;
    e.state = TSerialLine::OpenResult::Busy;
    e.holders = holders;
    return e;
}

} // namespace

class TestPortHolders : public QObject {
    Q_OBJECT
private slots:
    void aProcessHoldingAPtyWithoutLockIsFoundAndRefused()
    {
        TestPty pty;   // our own process holds both ends: never counted
        QVERIFY(PortHolders(pty.path).isEmpty());
        TSerialLine line;
        QVERIFY(line.OpenDevice(pty.path, 9600));
        line.ClosePort();

        PlainPortHolder holder;
        QVERIFY(holder.Hold(pty.path));
        const QList<TPortHolder> holders = PortHolders(pty.path);
        QCOMPARE(holders, (QList<TPortHolder>{{holder.Pid(), QStringLiteral("sleep")}}));
        QVERIFY(!line.OpenDevice(pty.path, 9600));
        QVERIFY(!line.IsOpen());
        QCOMPARE(line.LastOpenResult(), TSerialLine::OpenResult::Busy);
        QCOMPARE(line.LastHolders(), holders);
        QCOMPARE(HeldPortNotice(QStringLiteral("COM4"), line),
                 QStringLiteral("Порт COM4 занят программой sleep (pid %1).").arg(holder.Pid()));

        // The survey says the same, and why the port cannot be opened.
        TestPorts ports;
        ports.Link(4, pty.path);
        const TPortSurvey survey = SurveyPorts();
        QVERIFY(survey.Available().isEmpty());
        QCOMPARE(survey.Busy().size(), 1);
        QCOMPARE(survey.Busy().first().holders, holders);
        QVERIFY(!survey.Busy().first().CanOpen());
        QCOMPARE(survey.Busy().first().WhyNot(), QStringLiteral("занят: sleep (pid %1)").arg(holder.Pid()));
    }

    void theSimulatedStationIsTheFarEndNotAHolder()
    {
        // It keeps the slave side open besides the master.
        SimStation station;
        QVERIFY(station.Start(9600));
        QVERIFY(PortHolders(station.Device()).isEmpty());
        TSerialLine line;
        QVERIFY(line.OpenDevice(station.Device(), 9600));
    }

    void holdersInAMadeUpProcessTree()
    {
        TestPty pty, other;
        const QString index = pty.path.section(QLatin1Char('/'), -1);
        FakeSystem system;
        system.Process(812, QStringLiteral("ModemManager"), {{7, pty.path}, {8, QStringLiteral("/dev/null")}});
        system.Process(900, QStringLiteral("minicom"), {{3, other.path}});
        // Our own process and the far end of the pty do not count.
        system.Process(::getpid(), QStringLiteral("self"), {{5, pty.path}});
        system.Process(1000, QStringLiteral("socat"), {{4, QStringLiteral("/dev/ptmx")}, {6, pty.path}},
                       {{4, QStringLiteral("pos:\t0\nflags:\t02\ntty-index:\t") + index + QLatin1Char('\n')}});
        // The master of another pty does not make a far end of this one.
        system.Process(1001, QStringLiteral("screen"), {{4, QStringLiteral("/dev/ptmx")}, {6, pty.path}},
                       {{4, QStringLiteral("tty-index:\t999999\n")}});
        // Another user's process, whose descriptors are hidden.
        system.Process(1002, QStringLiteral("hidden"));
        QCOMPARE(PortHolders(pty.path), (QList<TPortHolder>{{812, QStringLiteral("ModemManager")},
                                                           {1001, QStringLiteral("screen")}}));
        QCOMPARE(PortHolders(other.path), (QList<TPortHolder>{{900, QStringLiteral("minicom")}}));
        QVERIFY(PortHolders(QStringLiteral("/dev/tarnik-no-such-device")).isEmpty());
        QCOMPARE(ProcessesNamed(QStringLiteral("minicom")), (QList<TPortHolder>{{900, QStringLiteral("minicom")}}));
    }

    void modemManagerNoticeGivesTheRuleForTheAdapter()
    {
        TPortEntry held = BusyEntry(QStringLiteral("/dev/ttyUSB0"), {{812, QStringLiteral("ModemManager")}});
        held.usb.usb = true;
        held.usb.vendorId = 0x0403;
        held.usb.productId = 0x6001;
        const QString rule = QStringLiteral(
            "ATTRS{idVendor}==\"0403\", ATTRS{idProduct}==\"6001\", ENV{ID_MM_DEVICE_IGNORE}=\"1\"");
        QCOMPARE(ModemManagerRule(held), rule);
        const QString notice = BusyNotice({held});
        QVERIFY(notice.startsWith(QStringLiteral("COM9 (/dev/ttyUSB0) занят программой ModemManager (pid 812).")));
        // The rule stands on a line of its own, ready to copy.
        QVERIFY(notice.split(QLatin1Char('\n')).contains(rule));
        QVERIFY(notice.contains(ModemManagerRulesFile));

        // Without the ids the rule names the device.
        held.usb = TUsbDetails();
        QCOMPARE(ModemManagerRule(held), QStringLiteral("KERNEL==\"ttyUSB0\", ENV{ID_MM_DEVICE_IGNORE}=\"1\""));

        // Another holder gets no rule; an unseen one is still named busy.
        const QString plain = BusyNotice({BusyEntry(QStringLiteral("/dev/ttyS0"), {{5, QStringLiteral("minicom")}}),
                                          BusyEntry(QStringLiteral("/dev/ttyS1"), {})});
        QCOMPARE(plain, QStringLiteral("COM9 (/dev/ttyS0) занят программой minicom (pid 5).\n"
                                       "COM9 (/dev/ttyS1) занят другой программой."));
    }

    void brlttyTrapIsReadFromSysfs()
    {
        FakeSystem system;
        system.UsbDevice(QStringLiteral("1-1"), QStringLiteral("1a86"), QStringLiteral("7523"), QStringLiteral("usbfs"));
        system.UsbDevice(QStringLiteral("1-2"), QStringLiteral("1a86"), QStringLiteral("7523"), QStringLiteral("ch341"));
        system.UsbDevice(QStringLiteral("1-3"), QStringLiteral("0403"), QStringLiteral("6001"), QStringLiteral("usbfs"));
        // Without brltty running nothing is said.
        QVERIFY(AdaptersClaimedByBrltty().isEmpty());
        system.Process(333, QStringLiteral("brltty"));
        const QList<TClaimedAdapter> claimed = AdaptersClaimedByBrltty();
        QCOMPARE(claimed.size(), 1);
        QCOMPARE(claimed.first().usbDevice, QStringLiteral("1-1"));
        QCOMPARE(claimed.first().Ids(), QStringLiteral("1a86:7523"));
        QCOMPARE(claimed.first().driver, QStringLiteral("usbfs"));
        const QString notice = BrlttyNotice(claimed);
        QVERIFY(notice.contains(QStringLiteral("1a86:7523")));
        QVERIFY(notice.contains(QStringLiteral("brltty (pid 333)")));
        QVERIFY(notice.contains(QStringLiteral("sudo apt remove brltty")));
        // The survey carries it, and so does its notice.
        TestPorts ports;
        const TPortSurvey survey = SurveyPorts();
        QCOMPARE(survey.claimed.size(), 1);
        QVERIFY(SurveyNotice(survey).contains(notice));
    }

    void lowLatencyIsAskedOnOpenAndGivenBackOnClose()
    {
        TestPty pty;
        IoctlWatch watch;
        watch.deviceFlags = ASYNC_SKIP_TEST;
        {
            TSerialLine line;
            QVERIFY(line.OpenDevice(pty.path, 9600));
            QCOMPARE(watch.calls.size(), 2);
            QCOMPARE(watch.calls.at(0).request, (unsigned long)TIOCGSERIAL);
            QCOMPARE(watch.calls.at(1).request, (unsigned long)TIOCSSERIAL);
            QCOMPARE(watch.calls.at(1).flags, ASYNC_SKIP_TEST | ASYNC_LOW_LATENCY);
            QVERIFY(line.ClosePort());
            QCOMPARE(watch.calls.size(), 4);
            QCOMPARE(watch.calls.at(3).request, (unsigned long)TIOCSSERIAL);
            QCOMPARE(watch.deviceFlags, ASYNC_SKIP_TEST);

            // A device already in the mode is left as it is, also on close.
            watch.calls.clear();
            watch.deviceFlags = ASYNC_LOW_LATENCY;
            QVERIFY(line.OpenDevice(pty.path, 9600));
            QVERIFY(line.ClosePort());
            QCOMPARE(watch.calls.size(), 1);

            // Closing by destruction gives the flags back too.
            watch.calls.clear();
            watch.deviceFlags = 0;
            QVERIFY(line.OpenDevice(pty.path, 9600));
        }
        QCOMPARE(watch.calls.size(), 4);
        QCOMPARE(watch.deviceFlags, 0);

        // A device without the serial settings opens all the same.
        watch.supported = false;
        TSerialLine line;
        QVERIFY(line.OpenDevice(pty.path, 9600));
    }
};

TARNIK_TEST_GUILESS_MAIN(TestPortHolders)
#include "test_portholders.moc"
