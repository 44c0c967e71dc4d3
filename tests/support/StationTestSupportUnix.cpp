// The station helpers on Linux: the ports directory of TARNIK_PORTS, the
// simulated station as a child process, pseudo-terminals.
#include "tests/support/StationTestSupport.h"
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

QString TestPorts::Dir() const
{
    return dir.path();
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

QString PortHoldingUntestable()
{
    return QString();
}

QString JournalDevice(const SimStation& station)
{
    return QFileInfo(station.Device()).canonicalFilePath();
}

QString MissingPortText(const QString& portText)
{
    return QStringLiteral("%1 недоступен: устройства нет в системе.").arg(portText);
}

QString HeldByText(const QString& portText, const PortHolder& holder)
{
    // The process name is cut to the kernel's 15 characters.
    return QStringLiteral("Порт %1 занят программой tarnik-port-hol (pid %2).").arg(portText).arg(holder.Pid());
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
