#include "link/SerialLine.h"
#include "link/LineTrace.h"
#include "link/PortMap.h"
#include "link/TransferProgress.h"
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <algorithm>

namespace {

// A character on the line: start bit, 8 data bits, stop bit.
constexpr int BitsPerChar = 10;
// The longest answer a station gives (its image), and the time to spare
// beyond it, for a station still sending one that nobody reads any more
// (a slow one, or one that began before the port was opened).
constexpr int LongestAnswerChars = 1024 + 16;
constexpr int SettleSpareMs = 3000;
// The rate assumed for timing before a port was ever opened.
constexpr int SlowestBaud = 4800;

} // namespace

TSerialLine::TSerialLine() = default;

TSerialLine::~TSerialLine()
{
    ClosePort();
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
    const bool opened = port.Open(device, baud);
    lastOpen = port.LastOpenResult();
    lastHolders = port.LastHolders();
    if (opened) {
        this->baud = baud;
        if (trace)
            trace->Opened(openingLabel, device, baud);
    }
    return opened;
}

bool TSerialLine::ClosePort()
{
    pending.clear();
    if (!port.IsOpen())
        return false;
    port.Close();
    if (trace)
        trace->Closed();
    return true;
}

bool TSerialLine::IsOpen() const
{
    return port.IsOpen();
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
    if (port.IsOpen() && !CancelRequested()) {
        port.ClearErrors();
        const QByteArray dropped = TakeWaiting();
        port.Discard();
        if (trace) {
            trace->Dropped(dropped);
            trace->Sent(request);
        }
        // A request that does not go out shows as an answer that does not
        // come.
        port.Write(request);
        for (unsigned i = 0; i < count; ++i) {
            if (!WaitForByte(ByteTimeoutMs)) {
                if (trace && !CancelRequested())
                    trace->Missing(static_cast<int>(received), static_cast<int>(count), ByteTimeoutMs);
                break;
            }
            char byte;
            if (!TakeByte(byte))
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
    // What has come in already is taken before the queue is cleared, so
    // the trace shows what was thrown away.
    const QByteArray dropped = TakeWaiting();
    port.Discard();
    port.ClearErrors();
    if (trace)
        trace->Dropped(dropped);
}

qint64 TSerialLine::BytesAvailable()
{
    return pending.size() + port.BytesAvailable();
}

bool TSerialLine::WaitForBytes(int ms)
{
    if (!pending.isEmpty())
        return true;
    char buffer[256];
    const int n = port.Read(buffer, int(sizeof buffer), std::max(ms, 0));
    if (n <= 0)
        return false;
    pending.append(buffer, n);
    return true;
}

QByteArray TSerialLine::TakeWaiting()
{
    QByteArray waiting;
    waiting.swap(pending);
    // Only the trace shows what is thrown away; without one the device's
    // own discard does the work.
    if (!trace)
        return waiting;
    char buffer[256];
    for (int n; (n = port.Read(buffer, int(sizeof buffer), 0)) > 0;)
        waiting.append(buffer, n);
    return waiting;
}

bool TSerialLine::TakeByte(char& byte)
{
    if (pending.isEmpty() && !WaitForBytes(0))
        return false;
    byte = pending.at(0);
    pending.remove(0, 1);
    return true;
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
    if (!port.IsOpen())
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
    if (!port.IsOpen())
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
