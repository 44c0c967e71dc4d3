#include "link/LowLatency.h"
#include <QtGlobal>

#ifdef Q_OS_LINUX
#include <linux/serial.h>
#include <sys/ioctl.h>
#endif

namespace {

TLowLatency::Ioctl& Override()
{
    static TLowLatency::Ioctl call;
    return call;
}

#ifdef Q_OS_LINUX
int Call(int fd, unsigned long request, serial_struct* info)
{
    if (Override())
        return Override()(fd, request, info);
    return ::ioctl(fd, request, info);
}
#endif

} // namespace

void TLowLatency::SetIoctl(Ioctl call)
{
    Override() = std::move(call);
}

bool TLowLatency::Enter(int descriptor)
{
    Leave();
#ifdef Q_OS_LINUX
    serial_struct info{};
    if (descriptor < 0 || Call(descriptor, TIOCGSERIAL, &info) != 0)
        return false;
    if (info.flags & ASYNC_LOW_LATENCY)
        return true;   // already on: nothing to put back later
    const int found = info.flags;
    info.flags |= ASYNC_LOW_LATENCY;
    if (Call(descriptor, TIOCSSERIAL, &info) != 0)
        return false;
    fd = descriptor;
    savedFlags = found;
    return true;
#else
    Q_UNUSED(descriptor);
    return false;
#endif
}

void TLowLatency::Leave()
{
    if (fd < 0)
        return;
#ifdef Q_OS_LINUX
    // Only the flags go back; whatever else changed meanwhile stays.
    serial_struct info{};
    if (Call(fd, TIOCGSERIAL, &info) == 0) {
        info.flags = savedFlags;
        Call(fd, TIOCSSERIAL, &info);
    }
#endif
    fd = -1;
}
