// tarnik-fleet-bench: the fleet write of tarnik-cli. Writes a .vtr into a
// single simulated station, then another into eight at once (one thread
// and one port each), every station paced at the line rate, and prints the
// wall time of the fleet divided by the time of the single station; once
// with the safe write (backup read, changed bytes, verify) and once with
// --full (backup read, all 1024 bytes, verify). Ideally the stations
// overlap completely and the ratio is 1.
//
//   tarnik-fleet-bench [BAUD] [STATIONS]     (default: 4800 8)
#include "tests/support/StationTestSupport.h"
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
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

// A programmer file of the image with one setting byte changed.
bool MakeVtr(const QByteArray& image, int offset, char value, const QString& vtr)
{
    QByteArray changed = image;
    changed[offset] = value;
    QFile f(vtr + QStringLiteral(".bin"));
    if (!f.open(QIODevice::WriteOnly) || f.write(changed) != changed.size())
        return false;
    f.close();
    return TimedRun({"decode", f.fileName(), "-o", vtr}) >= 0;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int baud = args.size() > 1 ? args[1].toInt() : 4800;
    const int count = args.size() > 2 ? args[2].toInt() : 8;
    const QString rate = QString::number(baud);
    QTemporaryDir dir;
    // Backups of the safe write go here, not into the user's folder.
    qputenv("XDG_DATA_HOME", dir.path().toLocal8Bit());

    TestPorts ports;
    std::vector<std::unique_ptr<SimStation>> stations;
    for (int i = 0; i < count; ++i) {
        stations.push_back(std::make_unique<SimStation>());
        if (!stations.back()->Start(baud, {}, &ports, i + 1)) {
            std::fprintf(stderr, "station %d did not start\n", i + 1);
            return 1;
        }
    }
    const QString factory = dir.filePath(QStringLiteral("factory.bin"));
    if (TimedRun({"read", "--port", "COM1", "--baud", rate, "-o", factory}) < 0)
        return 1;
    QFile f(factory);
    if (!f.open(QIODevice::ReadOnly))
        return 1;
    const QByteArray image = f.readAll();
    // Volume and squelch positions the catalogue holds.
    const QString a = dir.filePath(QStringLiteral("a.vtr")), b = dir.filePath(QStringLiteral("b.vtr"));
    const QString c = dir.filePath(QStringLiteral("c.vtr")), d = dir.filePath(QStringLiteral("d.vtr"));
    if (!MakeVtr(image, 501, 1, a) || !MakeVtr(image, 502, 1, b) || !MakeVtr(image, 501, 2, c)
        || !MakeVtr(image, 502, 2, d))
        return 1;

    const QString all = QStringLiteral("COM1-COM%1").arg(count);
    struct Mode {
        const char* name;
        QStringList extra;
        QString one, fleet;
    } modes[] = {{"safe write", {}, a, b}, {"--full", {"--full"}, c, d}};
    std::printf("fleet write of one .vtr at %d baud into %d stations\n", baud, count);
    for (const Mode& m : modes) {
        const double one = TimedRun(QStringList{"write", "--port", "COM1", "--baud", rate} + m.extra + QStringList{m.one});
        const double fleet = TimedRun(QStringList{"write", "--ports", all, "--baud", rate} + m.extra + QStringList{m.fleet});
        if (one < 0 || fleet < 0)
            return 1;
        std::printf("  %-10s  one station %6.2f s, %d stations %6.2f s, ratio %.3f\n", m.name, one, count, fleet,
                    fleet / one);
    }
    return 0;
}
