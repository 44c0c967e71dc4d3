// The serial device on Linux: QSerialPort, with the checks the system
// allows for other programs on the line and low-latency mode on adapters.
#include "link/SerialDevice.h"
#include "link/LowLatency.h"
#include <QSerialPort>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

// Writes go out at once on an idle line; this only keeps a device that
// takes nothing (a wedged adapter) from holding the program for ever.
constexpr int WriteTimeoutMs = 5000;

// What a plain open of the device says, after the port itself could not be
// opened: tells a missing device, a refused one and a busy one apart.
TPortOpenResult PlainOpenResult(const QString& device)
{
    const int fd = ::open(device.toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd >= 0) {
        ::close(fd);
        return TPortOpenResult::Opened;
    }
    switch (errno) {
    case EACCES:
    case EPERM:
        return TPortOpenResult::NoPermission;
    case ENOENT:
    case ENODEV:
    case ENXIO:
    case ENOTDIR:
        return TPortOpenResult::Missing;
    case EBUSY:
        return TPortOpenResult::Busy;
    default:
        return TPortOpenResult::Failed;
    }
}

} // namespace

struct TSerialDevice::Impl {
    QSerialPort port;
    TPortOpenResult lastOpen = TPortOpenResult::Missing;
    QList<TPortHolder> lastHolders;
    TLowLatency lowLatency;

    TPortOpenResult OpenFailure(const QString& device)
    {
        const QSerialPort::SerialPortError error = port.error();
        if (error == QSerialPort::DeviceNotFoundError)
            return TPortOpenResult::Missing;
        const TPortOpenResult plain = PlainOpenResult(device);
        if (plain != TPortOpenResult::Opened)
            return plain;
        // The device itself opens: the port is locked by another program
        // (lock file or exclusive mode), or the device is no serial port.
        return error == QSerialPort::PermissionError ? TPortOpenResult::Busy : TPortOpenResult::Failed;
    }
};

TSerialDevice::TSerialDevice()
    : d(std::make_unique<Impl>())
{
}

TSerialDevice::~TSerialDevice()
{
    Close();
}

bool TSerialDevice::Open(const QString& device, int baud)
{
    Close();
    d->lastHolders.clear();
    // A program that opens the device without any lock (ModemManager
    // probing a new modem-like port, a terminal program) would otherwise
    // share the line with us and take the station's answers.
    d->lastHolders = PortHolders(device);
    if (!d->lastHolders.isEmpty()) {
        d->lastOpen = TPortOpenResult::Busy;
        return false;
    }
    QSerialPort& port = d->port;
    port.setPortName(device);
    port.setBaudRate(baud);
    port.setDataBits(QSerialPort::Data8);
    port.setParity(QSerialPort::NoParity);
    port.setStopBits(QSerialPort::OneStop);
    port.setFlowControl(QSerialPort::NoFlowControl);
    if (!port.open(QIODevice::ReadWrite)) {
        d->lastOpen = d->OpenFailure(device);
        port.clearError();
        return false;
    }
    // The device may be held by a program that locks it rather than (or
    // besides) using a lock file; the privileged user is not kept out by
    // the terminal's exclusive mode either.
    if (::flock(static_cast<int>(port.handle()), LOCK_EX | LOCK_NB) != 0) {
        port.close();
        port.clearError();
        d->lastOpen = TPortOpenResult::Busy;
        return false;
    }
    // Raised where the device has the lines; a pseudo-terminal has none,
    // which is no reason to refuse it.
    port.setRequestToSend(true);
    port.setDataTerminalReady(true);
    port.clearError();
    d->lowLatency.Enter(static_cast<int>(port.handle()));
    d->lastOpen = TPortOpenResult::Opened;
    return true;
}

void TSerialDevice::Close()
{
    if (!d->port.isOpen())
        return;
    d->lowLatency.Leave();
    d->port.close();
    d->port.clearError();
}

bool TSerialDevice::IsOpen() const
{
    return d->port.isOpen();
}

TPortOpenResult TSerialDevice::LastOpenResult() const
{
    return d->lastOpen;
}

QList<TPortHolder> TSerialDevice::LastHolders() const
{
    return d->lastHolders;
}

void TSerialDevice::ClearErrors()
{
    d->port.clearError();
}

void TSerialDevice::Discard()
{
    if (d->port.isOpen())
        d->port.clear(QSerialPort::AllDirections);
}

bool TSerialDevice::Write(const QByteArray& bytes)
{
    QSerialPort& port = d->port;
    if (!port.isOpen() || port.write(bytes) != bytes.size())
        return false;
    // Handed to the device at once rather than at the next wait, which
    // saves a round through the system per request.
    port.flush();
    if (port.bytesToWrite() > 0)
        port.waitForBytesWritten(WriteTimeoutMs);
    return port.bytesToWrite() == 0;
}

int TSerialDevice::Read(char* buffer, int max, int timeoutMs)
{
    QSerialPort& port = d->port;
    if (!port.isOpen())
        return -1;
    if (port.bytesAvailable() == 0 && !port.waitForReadyRead(timeoutMs))
        return 0;
    const qint64 n = port.read(buffer, max);
    return n < 0 ? -1 : static_cast<int>(n);
}

int TSerialDevice::BytesAvailable()
{
    return d->port.isOpen() ? static_cast<int>(d->port.bytesAvailable()) : 0;
}
