#include "tools/station/LineTiming.h"
#include <cerrno>
#include <ctime>

namespace station {

namespace {

struct RateEntry {
    int baud;
    speed_t speed;
};

constexpr RateEntry Rates[] = {
    {300, B300},       {600, B600},       {1200, B1200},     {1800, B1800},
    {2400, B2400},     {4800, B4800},     {9600, B9600},     {19200, B19200},
    {38400, B38400},   {57600, B57600},   {115200, B115200}, {230400, B230400},
    {460800, B460800}, {921600, B921600},
};

timespec ToTimespec(Nanos t)
{
    timespec ts;
    ts.tv_sec = static_cast<time_t>(t / NanosPerSecond);
    ts.tv_nsec = static_cast<long>(t % NanosPerSecond);
    return ts;
}

} // namespace

Nanos MonotonicNow()
{
    timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<Nanos>(ts.tv_sec) * NanosPerSecond + ts.tv_nsec;
}

Nanos ByteTime(int baud)
{
    return baud > 0 ? BitsPerByte * NanosPerSecond / baud : 0;
}

bool SleepUntil(Nanos deadline)
{
    const timespec ts = ToTimespec(deadline);
    const int rc = clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &ts, nullptr);
    return rc != EINTR;
}

bool SpeedForBaud(int baud, speed_t& speed)
{
    for (const RateEntry& r : Rates) {
        if (r.baud == baud) {
            speed = r.speed;
            return true;
        }
    }
    return false;
}

int BaudForSpeed(speed_t speed)
{
    for (const RateEntry& r : Rates) {
        if (r.speed == speed)
            return r.baud;
    }
    return 0;
}

} // namespace station
