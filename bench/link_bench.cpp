// tarnik-link-bench: reads and writes a full image against the simulated
// station at 4800, 9600 and 19200 baud and prints, for each rate, the
// measured time divided by the line-time minimum, and the longest gap
// between two rounds of window-message processing during the transfer.
// The progress bar is on screen, so its repaints are part of the cost.
//
// Then the safe write at each rate, (a) with no change, (b) with one
// channel changed and (c) with every channel changed, each timed against
// the line-time minimum of the full write at that rate; the aims are
// (b) <= 0.40 and (c) <= 1.40 of it, the backup read and the verify
// included.
//
// Last, it writes the full image at 4800 baud through a simulated USB
// adapter whose latency timer is 16 ms (an FTDI's default) and 1 ms (what
// the low-latency mode sets), and prints both times and their ratio.
//
//   tarnik-link-bench [BAUD...]     (default: 4800 9600 19200)
#include "link/ImageCodec.h"
#include "link/ProgressBarSink.h"
#include "link/SafeWrite.h"
#include "link/SerialLine.h"
#include "link/StationLink.h"
#include "link/StationRecord.h"
#include "tests/support/StationTestSupport.h"
#include "widgets/Frprogress.h"
#include <QApplication>
#include <QElapsedTimer>
#include <QMap>
#include <QTemporaryDir>
#include <cstdio>
#include <functional>

namespace {

constexpr int Com = 1;
constexpr int BitsPerByte = 10;
// Identify (request and answer), then the read request and the image.
constexpr int ReadBytes = 3 + 1 + 3 + StationImageSize;
// Identify, one 5-byte request and 1-byte echo per image byte, finish.
constexpr int WriteBytes = 3 + 1 + StationImageSize * 6 + 3;

// Watches the gaps between message-processing rounds.
struct GapWatch {
    QElapsedTimer clock;
    qint64 last = -1;
    qint64 longest = 0;
    int rounds = 0;

    void Reset()
    {
        clock.start();
        last = -1;
        longest = 0;
        rounds = 0;
    }
    void Round()
    {
        const qint64 now = clock.nsecsElapsed();
        if (last >= 0)
            longest = std::max(longest, now - last);
        last = now;
        ++rounds;
        QApplication::processEvents();
    }
};

struct Result {
    bool ok = false;
    double seconds = 0;
    double minimum = 0;
    double gapMs = 0;
    int rounds = 0;
};

Result Measure(const std::function<bool()>& operation, GapWatch& watch, double minimum)
{
    Result r;
    watch.Reset();
    QElapsedTimer t;
    t.start();
    r.ok = operation();
    r.seconds = t.nsecsElapsed() / 1e9;
    r.minimum = minimum;
    r.gapMs = watch.longest / 1e6;
    r.rounds = watch.rounds;
    return r;
}

void Print(const char* what, int baud, const Result& r)
{
    std::printf("%-5s %5d baud  %s  %7.3f s  minimum %7.3f s  ratio %.4f  longest gap %6.2f ms (%d rounds)\n",
                what, baud, r.ok ? "ok    " : "FAILED", r.seconds, r.minimum, r.seconds / r.minimum, r.gapMs,
                r.rounds);
}

TTarnikPlus BenchRecord()
{
    TTarnikPlus r;
    r.channels.resize(100);
    for (int i = 0; i < 100; ++i) {
        r.channels[i].enable = i % 2 == 0;
        r.channels[i].TX = 33000 + 25 * i;
        r.channels[i].RX = 40000 + 25 * i;
        r.channels[i].CTCSSTX = i % 51;
        r.channels[i].CTCSSRX = (i * 3) % 51;
    }
    r.lastChannel = 98;
    r.range = 1;
    r.pwmPower = 123;
    r.timeoutTime = 300;
    return r;
}

double WriteMinimum(int baud)
{
    return double(WriteBytes) * BitsPerByte / baud + TStationLink::FinishPauseMs / 1000.0;
}

// The simulated station as COM1 and the program's link to it.
struct StationBench {
    TestPorts ports;
    SimStation station;
    TSerialLine line;
    GapWatch watch;
    TConnectionChoice choice;
    TStationLink link;

    explicit StationBench(int baud)
        : choice{QStringLiteral("COM%1").arg(Com), QString::number(baud)}
        , link(line, [this] { return choice; }, [](int, const QString&) {})
    {
        line.SetMessageHook([this] { watch.Round(); });
    }
    // The station keeps its byte times exactly, so that what is measured
    // is the program's own overhead.
    bool Start(const QStringList& extra = {})
    {
        if (station.Start(choice.speedText.toInt(), QStringList{QStringLiteral("--exact-pace")} + extra, &ports, Com))
            return true;
        std::fprintf(stderr, "the simulated station did not start: %s\n", qPrintable(station.ErrorText()));
        return false;
    }
};

// The line-time floor of a safe write that writes the given number of
// bytes: the identified read; when something is written, the writes, the
// finish with its pause and the verify's identified read.
double SafeWriteFloor(int baud, int written)
{
    if (written == 0)
        return double(ReadBytes) * BitsPerByte / baud;
    const int bytes = 2 * ReadBytes + written * 6 + 3;
    return double(bytes) * BitsPerByte / baud + TStationLink::FinishPauseMs / 1000.0;
}

// The three safe writes at one rate against a station with the factory
// image; fullWrite is the full write measured at that rate in this run.
// Returns whether each ended as it should and within its aim, where the
// aim lies above the line-time floor at all.
bool BenchSafeWrite(int baud, double fullWrite, TTransferProgress& progress)
{
    StationBench bench(baud);
    if (!bench.Start())
        return false;
    QTemporaryDir backups;
    TSafeWrite write(bench.line, [&] { return bench.choice; }, [](int, const QString&) {});
    write.SetBackupFolder(backups.path());
    const QByteArray factory = bench.station.Image();   // written when the station started
    TTarnikPlus record;
    DecodeImage(factory, record);

    struct Case {
        const char* name;
        TSafeWriteResult::Outcome outcome;
        double aim;   // of the full write's minimum; 0: none
        std::function<void(TTarnikPlus&)> change;
    };
    const Case cases[] = {
        {"(a) no change", TSafeWriteResult::Outcome::AlreadyHeld, 0, [](TTarnikPlus&) {}},
        {"(b) one channel", TSafeWriteResult::Outcome::Written, 0.40,
         [](TTarnikPlus& r) { r.channels[0].RX += 25; }},
        {"(c) every channel", TSafeWriteResult::Outcome::Written, 1.40,
         [](TTarnikPlus& r) {
             for (int i = 0; i < 100; ++i) {
                 r.channels[i] = {true, 40000 + 25 * i, 36000 + 25 * i, i % 51, (i * 7) % 51};
             }
             r.lastChannel = 99;
         }},
    };
    bool ok = true;
    for (const Case& c : cases) {
        c.change(record);
        TSafeWriteResult result;
        const Result r = Measure(
            [&] {
                result = write.Run(TSafeWrite::FromRecord(record), &progress);
                return result.outcome == c.outcome;
            },
            bench.watch, WriteMinimum(baud));
        const double ratio = r.seconds / r.minimum;
        const double floor = SafeWriteFloor(baud, result.bytesWritten) / r.minimum;
        // A case with no aim, or whose aim lies below the floor, cannot miss it.
        const bool reachable = c.aim > 0 && floor <= c.aim;
        const bool inAim = !reachable || ratio <= c.aim;
        QString verdict;
        if (c.aim > 0) {
            verdict = QStringLiteral(" (aim <= %1").arg(c.aim, 0, 'f', 2);
            if (!reachable)
                verdict += QStringLiteral(", out of reach: below the floor");
            else if (!inAim)
                verdict += QStringLiteral(", MISSED");
            verdict += QLatin1Char(')');
        }
        std::printf("safe  %5d baud  %-18s %s %4d bytes  %7.3f s  ratio %.3f of the full write's minimum %.3f s"
                    " (floor %.3f), %.3f of this run's full write%s\n",
                    baud, c.name, r.ok ? "ok    " : "FAILED", result.bytesWritten, r.seconds, ratio, r.minimum,
                    floor, r.seconds / fullWrite, qPrintable(verdict));
        ok = ok && r.ok && inAim;
    }
    return ok;
}

} // namespace

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM") && !qEnvironmentVariableIsSet("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    Tfr_progress bar;
    bar.resize(300, 30);
    bar.show();
    TProgressBarSink progress(&bar);

    bool allOk = true;
    QMap<int, double> fullWrites;   // seconds per rate
    double worstRatio = 0;
    double worstGap = 0;
    // The rates to measure: the arguments, or all three.
    QList<int> rates;
    for (int i = 1; i < argc; ++i)
        rates << QString::fromLocal8Bit(argv[i]).toInt();
    if (rates.isEmpty())
        rates = {4800, 9600, 19200};
    for (int baud : rates) {
        StationBench bench(baud);
        if (!bench.Start())
            return 1;
        TTarnikPlus record;
        const Result read = Measure([&] { return bench.link.ReadStation(&progress, record); }, bench.watch,
                                    double(ReadBytes) * BitsPerByte / baud);
        Print("read", baud, read);

        const TTarnikPlus written = BenchRecord();
        const Result write = Measure([&] { return bench.link.WriteStation(&progress, written); }, bench.watch,
                                     WriteMinimum(baud));
        Print("write", baud, write);
        fullWrites[baud] = write.seconds;
        QByteArray expected;
        EncodeImage(written, expected);
        bench.station.Stop();
        const bool stored = bench.station.Image() == expected;
        if (!stored)
            std::printf("      the station's memory does not hold the written image\n");

        allOk = allOk && read.ok && write.ok && stored;
        for (const Result* r : {&read, &write}) {
            worstRatio = std::max(worstRatio, r->seconds / r->minimum);
            worstGap = std::max(worstGap, r->gapMs);
        }
    }
    std::printf("worst ratio %.4f (aim <= 1.05), longest gap %.2f ms (aim <= 50 ms)\n", worstRatio, worstGap);

    for (int baud : rates)
        allOk = BenchSafeWrite(baud, fullWrites[baud], progress) && allOk;

    // The latency timer of a USB adapter holds every echo back to its next tick.
    constexpr int LatencyBaud = 4800;
    double latencySeconds[2] = {0, 0};
    const int timers[2] = {16, 1};
    for (int i = 0; i < 2; ++i) {
        StationBench bench(LatencyBaud);
        if (!bench.Start({QStringLiteral("--latency"), QString::number(timers[i])}))
            return 1;
        const TTarnikPlus written = BenchRecord();
        const Result write = Measure([&] { return bench.link.WriteStation(&progress, written); }, bench.watch,
                                     WriteMinimum(LatencyBaud));
        std::printf("latency timer %2d ms: ", timers[i]);
        Print("write", LatencyBaud, write);
        latencySeconds[i] = write.seconds;
        allOk = allOk && write.ok;
    }
    std::printf("full write at %d baud: latency timer 16 ms %.3f s, 1 ms %.3f s, ratio %.3f\n", LatencyBaud,
                latencySeconds[0], latencySeconds[1], latencySeconds[0] / latencySeconds[1]);
    return allOk ? 0 : 1;
}
