#pragma once
#include <cstdint>
#include <termios.h>

// Time on the serial line: a monotonic clock in nanoseconds, the cost of one
// byte at a baud rate, sleeping to absolute deadlines, and the conversion
// between baud rates and the terminal's speed constants.
namespace station {

using Nanos = int64_t;

constexpr Nanos NanosPerMs = 1000000;
constexpr Nanos NanosPerSecond = 1000000000;

// A byte on the line is a start bit, 8 data bits and a stop bit.
constexpr int BitsPerByte = 10;

Nanos MonotonicNow();

// Line time of one byte at the given rate (e.g. 1/960 s at 9600 baud).
Nanos ByteTime(int baud);

// Sleeps until the absolute monotonic deadline. Returns false when a signal
// cut the sleep short, so the caller can look at its stop flag.
bool SleepUntil(Nanos deadline);

// Terminal speed constant for a baud rate; false for a rate the terminal
// interface has no constant for.
bool SpeedForBaud(int baud, speed_t& speed);

// Baud rate of a terminal speed constant, 0 when it is not a known one.
int BaudForSpeed(speed_t speed);

} // namespace station
