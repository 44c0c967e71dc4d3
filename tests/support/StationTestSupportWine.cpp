// The station helpers of the Windows build, run under Wine: the simulated
// station is a Linux program, started and stopped through
// tarnik-station-broker's folder, registered in the ports folder that the
// Wine prefix's COM1..COM32 lead into. Both folders are given by
// tests/windows/run-under-wine as Linux paths; Wine shows the Linux root as
// drive Z:.
#include "tests/support/StationTestSupport.h"
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSaveFile>
#include <QThread>
#include <QUuid>
#include <windows.h>

namespace {

constexpr const char* PortsVariable = "TARNIK_WINE_PORTS";
constexpr const char* StationsVariable = "TARNIK_WINE_STATIONS";
// The broker looks at its folder every few milliseconds; Wine's file access
// and the station's start add the rest.
constexpr int StartTimeoutMs = 10000;
constexpr int PollMs = 5;

QString LinuxPath(const QString& windowsPath)
{
    QString path = QDir::fromNativeSeparators(windowsPath);
    if (path.startsWith(QLatin1String("Z:"), Qt::CaseInsensitive))
        path = path.mid(2);
    return path;
}

QString WindowsPath(const QString& linuxPath)
{
    return QStringLiteral("Z:") + linuxPath;
}

QString StationsDir()
{
    return WindowsPath(qEnvironmentVariable(StationsVariable));
}

QString ReadText(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

} // namespace

TestPorts::TestPorts()
    : previous(), hadPrevious(false)
{
}

TestPorts::~TestPorts() = default;

QString TestPorts::Dir() const
{
    return qEnvironmentVariable(PortsVariable);
}

QString TestPorts::Entry(int number) const
{
    return QStringLiteral("%1/COM%2").arg(WindowsPath(Dir())).arg(number);
}

bool TestPorts::Link(int, const QString&) const
{
    return false;
}

bool TestPorts::Remove(int) const
{
    return false;
}

SimStation::SimStation()
    : dir(StationsDir() + QStringLiteral("/sim-XXXXXX"))
{
}

QString SimStation::JobFile(const char* ext) const
{
    return QStringLiteral("%1/%2.%3").arg(StationsDir(), job, QLatin1String(ext));
}

bool SimStation::Start(int baud, const QStringList& extra, const TestPorts* ports, int com)
{
    Stop();
    QFile::remove(LogPath());
    if (!dir.isValid() || !ports || com <= 0)
        return false;
    job = QUuid::createUuid().toString(QUuid::Id128);
    QStringList args{QStringLiteral("--baud"), QString::number(baud), QStringLiteral("--image"),
                     LinuxPath(ImagePath()), QStringLiteral("--log"), LinuxPath(LogPath()),
                     QStringLiteral("--ports-dir"), ports->Dir(), QStringLiteral("--com"), QString::number(com)};
    args << extra;
    QSaveFile request(JobFile("start"));
    if (!request.open(QIODevice::WriteOnly) || request.write(args.join(QLatin1Char('\n')).toUtf8() + '\n') < 0
        || !request.commit())
        return false;
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < StartTimeoutMs) {
        if (ReadText(JobFile("out")).startsWith(QLatin1String("READY "))) {
            device = QStringLiteral("\\\\.\\COM%1").arg(com);
            return true;
        }
        if (QFile::exists(JobFile("done")))
            return false;
        QThread::msleep(PollMs);
    }
    return false;
}

bool SimStation::Stop()
{
    if (job.isEmpty())
        return true;
    bool ended = QFile::exists(JobFile("done"));
    if (!ended) {
        QFile stop(JobFile("stop"));
        stop.open(QIODevice::WriteOnly);
        stop.close();
        ended = WaitFinished(StartTimeoutMs);
    }
    for (const char* ext : {"out", "err", "done"})
        QFile::remove(JobFile(ext));
    job.clear();
    device.clear();
    return ended;
}

bool SimStation::WaitFinished(int ms)
{
    if (job.isEmpty())
        return true;
    QElapsedTimer t;
    t.start();
    while (!QFile::exists(JobFile("done"))) {
        if (t.elapsed() >= ms)
            return false;
        QThread::msleep(PollMs);
    }
    return true;
}

QString SimStation::ErrorText()
{
    return job.isEmpty() ? QString() : ReadText(JobFile("err"));
}

QString JournalDevice(const SimStation& station)
{
    return station.Device();
}

QString MissingPortText(const QString& portText)
{
    return QStringLiteral("%1 (\\\\.\\%1) недоступен: устройство не работает как последовательный порт.").arg(portText);
}

QString HeldByText(const QString& portText, const PortHolder&)
{
    return QStringLiteral("Порт %1 занят другой программой.").arg(portText);
}

QString PortHoldingUntestable()
{
    // Wine's ntdll has functions of its own; Windows' has not.
    const bool wine = GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
    return wine ? QStringLiteral("Wine lets a second program open a COM port (Windows refuses it)") : QString();
}
