#include "tools/station/SerialLine.h"
#include "tools/station/LineTiming.h"
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace station {

namespace {

std::string SystemError(const std::string& what)
{
    return what + ": " + std::strerror(errno);
}

bool MakeRaw(int fd, int baud, std::string& error)
{
    speed_t speed;
    if (!SpeedForBaud(baud, speed)) {
        error = "unsupported baud rate " + std::to_string(baud);
        return false;
    }
    termios t;
    if (tcgetattr(fd, &t) != 0) {
        error = SystemError("cannot read the line settings");
        return false;
    }
    cfmakeraw(&t);
    t.c_cflag &= ~(CSTOPB | PARENB | CRTSCTS);
    t.c_cflag |= CS8 | CLOCAL | CREAD;
    t.c_cc[VMIN] = 0;
    t.c_cc[VTIME] = 0;
    cfsetispeed(&t, speed);
    cfsetospeed(&t, speed);
    if (tcsetattr(fd, TCSANOW, &t) != 0) {
        error = SystemError("cannot set the line settings");
        return false;
    }
    return true;
}

bool SetNonBlocking(int fd, std::string& error)
{
    const int flags = fcntl(fd, F_GETFL);
    if (flags < 0 || fcntl(fd, F_SETFL, flags | O_NONBLOCK) != 0) {
        error = SystemError("cannot make the line non-blocking");
        return false;
    }
    return true;
}

} // namespace

bool SerialLine::OpenPty(int baud, std::string& error)
{
    Close();
    fd = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        error = SystemError("cannot create a pseudo-terminal");
        return false;
    }
    char name[256];
    if (grantpt(fd) != 0 || unlockpt(fd) != 0 || ptsname_r(fd, name, sizeof name) != 0) {
        error = SystemError("cannot set up the pseudo-terminal");
        Close();
        return false;
    }
    path = name;
    slaveFd = open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (slaveFd < 0) {
        error = SystemError("cannot open " + path);
        Close();
        return false;
    }
    if (!MakeRaw(slaveFd, baud, error) || !SetNonBlocking(fd, error)) {
        Close();
        return false;
    }
    return true;
}

bool SerialLine::OpenDevice(const std::string& device, int baud, std::string& error)
{
    Close();
    fd = open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        error = SystemError("cannot open " + device);
        return false;
    }
    path = device;
    if (!MakeRaw(fd, baud, error)) {
        Close();
        return false;
    }
    tcflush(fd, TCIOFLUSH);
    return true;
}

void SerialLine::Drain(int64_t maxWaitNs)
{
    if (fd < 0)
        return;
    if (!IsPty()) {
        tcdrain(fd);
        return;
    }
    // The pty moves written bytes to the slave's queue a moment later (on a
    // busy machine, many milliseconds later), so an empty queue counts only
    // once the bytes have shown there, or after a while in which the reader
    // may have taken them at once.
    constexpr Nanos Settle = 200 * NanosPerMs;
    constexpr Nanos Poll = 5 * NanosPerMs;
    const Nanos start = MonotonicNow();
    int queued = 0;
    while (ioctl(slaveFd, FIONREAD, &queued) == 0 && queued == 0 && MonotonicNow() - start < Settle)
        SleepUntil(MonotonicNow() + Poll);
    while (ioctl(slaveFd, FIONREAD, &queued) == 0 && queued > 0 && MonotonicNow() - start < maxWaitNs)
        SleepUntil(MonotonicNow() + Poll);
}

void SerialLine::Close()
{
    if (fd >= 0)
        close(fd);
    if (slaveFd >= 0)
        close(slaveFd);
    fd = -1;
    slaveFd = -1;
}

int SerialLine::CurrentBaud() const
{
    termios t;
    if (fd < 0 || tcgetattr(fd, &t) != 0)
        return 0;
    const int out = BaudForSpeed(cfgetospeed(&t));
    const speed_t in = cfgetispeed(&t);
    // An input speed of 0 means "the same as the output speed".
    return (in == B0 || BaudForSpeed(in) == out) ? out : 0;
}

SerialLine::ReadStatus SerialLine::Read(std::vector<uint8_t>& bytes, std::string& error)
{
    ReadStatus status = ReadStatus::Nothing;
    uint8_t buffer[4096];
    for (;;) {
        const ssize_t n = read(fd, buffer, sizeof buffer);
        if (n > 0) {
            bytes.insert(bytes.end(), buffer, buffer + n);
            status = ReadStatus::Data;
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n == 0 || errno == EAGAIN || errno == EWOULDBLOCK)
            return status;
        // A pty master reports EIO while no slave descriptor is open; with
        // our own hold on the slave that does not happen, but it is no
        // reason to stop either.
        if (IsPty() && errno == EIO)
            return status;
        error = SystemError("cannot read from " + path);
        return ReadStatus::Failed;
    }
}

void SerialLine::Write(uint8_t byte)
{
    ssize_t n;
    do {
        n = write(fd, &byte, 1);
    } while (n < 0 && errno == EINTR);
}

} // namespace station
