// tarnik-soak-bench: consecutive safe writes (read, backup, changed bytes,
// verify) and reads through the link core against the simulated station,
// each read checked against what was written, with the resident memory and the open file
// descriptors printed after the first round and at the end.
//
//   tarnik-soak-bench [ROUNDS [BAUD]]     (default: 200 rounds at 19200 baud)
//
// Aim: resident memory grows by less than 2 MB, descriptors not at all.
#include "link/ImageCodec.h"
#include "link/SafeWrite.h"
#include "link/SerialLine.h"
#include "link/StationLink.h"
#include "link/StationRecord.h"
#include "tests/support/StationTestSupport.h"
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>

namespace {

constexpr int Com = 1;

long ResidentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

int OpenDescriptors()
{
    return int(QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).size());
}

// A different record each round, so that every write changes the station.
TTarnikPlus RoundRecord(int round)
{
    TTarnikPlus r;
    r.channels.resize(100);
    for (int i = 0; i < 100; ++i) {
        r.channels[i].enable = (i + round) % 3 != 0;
        r.channels[i].TX = 33000 + 25 * ((i + round) % 1000);
        r.channels[i].RX = 40000 + 25 * ((i * 7 + round) % 600);
        r.channels[i].CTCSSTX = (i + round) % 51;
        r.channels[i].CTCSSRX = (i * 3 + round) % 51;
    }
    r.lastChannel = 99;
    r.range = 1 + round % 3;
    r.pwmPower = quint8(round);
    r.timeoutTime = quint16(round * 7);
    return r;
}

void PrintUsage(const char* when, long kb, int fds)
{
    std::printf("%-14s resident %7ld KB  open descriptors %3d\n", when, kb, fds);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 200;
    const int baud = argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt() : 19200;
    PrintUsage("before", ResidentKb(), OpenDescriptors());

    TestPorts ports;
    SimStation station;
    if (!station.Start(baud, {}, &ports, Com)) {
        std::fprintf(stderr, "the simulated station did not start: %s\n", qPrintable(station.ErrorText()));
        return 1;
    }
    TSerialLine line;
    const TConnectionChoice choice{QStringLiteral("COM%1").arg(Com), QString::number(baud)};
    int journalErrors = 0;
    const auto journal = [&](int icon, const QString&) { journalErrors += icon == 6; };
    TStationLink link(line, [&] { return choice; }, journal);
    TSafeWrite safeWrite(line, [&] { return choice; }, journal);
    QTemporaryDir backups;
    safeWrite.SetBackupFolder(backups.path());

    long startKb = 0;
    int startFds = 0;
    int failed = 0;
    QElapsedTimer clock;
    clock.start();
    for (int round = 0; round < rounds; ++round) {
        const TTarnikPlus written = RoundRecord(round);
        TTarnikPlus read;
        QByteArray expected, got;
        const bool ok = safeWrite.Run(TSafeWrite::FromRecord(written), nullptr).Succeeded()
            && link.ReadStation(nullptr, read);
        EncodeImage(written, expected);
        EncodeImage(read, got);
        if (!ok || got != expected) {
            ++failed;
            std::printf("round %d: %s\n", round + 1, ok ? "read back differs" : "transfer failed");
        }
        if (round == 0) {
            startKb = ResidentKb();
            startFds = OpenDescriptors();
            PrintUsage("after round 1", startKb, startFds);
        }
        if ((round + 1) % 20 == 0) {
            std::printf("round %3d  %6.1f s  resident %ld KB  descriptors %d\n", round + 1, clock.elapsed() / 1000.0,
                        ResidentKb(), OpenDescriptors());
            std::fflush(stdout);
        }
    }
    const long endKb = ResidentKb();
    const int endFds = OpenDescriptors();
    PrintUsage("at the end", endKb, endFds);
    station.Stop();
    std::printf("%d rounds of safe write and read at %d baud in %.1f s, %d failed, %d journal errors\n", rounds, baud,
                clock.elapsed() / 1000.0, failed, journalErrors);
    std::printf("resident growth %+ld KB (aim < 2048 KB), descriptor growth %+d (aim 0)\n", endKb - startKb,
                endFds - startFds);
    return failed == 0 && endKb - startKb < 2048 && endFds == startFds ? 0 : 1;
}
