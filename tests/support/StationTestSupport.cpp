#include "tests/support/StationTestSupport.h"
#include "link/ImageCodec.h"
#include "link/PortSurvey.h"
#include "link/StationRecord.h"
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QtGlobal>
#include <cerrno>
#include <fcntl.h>
#include <pty.h>
#include <unistd.h>

namespace {
constexpr const char* PortsVariable = "TARNIK_PORTS";
constexpr int StartTimeoutMs = 5000;
}

TestPorts::TestPorts()
    : previous(qgetenv(PortsVariable)), hadPrevious(qEnvironmentVariableIsSet(PortsVariable))
{
    for (int n = 1; n <= 32; ++n)
        Link(n, dir.filePath(QStringLiteral("nothing")));
    qputenv(PortsVariable, dir.path().toLocal8Bit());
}

TestPorts::~TestPorts()
{
    if (hadPrevious)
        qputenv(PortsVariable, previous);
    else
        qunsetenv(PortsVariable);
}

QString TestPorts::Entry(int number) const
{
    return dir.filePath(QStringLiteral("COM%1").arg(number));
}

bool TestPorts::Link(int number, const QString& target) const
{
    QFile::remove(Entry(number));
    return QFile::link(target, Entry(number));
}

bool TestPorts::Remove(int number) const
{
    return QFile::remove(Entry(number));
}

SimStation::SimStation() = default;

SimStation::~SimStation()
{
    Stop();
}

QString SimStation::ImagePath() const { return dir.filePath(QStringLiteral("station.img")); }
QString SimStation::LogPath() const { return dir.filePath(QStringLiteral("requests.log")); }

bool SimStation::Start(int baud, const QStringList& extra, const TestPorts* ports, int com)
{
    Stop();
    QFile::remove(LogPath());
    process = std::make_unique<QProcess>();
    QStringList args{QStringLiteral("--baud"), QString::number(baud), QStringLiteral("--image"), ImagePath(),
                     QStringLiteral("--log"), LogPath()};
    if (ports)
        args << QStringLiteral("--ports-dir") << ports->Dir() << QStringLiteral("--com") << QString::number(com);
    args << extra;
    process->start(QStringLiteral(TARNIK_BIN_DIR "/tarnik-station"), args);
    if (!process->waitForStarted(StartTimeoutMs))
        return false;
    QElapsedTimer t;
    t.start();
    while (!process->canReadLine() && t.elapsed() < StartTimeoutMs) {
        if (!process->waitForReadyRead(100) && process->state() != QProcess::Running)
            return false;
    }
    const QByteArray line = process->readLine().trimmed();
    if (!line.startsWith("READY "))
        return false;
    device = QString::fromLocal8Bit(line.mid(6));
    return true;
}

bool SimStation::Stop()
{
    if (!process)
        return true;
    bool ok = true;
    if (process->state() != QProcess::NotRunning) {
        process->terminate();
        ok = process->waitForFinished(StartTimeoutMs);
        if (!ok) {
            process->kill();
            process->waitForFinished(StartTimeoutMs);
        }
    }
    process.reset();
    return ok;
}

bool SimStation::WaitFinished(int ms)
{
    return !process || process->state() == QProcess::NotRunning || process->waitForFinished(ms);
}

QString SimStation::ErrorText()
{
    return process ? QString::fromLocal8Bit(process->readAllStandardError()) : QString();
}

QByteArray SimStation::Image() const
{
    QFile f(ImagePath());
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QStringList SimStation::Log() const
{
    QFile f(LogPath());
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromLatin1(f.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

bool SimStation::SetImage(const QByteArray& image) const
{
    QFile f(ImagePath());
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(image) == image.size();
}

PortHolder::~PortHolder()
{
    Release();
}

bool PortHolder::Hold(const QString& device)
{
    Release();
    process = std::make_unique<QProcess>();
    process->start(QStringLiteral(TARNIK_BIN_DIR "/tarnik-port-holder"), {device});
    if (!process->waitForStarted(StartTimeoutMs))
        return false;
    QElapsedTimer t;
    t.start();
    while (!process->canReadLine() && t.elapsed() < StartTimeoutMs) {
        if (!process->waitForReadyRead(100) && process->state() != QProcess::Running)
            return false;
    }
    return process->readLine().trimmed() == "HELD";
}

qint64 PortHolder::Pid() const
{
    return process ? process->processId() : 0;
}

void PortHolder::Release()
{
    if (!process)
        return;
    process->closeWriteChannel();
    if (!process->waitForFinished(StartTimeoutMs)) {
        process->kill();
        process->waitForFinished(StartTimeoutMs);
    }
    process.reset();
}

PlainPortHolder::~PlainPortHolder()
{
    if (process) {
        process->kill();
        process->waitForFinished(StartTimeoutMs);
    }
}

bool PlainPortHolder::Hold(const QString& device)
{
    process = std::make_unique<QProcess>();
    process->setStandardInputFile(device);
    process->start(QStringLiteral("sleep"), {QStringLiteral("600")});
    return process->waitForStarted(StartTimeoutMs);
}

qint64 PlainPortHolder::Pid() const
{
    return process ? process->processId() : 0;
}

TestPty::TestPty()
{
    char name[256];
    if (openpty(&master, &slave, name, nullptr, nullptr) == 0) {
        path = QString::fromLocal8Bit(name);
        // Programs the test starts must not inherit the master: holding it
        // would make them the far end of the line.
        ::fcntl(master, F_SETFD, FD_CLOEXEC);
        ::fcntl(slave, F_SETFD, FD_CLOEXEC);
    }
}

TestPty::~TestPty()
{
    if (slave >= 0)
        ::close(slave);
    if (master >= 0)
        ::close(master);
}

TPortSurvey AdapterSurvey()
{
    TPortEntry adapter;
    adapter.number = 9;
    adapter.device = QStringLiteral("/dev/ttyUSB0");
    adapter.state = TSerialLine::OpenResult::Opened;
    adapter.usb = {true, QStringLiteral("FTDI"), QStringLiteral("FT232R USB UART"), QStringLiteral("A50285BI"),
                   0x0403, 0x6001};
    TPortEntry held = adapter;
    held.number = 10;
    held.device = QStringLiteral("/dev/ttyUSB1");
    held.state = TSerialLine::OpenResult::Busy;
    held.usb.serialNumber = QStringLiteral("A9K3XQ2L");
    held.holders = {{812, QStringLiteral("ModemManager")}};
    TPortSurvey survey;
    survey.entries = {adapter, held};
    return survey;
}

QString LogLine(const QByteArray& request)
{
    return QString::fromLatin1(request.toHex(' ').toUpper());
}

QString WriteLogLine(int offset, quint8 data)
{
    static const char pages[] = {0x03, 0x13, 0x23, 0x33};
    return LogLine(QByteArray("\x11\x39", 2) + char(pages[(offset / 256) & 3]) + char(offset % 256) + char(data));
}

void PutSlotCodes(QByteArray& image, int channel, int txCode, int rxCode, int toneRx, int toneTx)
{
    const int o = 5 * channel;
    image[o] = char(((txCode >> 8) << 4) | (rxCode >> 8));
    image[o + 1] = char(txCode & 0xFF);
    image[o + 2] = char(rxCode & 0xFF);
    image[o + 3] = char(toneRx);
    image[o + 4] = char(toneTx);
}

QByteArray OffGridImage()
{
    TTarnikPlus r;
    r.channels.resize(100);
    r.range = 1;
    r.volume = 3;
    r.pwmPower = 100;
    r.lastChannel = 4;
    QByteArray image;
    EncodeImage(r, image);
    PutSlotCodes(image, 0, 1, 1);
    PutSlotCodes(image, 1, 2, 2, 5, 5);
    PutSlotCodes(image, 2, 3, 3);
    PutSlotCodes(image, 4, 6, 10, 1, 2);
    return image;
}

QString RefusedDevice()
{
    const char* candidates[] = {"/sys/devices/system/cpu/online", "/sys/kernel/notes"};
    for (const char* path : candidates) {
        const int fd = ::open(path, O_RDWR | O_NOCTTY | O_NONBLOCK);
        if (fd >= 0) {
            ::close(fd);
            continue;
        }
        if (errno == EACCES)
            return QString::fromLatin1(path);
    }
    return QString();
}

QByteArray RandomImage(quint32 seed)
{
    QByteArray image(1024, 0);
    for (char& c : image) {
        seed = seed * 1103515245u + 12345u;
        c = char(seed >> 16);
    }
    return image;
}
