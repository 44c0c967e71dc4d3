#pragma once
#include <functional>

struct serial_struct;

// Low-latency mode of a serial device for as long as the port is open.
// A USB adapter otherwise hands received bytes to the computer only when
// its latency timer runs out (16 ms on an FTDI), which costs every echoed
// byte of a write that much; in low-latency mode the driver sets the timer
// to 1 ms. Devices without the serial settings (pseudo-terminals) simply
// stay as they are.
class TLowLatency {
public:
    // The serial-settings ioctl (TIOCGSERIAL or TIOCSSERIAL on a
    // serial_struct); returns 0 on success like ioctl().
    using Ioctl = std::function<int(int fd, unsigned long request, serial_struct* info)>;

    TLowLatency() = default;
    ~TLowLatency() { Leave(); }
    TLowLatency(const TLowLatency&) = delete;
    TLowLatency& operator=(const TLowLatency&) = delete;

    // Switches the mode on for the open descriptor; true when the device
    // took it. The flags found are kept for Leave.
    bool Enter(int fd);
    // Puts back the flags Enter found, if it changed them. Must come while
    // the descriptor is still open.
    void Leave();

    // Replaces the system call, so a test can watch what is asked of the
    // device; an empty function restores the system's.
    static void SetIoctl(Ioctl call);

private:
    int fd = -1;
    int savedFlags = 0;
};
