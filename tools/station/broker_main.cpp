// tarnik-station-broker DIR: starts and stops simulated stations for
// Windows test programs running under Wine. Wine starts no Linux program
// that a Windows program could wait for or stop, so the two sides meet in a
// folder that both can reach:
//
//   JOB.start   written by the test (renamed into place when complete): the
//               station's options, one a line. The broker starts
//               tarnik-station with them; its standard output goes to
//               JOB.out (the READY line), its errors to JOB.err.
//   JOB.stop    written by the test: the station is ended (SIGTERM, then
//               SIGKILL after 5 s).
//   JOB.done    written by the broker when the station has ended, by
//               itself or on request: its exit code.
//
// The broker runs until it receives SIGTERM or SIGINT, or DIR/quit appears,
// and then ends the stations still running.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSaveFile>
#include <QTimer>
#include <csignal>
#include <cstdio>
#include <map>
#include <memory>

namespace {

constexpr int PollMs = 5;
constexpr int StopWaitMs = 5000;

volatile std::sig_atomic_t stopRequested = 0;

void OnSignal(int) { stopRequested = 1; }

class Broker {
public:
    Broker(const QString& dir, const QString& station)
        : dir(dir), station(station)
    {
    }

    // One look at the folder: new jobs started, requested stops done,
    // stations that ended reported.
    void Poll()
    {
        const QStringList starts = dir.entryList({QStringLiteral("*.start")}, QDir::Files, QDir::Name);
        for (const QString& name : starts)
            Start(QFileInfo(name).completeBaseName());
        for (auto it = jobs.begin(); it != jobs.end();) {
            QProcess& p = *it->second;
            if (p.state() != QProcess::NotRunning && QFile::exists(Path(it->first, "stop")))
                Stop(p);
            if (p.state() == QProcess::NotRunning) {
                Finish(it->first, p);
                it = jobs.erase(it);
            } else {
                ++it;
            }
        }
    }

    void StopAll()
    {
        for (auto& [job, p] : jobs) {
            Stop(*p);
            Finish(job, *p);
        }
        jobs.clear();
    }

private:
    QString Path(const QString& job, const char* ext) const
    {
        return dir.filePath(job + QLatin1Char('.') + QLatin1String(ext));
    }

    void Start(const QString& job)
    {
        QFile request(Path(job, "start"));
        if (!request.open(QIODevice::ReadOnly))
            return;
        const QStringList args = QString::fromUtf8(request.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        request.close();
        request.remove();
        auto p = std::make_unique<QProcess>();
        p->setStandardOutputFile(Path(job, "out"));
        p->setStandardErrorFile(Path(job, "err"));
        p->start(station, args);
        if (!p->waitForStarted(StopWaitMs)) {
            Write(Path(job, "done"), "not started\n");
            return;
        }
        jobs[job] = std::move(p);
    }

    static void Stop(QProcess& p)
    {
        p.terminate();
        if (!p.waitForFinished(StopWaitMs)) {
            p.kill();
            p.waitForFinished(StopWaitMs);
        }
    }

    void Finish(const QString& job, QProcess& p)
    {
        QFile::remove(Path(job, "stop"));
        const int code = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : 128 + SIGKILL;
        Write(Path(job, "done"), QByteArray::number(code) + '\n');
    }

    static void Write(const QString& path, const QByteArray& bytes)
    {
        QSaveFile f(path);
        if (f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size())
            f.commit();
    }

    QDir dir;
    QString station;
    std::map<QString, std::unique_ptr<QProcess>> jobs;
};

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: tarnik-station-broker DIR\n");
        return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(dir)) {
        std::fprintf(stderr, "tarnik-station-broker: cannot create %s\n", argv[1]);
        return 1;
    }
    std::signal(SIGTERM, OnSignal);
    std::signal(SIGINT, OnSignal);
    Broker broker(dir, QCoreApplication::applicationDirPath() + QStringLiteral("/tarnik-station"));
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        if (stopRequested || QFile::exists(QDir(dir).filePath(QStringLiteral("quit")))) {
            broker.StopAll();
            app.quit();
            return;
        }
        broker.Poll();
    });
    timer.start(PollMs);
    return app.exec();
}
