#include "tools/station/StationLoop.h"
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <poll.h>
#include <unistd.h>

namespace station {

namespace {
// Closer to a deadline than this, the loop stops watching the line and
// sleeps to the deadline itself, which keeps the byte pace; with the exact
// pace it spins through the last stretch.
constexpr Nanos FinalApproach = 2 * NanosPerMs;
constexpr Nanos SpinApproach = 300 * NanosPerMs / 1000;
// A hang-up or error on the line without data: wait a little instead of
// spinning on it.
constexpr Nanos IdleOnHangup = 10 * NanosPerMs;
} // namespace

StationLoop::StationLoop(SerialLine& line, StationEngine& engine, RequestLog& log,
                         LoopSettings settings, std::function<void()> onFinish)
    : line(line)
    , engine(engine)
    , log(log)
    , settings(settings)
    , onFinish(std::move(onFinish))
    , byteTime(ByteTime(settings.baud))
{
}

StationLoop::Outcome StationLoop::Run(const volatile std::sig_atomic_t& stopRequested, int wakeFd,
                                      std::string& error)
{
    for (;;) {
        if (stopRequested)
            return Outcome::Stopped;
        const Nanos now = MonotonicNow();
        Deliver(now);
        Transmit(now);
        if (VanishDue() && outgoing.empty())
            return Outcome::Vanished;
        if (!Wait(NextDeadline(), wakeFd, error))
            return Outcome::Failed;
    }
}

void StationLoop::SendStaleTail()
{
    if (settings.staleBytes > 0 && !VanishDue())
        Schedule(engine.StaleTail(settings.staleBytes), MonotonicNow());
}

bool StationLoop::Receive(std::string& error)
{
    std::vector<uint8_t> bytes;
    if (line.Read(bytes, error) == SerialLine::ReadStatus::Failed)
        return false;
    if (bytes.empty())
        return true;
    const Nanos now = MonotonicNow();
    // The programmer's rate is looked at as its bytes come in: it sets the
    // rate when it opens its end, before it sends anything. Bytes sent at
    // another rate arrive as garbage.
    const bool garbled = line.CurrentBaud() != settings.baud;
    for (uint8_t b : bytes) {
        Nanos at = now;
        if (line.IsPty()) {
            // A pty passes bytes on at once: their line time starts now.
            inputClock = std::max(inputClock, now) + byteTime;
            at = inputClock;
        }
        // A real device hands a byte over only after its line time.
        incoming.push_back({b, at, garbled});
    }
    return true;
}

void StationLoop::Deliver(Nanos now)
{
    std::vector<ParsedItem> items;
    while (!incoming.empty() && incoming.front().at <= now) {
        const TimedByte b = incoming.front();
        incoming.pop_front();
        if (VanishDue())
            continue;   // the station is going; nothing more is taken in
        lastArrival = b.at;
        if (b.garbled)
            parser.FeedGarbled(b.byte);
        else
            parser.Feed(b.byte, items);
        for (const ParsedItem& item : items)
            Handle(item, b.at);
        items.clear();
    }
    if (!incoming.empty() || VanishDue())
        return;
    // The line is quiet: report skipped bytes, and give up on a request
    // whose remaining bytes have not come.
    if (parser.HasPartial() && now >= lastArrival + settings.stallTimeout)
        parser.Abandon();
    parser.FlushGarbage(items);
    for (const ParsedItem& item : items)
        Handle(item, now);
}

void StationLoop::Handle(const ParsedItem& item, Nanos at)
{
    if (!item.isRequest) {
        log.Garbage(item.garbage);
        return;
    }
    log.Request(item.request.bytes);
    ++requests;
    const Answer answer = engine.Handle(item.request);
    if (answer.finished && onFinish)
        onFinish();
    Schedule(answer, at);
}

void StationLoop::Schedule(const Answer& answer, Nanos at)
{
    if (answer.bytes.empty())
        return;
    // The station deals with one request at a time: it starts on this one
    // when the previous answer is out.
    Nanos t = std::max(at, outputFreeAt) + answer.delayBefore;
    for (uint8_t b : answer.bytes) {
        t += answer.delayPerByte + byteTime;
        // t is when the byte has crossed the line. A pty delivers at once,
        // so the byte is handed over then; a device needs its line time.
        outgoing.push_back({b, LatencyTick(line.IsPty() ? t : t - byteTime), false});
    }
    outputFreeAt = t;
}

Nanos StationLoop::LatencyTick(Nanos due) const
{
    // A USB adapter passes what it received on to the computer only when
    // its latency timer runs out: at the next tick of the timer.
    const Nanos l = settings.latency;
    return l > 0 ? (due + l - 1) / l * l : due;
}

void StationLoop::Transmit(Nanos now)
{
    while (!outgoing.empty() && outgoing.front().at <= now) {
        line.Write(outgoing.front().byte);
        outgoing.pop_front();
    }
}

bool StationLoop::VanishDue() const
{
    return settings.vanishAfter && requests >= *settings.vanishAfter;
}

Nanos StationLoop::NextDeadline() const
{
    Nanos next = -1;
    auto consider = [&next](Nanos t) {
        if (next < 0 || t < next)
            next = t;
    };
    if (!incoming.empty())
        consider(incoming.front().at);
    if (!outgoing.empty())
        consider(outgoing.front().at);
    if (incoming.empty() && parser.HasPartial() && !VanishDue())
        consider(lastArrival + settings.stallTimeout);
    return next;
}

bool StationLoop::Wait(Nanos deadline, int wakeFd, std::string& error)
{
    const Nanos now = MonotonicNow();
    if (deadline >= 0 && deadline - now <= FinalApproach) {
        // A timed sleep wakes up late by a good part of a millisecond on a
        // loaded machine. The exact pace spins the last stretch so that
        // answers leave on time; otherwise the lateness is not carried on,
        // as every deadline is counted from the line's own clock.
        if (!settings.exactPace) {
            SleepUntil(deadline);
            return true;
        }
        if (deadline - now > SpinApproach)
            SleepUntil(deadline - SpinApproach);
        while (MonotonicNow() < deadline) {
        }
        return true;
    }
    timespec timeout;
    timespec* timeoutPtr = nullptr;
    if (deadline >= 0) {
        const Nanos wait = deadline - now - FinalApproach / 2;
        timeout.tv_sec = static_cast<time_t>(wait / NanosPerSecond);
        timeout.tv_nsec = static_cast<long>(wait % NanosPerSecond);
        timeoutPtr = &timeout;
    }
    pollfd fds[3] = {{line.Fd(), POLLIN, 0}, {wakeFd, POLLIN, 0}, {settings.openWatchFd, POLLIN, 0}};
    const int n = ppoll(fds, settings.openWatchFd >= 0 ? 3 : 2, timeoutPtr, nullptr);
    if (n < 0) {
        if (errno == EINTR)
            return true;
        error = std::string("cannot wait for the line: ") + std::strerror(errno);
        return false;
    }
    if (fds[1].revents & POLLIN) {
        char drain[64];
        while (read(wakeFd, drain, sizeof drain) > 0) {
        }
    }
    if ((fds[2].revents & POLLIN) && settings.opened && settings.opened())
        SendStaleTail();
    if (fds[0].revents & POLLIN)
        return Receive(error);
    if (fds[0].revents & (POLLHUP | POLLERR)) {
        if (!line.IsPty()) {
            error = "the serial device " + line.DevicePath() + " hung up";
            return false;
        }
        SleepUntil(MonotonicNow() + IdleOnHangup);
    }
    return true;
}

} // namespace station
