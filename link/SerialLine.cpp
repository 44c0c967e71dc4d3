#include "link/SerialLine.h"
#include "link/PortMap.h"
#include "link/TransferProgress.h"
#include <QCoreApplication>
#include <QThread>

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
    return OpenDevice(device, baud);
}

bool TSerialLine::OpenDevice(const QString& device, int baud)
{
    ClosePort();
    const bool opened = port.Open(device, baud);
    lastOpen = port.LastOpenResult();
    lastHolders = port.LastHolders();
    return opened;
}

bool TSerialLine::ClosePort()
{
    if (!port.IsOpen())
        return false;
    port.Close();
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
        port.Discard();
        // A request that does not go out shows as an answer that does not
        // come.
        port.Write(request);
        for (unsigned i = 0; i < count; ++i) {
            char byte;
            if (port.Read(&byte, 1, ByteTimeoutMs) != 1)
                break;
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
