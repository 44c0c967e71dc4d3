#pragma once
#include "link/PortHolders.h"
#include "link/SerialDevice.h"
#include <QByteArray>
#include <QString>
#include <functional>
#include <memory>

class TLineTrace;
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
    // A line counts as quiet once nothing has arrived for this many
    // character times (10 bits each at the open rate), and never for less
    // than QuietFloorMs, so that a USB adapter holding bytes back for its
    // latency timer does not pass for a quiet line.
    static constexpr int QuietChars = 10;
    static constexpr int QuietFloorMs = 20;
    // Waits that find nothing to read are cut into slices of this length,
    // between which the window is repainted and a stop is looked at.
    static constexpr int SliceMs = 25;

    // How a wait for a quiet line ended.
    enum class Quiet {
        Quiet,     // nothing arrived for QuietMs()
        Busy,      // bytes kept arriving until the time limit
        Stopped,   // the cancel check asked for a stop
    };

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
    // hidden at the end. A byte that keeps the line waiting lets the
    // windows paint (and a stop end the wait) every SliceMs.
    int Transfer(const QByteArray& request, QByteArray& answer, unsigned count,
                 TTransferProgress* progress = nullptr);

    // The quiet time of the open line: QuietChars character times at its
    // rate, at least QuietFloorMs.
    int QuietMs() const;
    // The longest a station may go on sending an answer nobody reads any
    // more (a whole image at the open rate, and three seconds to spare):
    // the limit of WaitForQuiet.
    int SettleLimitMs() const;

    // Throws away what has arrived so far, then waits until nothing has
    // arrived for QuietMs(), throwing away whatever comes meanwhile. Gives up
    // after limitMs (Busy) or at a stop. Sends nothing.
    Quiet WaitForQuiet(int limitMs);
    // True when nothing is waiting to be read and nothing arrives within
    // QuietMs(); what does arrive is left to be read. Sends nothing.
    bool StaysQuiet();

    // Waits the given time with the windows painting, in slices; false when
    // a stop cut it short.
    bool Pause(int ms);

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

    // Every byte the line sends and receives from now on, with its time,
    // goes to the trace (none: nothing is traced). The trace is told when
    // a port opens and closes; bytes thrown away before a request go there
    // too.
    void SetTrace(std::shared_ptr<TLineTrace> trace);
    const std::shared_ptr<TLineTrace>& Trace() const { return trace; }

    // Tries whether the device can be opened as a port now (exclusively,
    // as OpenDevice does), closing it again at once.
    static OpenResult Probe(const QString& device);

private:
    // The device primitives the line's waits are made of. A byte that a
    // wait saw arrive is kept back in `pending` until it is read, so that
    // the waits work the same on every platform's device.
    void DiscardInput();
    qint64 BytesAvailable();
    // Waits up to ms for a byte to read; true when one is there.
    bool WaitForBytes(int ms);
    // Waits up to timeoutMs for a byte, in slices: once a slice has passed
    // without one, the windows are painted and a stop ends the wait.
    bool WaitForByte(int timeoutMs);
    // Takes the next byte that has arrived (WaitForByte said there is one).
    bool TakeByte(char& byte);
    // Takes what has arrived and not been read, to be thrown away: the
    // bytes kept back, and with a trace on, what the device holds too.
    QByteArray TakeWaiting();

    TSerialDevice port;
    QByteArray pending;
    int baud = 0;   // the open line's rate
    OpenResult lastOpen = OpenResult::Missing;
    QList<TPortHolder> lastHolders;
    std::function<void()> messageHook;
    std::function<bool()> cancelCheck;
    std::shared_ptr<TLineTrace> trace;
    QString openingLabel;   // "COM3" while OpenPort opens its device
};
