// The map from COM numbers to devices, and the survey of the ports the
// connection dialog lists.
#include "tests/support/TestRegistry.h"
#include "link/PortMap.h"
#include "link/PortNotices.h"
#include "link/PortSurvey.h"
#include "link/SerialLine.h"
#include "tests/support/StationTestSupport.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>
#include <sys/stat.h>
#include <unistd.h>

namespace {


QList<int> Numbers(const QList<TPortEntry>& entries)
{
    QList<int> n;
    for (const TPortEntry& e : entries)
        n << e.number;
    return n;
}

} // namespace

class TestPortMap : public QObject {
    Q_OBJECT
private slots:
    void defaultsFollowTheUsualDeviceNames()
    {
        qunsetenv("TARNIK_PORTS");
        QCOMPARE(PortMap::DevicePath(1), QStringLiteral("/dev/ttyS0"));
        QCOMPARE(PortMap::DevicePath(8), QStringLiteral("/dev/ttyS7"));
        QCOMPARE(PortMap::DevicePath(9), QStringLiteral("/dev/ttyUSB0"));
        QCOMPARE(PortMap::DevicePath(24), QStringLiteral("/dev/ttyUSB15"));
        QCOMPARE(PortMap::DevicePath(25), QStringLiteral("/dev/ttyACM0"));
        QCOMPARE(PortMap::DevicePath(32), QStringLiteral("/dev/ttyACM7"));
        QCOMPARE(PortMap::DevicePath(0), QString());
        QCOMPARE(PortMap::DevicePath(33), QString());
        QCOMPARE(PortMap::DevicePath(-1), QString());
    }

    void portsDirectoryEntryTakesPrecedence()
    {
        TestPorts ports;
        TestPty a;
        QVERIFY(!a.path.isEmpty());
        QVERIFY(ports.Link(3, a.path));
        QCOMPARE(PortMap::DevicePath(3), QFileInfo(a.path).canonicalFilePath());
        QCOMPARE(PortMap::PortsDirEntry(3), ports.Entry(3));
        // An entry that leads nowhere hides the number, the default does
        // not show through.
        QCOMPARE(PortMap::DevicePath(1), QString());
        // Without an entry the default applies again.
        QVERIFY(ports.Remove(1));
        QCOMPARE(PortMap::DevicePath(1), QStringLiteral("/dev/ttyS0"));
        QCOMPARE(PortMap::PortsDirEntry(1), QString());
    }

    void relativeLinksAreResolvedInTheirDirectory()
    {
        TestPorts ports;
        QFile f(QDir(ports.Dir()).filePath(QStringLiteral("device")));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        QVERIFY(ports.Link(5, QStringLiteral("device")));
        QCOMPARE(PortMap::DevicePath(5), QFileInfo(f.fileName()).canonicalFilePath());
    }

    void com33IsNeverMapped()
    {
        TestPorts ports;
        TestPty a;
        QVERIFY(QFile::link(a.path, QDir(ports.Dir()).filePath(QStringLiteral("COM33"))));
        QCOMPARE(PortMap::PortsDirEntry(33), QString());
        QCOMPARE(PortMap::DevicePath(33), QString());
        ports.Link(32, a.path);
        const TPortSurvey survey = SurveyPorts();
        QCOMPARE(Numbers(survey.Available()), QList<int>{32});
    }

    void surveyListsFreePortsInAscendingOrder()
    {
        TestPorts ports;
        TestPty a, b, c;
        ports.Link(20, c.path);
        ports.Link(3, b.path);
        ports.Link(1, a.path);
        const TPortSurvey survey = SurveyPorts();
        QCOMPARE(Numbers(survey.Available()), (QList<int>{1, 3, 20}));
        QCOMPARE(survey.Available().at(1).Text(), QStringLiteral("COM3"));
        QCOMPARE(survey.Available().at(1).device, QFileInfo(b.path).canonicalFilePath());
        QVERIFY(survey.Refused().isEmpty());
    }

    void surveyLeavesOutAPortHeldByAnotherProgram()
    {
        TestPorts ports;
        TestPty a, b;
        ports.Link(1, a.path);
        ports.Link(2, b.path);
        PortHolder holder;
        QVERIFY(holder.Hold(b.path));
        QCOMPARE(TSerialLine::Probe(b.path), TSerialLine::OpenResult::Busy);
        const TPortSurvey survey = SurveyPorts();
        QCOMPARE(Numbers(survey.Available()), QList<int>{1});
        QVERIFY(survey.Refused().isEmpty());
        holder.Release();
        QCOMPARE(Numbers(SurveyPorts().Available()), (QList<int>{1, 2}));
    }

    void surveyReportsAPortWithoutPermission()
    {
        TestPorts ports;
        TestPty a;
        ports.Link(1, a.path);
        QString refused;
        TestPty b;   // lives to the end of the test, or its device goes away
        if (::geteuid() != 0) {
            // An ordinary user: a device node without rights for anybody.
            QVERIFY(::fchmod(b.slave, 0) == 0);
            refused = b.path;
        } else {
            refused = RefusedDevice();
            if (refused.isEmpty())
                QSKIP("Running as root and no file refuses root: permission cannot be denied here");
        }
        ports.Link(7, refused);
        QCOMPARE(TSerialLine::Probe(refused), TSerialLine::OpenResult::NoPermission);
        const TPortSurvey survey = SurveyPorts();
        QCOMPARE(Numbers(survey.Available()), QList<int>{1});
        QCOMPARE(Numbers(survey.Refused()), QList<int>{7});
        const QString notice = PermissionNotice(survey.Refused());
        QVERIFY(notice.contains(QStringLiteral("COM7 (") + refused + QLatin1Char(')')));
        QVERIFY(notice.contains(QStringLiteral("dialout")));
    }

    void missingDevicesAreSimplyAbsent()
    {
        TestPorts ports;
        ports.Link(4, QStringLiteral("/dev/tarnik-no-such-device"));
        QCOMPARE(TSerialLine::Probe(QStringLiteral("/dev/tarnik-no-such-device")), TSerialLine::OpenResult::Missing);
        const TPortSurvey survey = SurveyPorts();
        QVERIFY(survey.Available().isEmpty());
        QVERIFY(survey.Refused().isEmpty());
        QCOMPARE(PermissionNotice(survey.Refused()), QString());
    }
};

TARNIK_TEST_GUILESS_MAIN(TestPortMap)
#include "test_portmap.moc"
