// The serial device on Windows: the Win32 communications API, synchronous
// with time limits. A read returns at once with what is buffered and
// otherwise waits for the first byte up to its limit, which is exactly what
// the protocol's byte-by-byte answers need.
#include "link/SerialDevice.h"
#include <windows.h>

namespace {

// Writes go out at once on an idle line; this only keeps a device that
// takes nothing (a wedged adapter) from holding the program for ever.
constexpr DWORD WriteTimeoutMs = 5000;
constexpr DWORD QueueSize = 1024;

TPortOpenResult OpenError(DWORD error)
{
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_BAD_PATHNAME:
    case ERROR_INVALID_NAME:
        return TPortOpenResult::Missing;
    // The port is open in another program: Windows opens a COM port for
    // one program at a time and refuses the second as a sharing violation
    // or as access denied, depending on the driver.
    case ERROR_SHARING_VIOLATION:
    case ERROR_ACCESS_DENIED:
        return TPortOpenResult::Busy;
    default:
        return TPortOpenResult::Failed;
    }
}

} // namespace

struct TSerialDevice::Impl {
    HANDLE handle = INVALID_HANDLE_VALUE;
    TPortOpenResult lastOpen = TPortOpenResult::Missing;
    DWORD readTimeout = 0;   // the read time limit set on the handle

    bool Configure(int baud)
    {
        SetupComm(handle, QueueSize, QueueSize);
        DCB dcb{};
        dcb.DCBlength = sizeof dcb;
        if (!GetCommState(handle, &dcb))
            return false;
        dcb.BaudRate = DWORD(baud);
        dcb.fBinary = TRUE;
        dcb.fParity = FALSE;
        dcb.fOutxCtsFlow = FALSE;
        dcb.fOutxDsrFlow = FALSE;
        dcb.fDtrControl = DTR_CONTROL_ENABLE;
        dcb.fDsrSensitivity = FALSE;
        dcb.fOutX = FALSE;
        dcb.fInX = FALSE;
        dcb.fNull = FALSE;
        // Raised by EscapeCommFunction once the state is set.
        dcb.fRtsControl = RTS_CONTROL_DISABLE;
        // A line error stops the port until ClearErrors, which comes before
        // every request: a garbled answer ends short instead of going on.
        dcb.fAbortOnError = TRUE;
        dcb.ByteSize = 8;
        dcb.Parity = NOPARITY;
        dcb.StopBits = ONESTOPBIT;
        if (!SetCommState(handle, &dcb))
            return false;
        readTimeout = 0;
        return SetReadTimeout(1);
    }

    // Read: return at once with what is buffered; with nothing buffered,
    // wait for the first byte up to the limit. Writes have their own limit.
    bool SetReadTimeout(DWORD ms)
    {
        if (ms == readTimeout)
            return true;
        COMMTIMEOUTS t{};
        t.ReadIntervalTimeout = MAXDWORD;
        t.ReadTotalTimeoutMultiplier = MAXDWORD;
        t.ReadTotalTimeoutConstant = ms;
        t.WriteTotalTimeoutMultiplier = 0;
        t.WriteTotalTimeoutConstant = WriteTimeoutMs;
        if (!SetCommTimeouts(handle, &t))
            return false;
        readTimeout = ms;
        return true;
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
    // Exclusive (no sharing), synchronous.
    d->handle = CreateFileW(reinterpret_cast<LPCWSTR>(device.utf16()), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                            OPEN_EXISTING, 0, nullptr);
    if (d->handle == INVALID_HANDLE_VALUE) {
        d->lastOpen = OpenError(GetLastError());
        return false;
    }
    if (!d->Configure(baud)) {
        Close();
        d->lastOpen = TPortOpenResult::Failed;
        return false;
    }
    EscapeCommFunction(d->handle, SETRTS);
    EscapeCommFunction(d->handle, SETDTR);
    d->lastOpen = TPortOpenResult::Opened;
    return true;
}

void TSerialDevice::Close()
{
    if (d->handle == INVALID_HANDLE_VALUE)
        return;
    CloseHandle(d->handle);
    d->handle = INVALID_HANDLE_VALUE;
}

bool TSerialDevice::IsOpen() const
{
    return d->handle != INVALID_HANDLE_VALUE;
}

TPortOpenResult TSerialDevice::LastOpenResult() const
{
    return d->lastOpen;
}

QList<TPortHolder> TSerialDevice::LastHolders() const
{
    return {};
}

void TSerialDevice::ClearErrors()
{
    if (IsOpen()) {
        DWORD errors = 0;
        ClearCommError(d->handle, &errors, nullptr);
    }
}

void TSerialDevice::Discard()
{
    if (IsOpen())
        PurgeComm(d->handle, PURGE_RXCLEAR | PURGE_TXCLEAR);
}

bool TSerialDevice::Write(const QByteArray& bytes)
{
    if (!IsOpen())
        return false;
    DWORD written = 0;
    return WriteFile(d->handle, bytes.constData(), DWORD(bytes.size()), &written, nullptr)
        && written == DWORD(bytes.size());
}

int TSerialDevice::Read(char* buffer, int max, int timeoutMs)
{
    if (!IsOpen() || max <= 0)
        return -1;
    // A limit of 0 would mean "never wait" to ReadFile only with other
    // settings; one millisecond keeps the rule "wait for the first byte".
    if (!d->SetReadTimeout(DWORD(timeoutMs > 0 ? timeoutMs : 1)))
        return -1;
    DWORD got = 0;
    if (!ReadFile(d->handle, buffer, DWORD(max), &got, nullptr))
        return -1;
    return int(got);
}

int TSerialDevice::BytesAvailable()
{
    if (!IsOpen())
        return 0;
    DWORD errors = 0;
    COMSTAT status{};
    if (!ClearCommError(d->handle, &errors, &status))
        return 0;
    return int(status.cbInQue);
}
