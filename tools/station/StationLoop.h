#pragma once
#include "tools/station/LineTiming.h"
#include "tools/station/RequestLog.h"
#include "tools/station/RequestParser.h"
#include "tools/station/SerialLine.h"
#include "tools/station/StationEngine.h"
#include <csignal>
#include <deque>
#include <functional>
#include <optional>
#include <string>

// Runs the station on its line in real time. Every byte costs its line time
// at the station's rate: a request counts as received only once all its
// bytes would have crossed the line, and the answer goes out byte by byte at
// line pace, against absolute deadlines so that long answers do not drift.
namespace station {

struct LoopSettings {
    int baud = 9600;                    // the station's own line rate
    std::optional<int> vanishAfter;     // requests after which the line goes dead
    Nanos stallTimeout = 100 * NanosPerMs;   // a begun request left this long is dropped
    Nanos latency = 0;                  // answers leave only at multiples of this (0: at once)
    bool exactPace = false;             // spin to each deadline rather than sleep to it
    int staleBytes = 0;                 // image tail sent whenever the device is opened
    int openWatchFd = -1;               // readable when the device was opened (OpenWatch)
    std::function<bool()> opened;       // reads the open reports: true when there was one
};

class StationLoop {
public:
    StationLoop(SerialLine& line, StationEngine& engine, RequestLog& log, LoopSettings settings,
                std::function<void()> onFinish);

    enum class Outcome { Stopped, Vanished, Failed };

    // Runs until stopRequested is set (a byte on wakeFd interrupts the wait
    // for it), until the station vanishes, or until the line fails.
    Outcome Run(const volatile std::sig_atomic_t& stopRequested, int wakeFd, std::string& error);

private:
    struct TimedByte {
        uint8_t byte;
        Nanos at;         // arrival (incoming) or hand-over to the line (outgoing)
        bool garbled;     // incoming only: sent at a rate other than ours
    };

    bool Receive(std::string& error);
    // A program opened the device: a station still busy with an old image
    // answer goes on sending its tail.
    void SendStaleTail();
    void Deliver(Nanos now);
    void Handle(const ParsedItem& item, Nanos at);
    void Schedule(const Answer& answer, Nanos at);
    Nanos LatencyTick(Nanos due) const;
    void Transmit(Nanos now);
    bool VanishDue() const;
    Nanos NextDeadline() const;   // -1 when nothing is due
    bool Wait(Nanos deadline, int wakeFd, std::string& error);

    SerialLine& line;
    StationEngine& engine;
    RequestLog& log;
    LoopSettings settings;
    std::function<void()> onFinish;
    RequestParser parser;
    Nanos byteTime;

    std::deque<TimedByte> incoming;
    std::deque<TimedByte> outgoing;
    Nanos inputClock = 0;      // when the last received byte is through the line
    Nanos outputFreeAt = 0;    // when the last scheduled answer byte is through
    Nanos lastArrival = 0;
    int requests = 0;
};

} // namespace station
