// The bounded reader on Windows: the file is opened once and checked on
// its handle, so a pipe, a device (NUL, CON, COM1) or a folder is refused
// without being waited on, and a file swapped after the check cannot slip
// through.
#include "document/FileRead.h"
#include <QCoreApplication>
#include <QDir>
#include <windows.h>

namespace {

QString SystemMessage(DWORD error)
{
    wchar_t* text = nullptr;
    const DWORD n = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM
                                       | FORMAT_MESSAGE_IGNORE_INSERTS,
                                   nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    QString message = n ? QString::fromWCharArray(text, int(n)).trimmed() : QString::number(error);
    LocalFree(text);
    return message;
}

QString OpenError(DWORD error)
{
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
        return QCoreApplication::translate("FileRead", "файл не найден");
    case ERROR_ACCESS_DENIED:
        return QCoreApplication::translate("FileRead", "нет прав на чтение файла");
    case ERROR_SHARING_VIOLATION:
        return QCoreApplication::translate("FileRead", "файл занят другой программой");
    default:
        return QCoreApplication::translate("FileRead", "файл не открывается: %1").arg(SystemMessage(error));
    }
}

// Closes the handle on every way out.
struct Handle {
    HANDLE h;
    ~Handle()
    {
        if (h != INVALID_HANDLE_VALUE)
            CloseHandle(h);
    }
};

// Refuses the input for its size: bytes emptied, tooLarge set.
QString TooLarge(qint64 maxSize, QByteArray& bytes, bool* tooLarge, const QString& text)
{
    bytes.clear();
    if (tooLarge)
        *tooLarge = true;
    return text.arg(SizeText(maxSize));
}

// Reads the handle to its end, but never more than maxSize bytes: one byte
// beyond refuses the whole input, whatever its source claimed. A pipe whose
// writer has gone ends the input like the end of a file.
QString ReadCapped(HANDLE h, qint64 maxSize, QByteArray& bytes, bool* tooLarge, const QString& tooLargeText)
{
    char chunk[65536];
    for (;;) {
        DWORD n = 0;
        if (!ReadFile(h, chunk, sizeof chunk, &n, nullptr)) {
            const DWORD error = GetLastError();
            if (error == ERROR_BROKEN_PIPE || error == ERROR_HANDLE_EOF)
                return QString();
            bytes.clear();
            return QCoreApplication::translate("FileRead", "ошибка чтения файла: %1").arg(SystemMessage(error));
        }
        if (n == 0)
            return QString();
        if (bytes.size() + qint64(n) > maxSize)
            return TooLarge(maxSize, bytes, tooLarge, tooLargeText);
        bytes.append(chunk, qsizetype(n));
    }
}

} // namespace

QString ReadRegularFile(const QString& path, qint64 maxSize, QByteArray& bytes, bool* tooLarge)
{
    bytes.clear();
    if (tooLarge)
        *tooLarge = false;
    const QString native = QDir::toNativeSeparators(path);
    // Backup semantics let a folder open too, so that it can be named as one.
    Handle file{CreateFileW(reinterpret_cast<LPCWSTR>(native.utf16()), GENERIC_READ,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                            FILE_FLAG_BACKUP_SEMANTICS, nullptr)};
    if (file.h == INVALID_HANDLE_VALUE)
        return OpenError(GetLastError());
    if (GetFileType(file.h) != FILE_TYPE_DISK)
        return QCoreApplication::translate("FileRead", "это не обычный файл");
    BY_HANDLE_FILE_INFORMATION info{};
    if (!GetFileInformationByHandle(file.h, &info))
        return OpenError(GetLastError());
    if (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        return QCoreApplication::translate("FileRead", "это папка, а не файл");
    const qint64 size = (qint64(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
    if (size > maxSize)
        return TooLarge(maxSize, bytes, tooLarge, QCoreApplication::translate("FileRead", "файл больше %1"));

    // The size is only a hint: the file may grow or shrink while it is read.
    bytes.reserve(qsizetype(size));
    return ReadCapped(file.h, maxSize, bytes, tooLarge, QCoreApplication::translate("FileRead", "файл больше %1"));
}

QString ReadStandardInput(qint64 maxSize, QByteArray& bytes, bool* tooLarge)
{
    bytes.clear();
    if (tooLarge)
        *tooLarge = false;
    const HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
    if (input == INVALID_HANDLE_VALUE || input == nullptr)
        return QCoreApplication::translate("FileRead", "стандартный ввод закрыт");
    return ReadCapped(input, maxSize, bytes, tooLarge, QCoreApplication::translate("FileRead", "на стандартном вводе больше %1"));
}
