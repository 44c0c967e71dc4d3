// tarnik-fleet-bench: the fleet write of tarnik-cli. Writes one .vtr into a
// single simulated station, then into eight at once (one thread and one
// port each), every station paced at the line rate, and prints the wall
// time of the fleet divided by the time of the single station. Ideally the
// stations overlap completely and the ratio is 1.
//
//   tarnik-fleet-bench [BAUD] [STATIONS]     (default: 4800 8)
#include "tests/support/StationTestSupport.h"
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

const QString Cli = QStringLiteral(TARNIK_BIN_DIR "/tarnik-cli");

// Runs tarnik-cli and gives its wall time in seconds, or -1 on failure.
double TimedRun(const QStringList& args)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer t;
    t.start();
    p.start(Cli, args);
    if (!p.waitForFinished(30 * 60 * 1000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        std::fprintf(stderr, "tarnik-cli %s failed: %s\n", qPrintable(args.join(' ')), p.readAllStandardOutput().constData());
        return -1;
    }
    return static_cast<double>(t.elapsed()) / 1000.0;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int baud = args.size() > 1 ? args[1].toInt() : 4800;
    const int count = args.size() > 2 ? args[2].toInt() : 8;
    const QString rate = QString::number(baud);

    TestPorts ports;
    std::vector<std::unique_ptr<SimStation>> stations;
    for (int i = 0; i < count; ++i) {
        stations.push_back(std::make_unique<SimStation>());
        if (!stations.back()->Start(baud, {}, &ports, i + 1)) {
            std::fprintf(stderr, "station %d did not start\n", i + 1);
            return 1;
        }
    }
    QTemporaryDir dir;
    const QString vtr = dir.filePath(QStringLiteral("fleet.vtr"));
    if (TimedRun({"read", "--port", "COM1", "--baud", rate, "-o", vtr}) < 0)
        return 1;

    const double one = TimedRun({"write", "--port", "COM1", "--baud", rate, vtr});
    const double fleet = TimedRun({"write", "--ports", QStringLiteral("COM1-COM%1").arg(count), "--baud", rate, vtr});
    if (one < 0 || fleet < 0)
        return 1;
    std::printf("fleet write of one .vtr at %d baud, write and verify\n", baud);
    std::printf("  one station:   %6.2f s\n", one);
    std::printf("  %d stations:    %6.2f s\n", count, fleet);
    std::printf("  ratio fleet / one: %.3f\n", fleet / one);
    return 0;
}
