// The bounded reader on Linux and other Unix systems.
#include "document/FileRead.h"
#include "document/FileErrors.h"
#include <QCoreApplication>
#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString SystemReason(int error)
{
    return FileErrorText(error, TFileAccess::Read);
}

QString OpenError(int error)
{
    switch (error) {
    case ENOENT:
    case ENOTDIR:
    case EACCES:
    case EPERM:
    case EISDIR:
        return SystemReason(error);
    default:
        return QCoreApplication::translate("FileRead", "файл не открывается: %1").arg(SystemReason(error));
    }
}

// Closes the descriptor on every way out.
struct Descriptor {
    int fd;
    ~Descriptor()
    {
        if (fd >= 0)
            ::close(fd);
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

// Reads the descriptor to its end, but never more than maxSize bytes: one
// byte beyond refuses the whole input, whatever its source claimed.
QString ReadCapped(int fd, qint64 maxSize, QByteArray& bytes, bool* tooLarge, const QString& tooLargeText)
{
    char chunk[65536];
    for (;;) {
        const ssize_t n = ::read(fd, chunk, sizeof chunk);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            const int error = errno;
            bytes.clear();
            return error == EISDIR ? SystemReason(error)
                                   : QCoreApplication::translate("FileRead", "ошибка чтения файла: %1").arg(SystemReason(error));
        }
        if (n == 0)
            return QString();
        if (bytes.size() + n > maxSize)
            return TooLarge(maxSize, bytes, tooLarge, tooLargeText);
        bytes.append(chunk, n);
    }
}

} // namespace

QString ReadRegularFile(const QString& path, qint64 maxSize, QByteArray& bytes, bool* tooLarge)
{
    bytes.clear();
    if (tooLarge)
        *tooLarge = false;
    Descriptor file{::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)};
    if (file.fd < 0)
        return OpenError(errno);
    struct stat st {};
    if (::fstat(file.fd, &st) != 0)
        return OpenError(errno);
    if (S_ISDIR(st.st_mode))
        return QCoreApplication::translate("FileRead", "это папка, а не файл");
    if (!S_ISREG(st.st_mode))
        return QCoreApplication::translate("FileRead", "это не обычный файл");
    if (st.st_size > maxSize)
        return TooLarge(maxSize, bytes, tooLarge, QCoreApplication::translate("FileRead", "файл больше %1"));
    // The size is only a hint: the file may grow or shrink while it is read.
    bytes.reserve(qsizetype(st.st_size));
    return ReadCapped(file.fd, maxSize, bytes, tooLarge, QCoreApplication::translate("FileRead", "файл больше %1"));
}

QString ReadStandardInput(qint64 maxSize, QByteArray& bytes, bool* tooLarge)
{
    bytes.clear();
    if (tooLarge)
        *tooLarge = false;
    struct stat st {};
    if (::fstat(STDIN_FILENO, &st) != 0)
        return QCoreApplication::translate("FileRead", "стандартный ввод закрыт");
    if (S_ISDIR(st.st_mode))
        return QCoreApplication::translate("FileRead", "стандартный ввод - папка, а не файл");
    return ReadCapped(STDIN_FILENO, maxSize, bytes, tooLarge, QCoreApplication::translate("FileRead", "на стандартном вводе больше %1"));
}
