#pragma once
#include "link/PortHolders.h"
#include <QByteArray>
#include <QList>
#include <QString>
#include <memory>

// What became of an attempt to open a port.
enum class TPortOpenResult {
    Opened,
    Missing,        // no such device
    Busy,           // the device is held by another program
    NoPermission,   // the user may not open the device
    Failed,         // the device exists but cannot serve as a port
};

// The raw port under the serial line: opening a device exclusively with the
// station's line settings, and moving bytes. The platform's implementation
// is chosen when the program is built: QSerialPort on Linux, the Win32
// communications API on Windows (SerialDeviceWin.cpp). Everything the
// protocol does with the bytes lies above, in TSerialLine.
class TSerialDevice {
public:
    TSerialDevice();
    ~TSerialDevice();
    TSerialDevice(const TSerialDevice&) = delete;
    TSerialDevice& operator=(const TSerialDevice&) = delete;

    // Opens the device exclusively at the rate, 8 data bits, no parity, one
    // stop bit, no flow control, DTR and RTS raised where the device has
    // them. On failure LastOpenResult says why.
    bool Open(const QString& device, int baud);
    void Close();
    bool IsOpen() const;
    TPortOpenResult LastOpenResult() const;
    // The other processes seen holding the device at the last refused open;
    // empty when none could be seen (always on Windows).
    QList<TPortHolder> LastHolders() const;

    // Lifts the stop a line error puts on the port.
    void ClearErrors();
    // Throws away what was received and not read yet, and what was written
    // and not sent yet.
    void Discard();
    // Hands the bytes to the device; false when they could not all go out
    // within the write time limit.
    bool Write(const QByteArray& bytes);
    // Reads what has arrived, up to max bytes; when nothing has, waits up to
    // timeoutMs for the first byte and returns as soon as one is there.
    // Returns the count read: 0 when nothing arrived in time, -1 when the
    // port is not open or the device failed.
    int Read(char* buffer, int max, int timeoutMs);
    // The bytes received and not read yet.
    int BytesAvailable();

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};
