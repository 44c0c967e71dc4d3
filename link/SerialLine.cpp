#include "link/SerialLine.h"
#include "link/LineTrace.h"
#include "link/PortMap.h"
#include "link/TransferProgress.h"
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSerialPort>
#include <QThread>
#include <algorithm>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

namespace {

// Writes go out at once on an idle line; this only keeps a device that
// takes nothing (a wedged adapter) from holding the program for ever.
constexpr int WriteTimeoutMs = 5000;

// A character on the line: start bit, 8 data bits, stop bit.
constexpr int BitsPerChar = 10;
// The longest answer a station gives (its image), and the time to spare
// beyond it, for a station still sending one that nobody reads any more
// (a slow one, or one that began before the port was opened).
constexpr int LongestAnswerChars = 1024 + 16;
constexpr int SettleSpareMs = 3000;
// The rate assumed for timing before a port was ever opened.
constexpr int SlowestBaud = 4800;

#ifdef Q_OS_UNIX
// What a plain open of the device says, after the port itself could not be
// opened: tells a missing device, a refused one and a busy one apart.
TSerialLine::OpenResult PlainOpenResult(const QString& device)
{
    const int fd = ::open(device.toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd >= 0) {
        ::close(fd);
        return TSerialLine::OpenResult::Opened;
    }
    switch (errno) {
    case EACCES:
    case EPERM:
        return TSerialLine::OpenResult::NoPermission;
    case ENOENT:
    case ENODEV:
    case ENXIO:
    case ENOTDIR:
        return TSerialLine::OpenResult::Missing;
    case EBUSY:
        return TSerialLine::OpenResult::Busy;
    default:
        return TSerialLine::OpenResult::Failed;
    }
}
#endif

} // namespace

TSerialLine::TSerialLine()
    : port(new QSerialPort)
{
}

TSerialLine::~TSerialLine()
{
    ClosePort();
    delete port;
}

bool TSerialLine::OpenPort(int number, int baud)
{
    const QString device = PortMap::DevicePath(number);
    if (device.isEmpty()) {
        ClosePort();
        lastOpen = OpenResult::Missing;
        return false;
    }
    openingLabel = QStringLiteral("COM") + QString::number(number);
    const bool opened = OpenDevice(device, baud);
    openingLabel.clear();
    return opened;
}

bool TSerialLine::OpenDevice(const QString& device, int baud)
{
    ClosePort();
    lastHolders.clear();
#ifdef Q_OS_UNIX
    // A program that opens the device without any lock (ModemManager
    // probing a new modem-like port, a terminal program) would otherwise
    // share the line with us and take the station's answers.
    lastHolders = PortHolders(device);
    if (!lastHolders.isEmpty()) {
        lastOpen = OpenResult::Busy;
        return false;
    }
#endif
    port->setPortName(device);
    port->setBaudRate(baud);
    port->setDataBits(QSerialPort::Data8);
    port->setParity(QSerialPort::NoParity);
    port->setStopBits(QSerialPort::OneStop);
    port->setFlowControl(QSerialPort::NoFlowControl);
    if (!port->open(QIODevice::ReadWrite)) {
        lastOpen = OpenFailure(device);
        port->clearError();
        return false;
    }
#ifdef Q_OS_UNIX
    // The device may be held by a program that locks it rather than (or
    // besides) using a lock file; the privileged user is not kept out by
    // the terminal's exclusive mode either.
    if (::flock(static_cast<int>(port->handle()), LOCK_EX | LOCK_NB) != 0) {
        port->close();
        port->clearError();
        lastOpen = OpenResult::Busy;
        return false;
    }
#endif
    // Raised where the device has the lines; a pseudo-terminal has none,
    // which is no reason to refuse it.
    port->setRequestToSend(true);
    port->setDataTerminalReady(true);
    port->clearError();
    lowLatency.Enter(static_cast<int>(port->handle()));
    this->baud = baud;
    lastOpen = OpenResult::Opened;
    if (trace)
        trace->Opened(openingLabel, device, baud);
    return true;
}

TSerialLine::OpenResult TSerialLine::OpenFailure(const QString& device) const
{
    const QSerialPort::SerialPortError error = port->error();
    if (error == QSerialPort::DeviceNotFoundError)
        return OpenResult::Missing;
#ifdef Q_OS_UNIX
    const OpenResult plain = PlainOpenResult(device);
    if (plain != OpenResult::Opened)
        return plain;
    // The device itself opens: the port is locked by another program (lock
    // file or exclusive mode), or the device is no serial port at all.
    return error == QSerialPort::PermissionError ? OpenResult::Busy : OpenResult::Failed;
#else
    Q_UNUSED(device);
    // Windows refuses a port that another program holds as access denied.
    return error == QSerialPort::PermissionError ? OpenResult::Busy : OpenResult::Failed;
#endif
}

bool TSerialLine::ClosePort()
{
    if (!port->isOpen())
        return false;
    lowLatency.Leave();
    port->close();
    port->clearError();
    if (trace)
        trace->Closed();
    return true;
}

bool TSerialLine::IsOpen() const
{
    return port->isOpen();
}

int TSerialLine::Transfer(const QByteArray& request, QByteArray& answer, unsigned count,
                          TTransferProgress* progress)
{
    answer = QByteArray(static_cast<qsizetype>(count), '\0');
    if (progress) {
        progress->SetPosition(0);
        progress->SetVisible(true);
    }
    unsigned received = 0;
    if (port->isOpen() && !CancelRequested()) {
        port->clearError();
        if (trace)
            trace->Dropped(port->readAll());
        port->clear(QSerialPort::AllDirections);
        // Handed to the device at once rather than at the next wait, which
        // saves a round through the system per request.
        if (trace)
            trace->Sent(request);
        port->write(request);
        port->flush();
        if (port->bytesToWrite() > 0)
            port->waitForBytesWritten(WriteTimeoutMs);
        for (unsigned i = 0; i < count; ++i) {
            if (!WaitForByte(ByteTimeoutMs)) {
                if (trace && !CancelRequested())
                    trace->Missing(static_cast<int>(received), static_cast<int>(count), ByteTimeoutMs);
                break;
            }
            char byte;
            if (port->read(&byte, 1) != 1)
                break;
            if (trace)
                trace->Received(byte);
            answer[static_cast<qsizetype>(i)] = byte;
            ++received;
            if (progress) {
                progress->SetPosition(static_cast<int>((i * 100 + 100) / count + 1));
                ProcessMessages();
            }
            if (CancelRequested())
                break;
        }
    }
    if (progress)
        progress->SetVisible(false);
    return static_cast<int>(received);
}

int TSerialLine::QuietMs() const
{
    const int rate = baud > 0 ? baud : SlowestBaud;
    const int chars = (QuietChars * BitsPerChar * 1000 + rate - 1) / rate;
    return std::max(QuietFloorMs, chars);
}

int TSerialLine::SettleLimitMs() const
{
    const int rate = baud > 0 ? baud : SlowestBaud;
    return static_cast<int>(qint64(LongestAnswerChars) * BitsPerChar * 1000 / rate) + SettleSpareMs;
}

void TSerialLine::DiscardInput()
{
    // What the port has taken in already is read before the queue is
    // cleared, so the trace shows what was thrown away.
    const QByteArray dropped = port->readAll();
    port->clear(QSerialPort::Input);
    port->clearError();
    if (trace)
        trace->Dropped(dropped);
}

qint64 TSerialLine::BytesAvailable() const
{
    return port->bytesAvailable();
}

bool TSerialLine::WaitForBytes(int ms)
{
    return BytesAvailable() > 0 || (ms > 0 && port->waitForReadyRead(ms)) || BytesAvailable() > 0;
}

bool TSerialLine::WaitForByte(int timeoutMs)
{
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        const int left = timeoutMs - static_cast<int>(waited.elapsed());
        if (WaitForBytes(std::clamp(left, 0, SliceMs)))
            return true;
        if (left <= SliceMs)
            return false;
        ProcessMessages();
        if (CancelRequested())
            return false;
    }
}

TSerialLine::Quiet TSerialLine::WaitForQuiet(int limitMs)
{
    if (!port->isOpen())
        return Quiet::Quiet;
    QElapsedTimer total, silent;
    total.start();
    silent.start();
    DiscardInput();
    const int quiet = QuietMs();
    for (;;) {
        if (CancelRequested())
            return Quiet::Stopped;
        const int stillToWait = quiet - static_cast<int>(silent.elapsed());
        if (stillToWait <= 0)
            return Quiet::Quiet;
        if (total.elapsed() >= limitMs)
            return Quiet::Busy;
        if (WaitForBytes(std::min(stillToWait, SliceMs))) {
            DiscardInput();
            silent.restart();
        }
        ProcessMessages();
    }
}

bool TSerialLine::StaysQuiet()
{
    if (!port->isOpen())
        return true;
    QElapsedTimer silent;
    silent.start();
    const int quiet = QuietMs();
    for (;;) {
        const int stillToWait = quiet - static_cast<int>(silent.elapsed());
        if (WaitForBytes(std::clamp(stillToWait, 0, SliceMs)))
            return false;
        if (stillToWait <= SliceMs)
            return true;
        ProcessMessages();
    }
}

bool TSerialLine::Pause(int ms)
{
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        if (CancelRequested())
            return false;
        const int left = ms - static_cast<int>(waited.elapsed());
        if (left <= 0)
            return true;
        QThread::msleep(static_cast<unsigned long>(std::min(left, SliceMs)));
        ProcessMessages();
    }
}

void TSerialLine::SetCancelCheck(std::function<bool()> check)
{
    cancelCheck = std::move(check);
}

bool TSerialLine::CancelRequested() const
{
    return cancelCheck && cancelCheck();
}

void TSerialLine::ProcessMessages()
{
    if (messageHook)
        messageHook();
    else if (QCoreApplication::instance() && QThread::currentThread() == QCoreApplication::instance()->thread())
        QCoreApplication::processEvents();
    // A line run from another thread (a fleet of stations) has no window
    // messages to process and must not run the main thread's.
}

void TSerialLine::SetTrace(std::shared_ptr<TLineTrace> newTrace)
{
    trace = std::move(newTrace);
}

void TSerialLine::SetMessageHook(std::function<void()> hook)
{
    messageHook = std::move(hook);
}

TSerialLine::OpenResult TSerialLine::Probe(const QString& device)
{
    TSerialLine line;
    line.OpenDevice(device, 9600);
    line.ClosePort();
    return line.LastOpenResult();
}
