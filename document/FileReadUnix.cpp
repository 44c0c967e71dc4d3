// The bounded reader on Linux and other Unix systems.
#include "document/FileRead.h"
#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The system's reason in the program's own words: strerror() speaks the
// locale's language, or English.
QString SystemReason(int error)
{
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        return QStringLiteral("файл не найден");
    case EACCES:
    case EPERM:
        return QStringLiteral("нет прав на чтение файла");
    case EISDIR:
        return QStringLiteral("это папка, а не файл");
    case ELOOP:
        return QStringLiteral("слишком много символических ссылок в пути");
    case ENAMETOOLONG:
        return QStringLiteral("слишком длинное имя файла");
    case EMFILE:
    case ENFILE:
        return QStringLiteral("открыто слишком много файлов");
    case ENOMEM:
        return QStringLiteral("не хватило памяти");
    case EIO:
        return QStringLiteral("ошибка ввода-вывода на диске");
    default:
        return QStringLiteral("системная ошибка %1").arg(error);
    }
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
        return QStringLiteral("файл не открывается: %1").arg(SystemReason(error));
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
        return QStringLiteral("это папка, а не файл");
    if (!S_ISREG(st.st_mode))
        return QStringLiteral("это не обычный файл");
    auto refuseSize = [&] {
        bytes.clear();
        if (tooLarge)
            *tooLarge = true;
        return QStringLiteral("файл больше %1").arg(SizeText(maxSize));
    };
    if (st.st_size > maxSize)
        return refuseSize();

    // The size is only a hint: the file may grow or shrink while it is read.
    bytes.reserve(qsizetype(st.st_size));
    char chunk[65536];
    for (;;) {
        const ssize_t n = ::read(file.fd, chunk, sizeof chunk);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            const int error = errno;
            bytes.clear();
            return error == EISDIR ? SystemReason(error)
                                   : QStringLiteral("ошибка чтения файла: %1").arg(SystemReason(error));
        }
        if (n == 0)
            return QString();
        if (bytes.size() + n > maxSize)
            return refuseSize();
        bytes.append(chunk, n);
    }
}
