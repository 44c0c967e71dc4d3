#pragma once
#include "link/PortHolders.h"
#include "link/SerialDevice.h"
#include <QByteArray>
#include <QString>
#include <functional>

class TTransferProgress;

// The program's serial link to the station: opens a COM port with the
// fixed line settings of the station protocol (the given rate, 8 data
// bits, no parity, one stop bit, no flow control, DTR and RTS raised),
// sends one request at a time and collects its answer byte by byte, and
// closes the port again. It knows nothing of the meaning of the bytes.
class TSerialLine {
public:
    // How long a byte of an answer that has not arrived yet is waited for.
    static constexpr int ByteTimeoutMs = 600;

    // What became of the last attempt to open a port.
    using OpenResult = TPortOpenResult;

    TSerialLine();
    ~TSerialLine();
    TSerialLine(const TSerialLine&) = delete;
    TSerialLine& operator=(const TSerialLine&) = delete;

    // Opens COM<port> (see PortMap) exclusively and sets the line up.
    bool OpenPort(int port, int baud);
    // The same for a device given by its path. On Linux a device that
    // another process has open is refused (Busy) even when that process
    // took no lock, and the device is put into low-latency mode while it is
    // open.
    bool OpenDevice(const QString& device, int baud);
    OpenResult LastOpenResult() const { return lastOpen; }
    // The other processes found holding the device at the last refused
    // open; empty when none could be seen.
    const QList<TPortHolder>& LastHolders() const { return lastHolders; }
    // The raw port, for exchanges that need more than Transfer.
    TSerialDevice& Device() { return port; }

    // Closes the port; true when a port was open.
    bool ClosePort();
    bool IsOpen() const;

    // Sends the request and reads up to count answer bytes one at a time,
    // waiting up to ByteTimeoutMs for each byte not yet received. Both
    // queues are purged and line errors cleared first, so nothing stale is
    // taken for an answer. The answer always ends up with exactly count
    // bytes; positions not received are 0x00. The reading stops at the
    // first byte that does not arrive. Returns the number of bytes that
    // arrived. With a progress observer, it is shown at 0 at the start,
    // moved after every byte with pending window messages processed, and
    // hidden at the end.
    int Transfer(const QByteArray& request, QByteArray& answer, unsigned count,
                 TTransferProgress* progress = nullptr);

    // Asked between the bytes of a transfer: once it returns true, a transfer
    // sends nothing more and stops reading after the byte in progress. The
    // check runs on the thread that does the transfer.
    void SetCancelCheck(std::function<bool()> check);
    const std::function<bool()>& CancelCheck() const { return cancelCheck; }
    bool CancelRequested() const;

    // Lets the application process its pending window messages. Long
    // exchanges call this to keep the windows painting; tests, the
    // benchmark and the command line may plug in their own hook. Without a
    // hook, a line used outside the application's main thread processes
    // nothing.
    void ProcessMessages();
    void SetMessageHook(std::function<void()> hook);

    // Tries whether the device can be opened as a port now (exclusively,
    // as OpenDevice does), closing it again at once.
    static OpenResult Probe(const QString& device);

private:
    TSerialDevice port;
    OpenResult lastOpen = OpenResult::Missing;
    QList<TPortHolder> lastHolders;
    std::function<void()> messageHook;
    std::function<bool()> cancelCheck;
};
