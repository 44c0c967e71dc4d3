#include "document/FileRead.h"
#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString OpenError(int error)
{
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        return QStringLiteral("файл не найден");
    case EACCES:
    case EPERM:
        return QStringLiteral("нет прав на чтение файла");
    default:
        return QStringLiteral("файл не открывается: %1").arg(QString::fromLocal8Bit(strerror(error)));
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

QString ReadRegularFile(const QString& path, qint64 maxSize, QByteArray& bytes)
{
    bytes.clear();
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
    const QString tooLarge = QStringLiteral("файл больше %1 МБ").arg(maxSize / (1024 * 1024));
    if (st.st_size > maxSize)
        return tooLarge;

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
            return error == EISDIR ? QStringLiteral("это папка, а не файл")
                                   : QStringLiteral("ошибка чтения файла: %1").arg(QString::fromLocal8Bit(strerror(error)));
        }
        if (n == 0)
            return QString();
        if (bytes.size() + n > maxSize) {
            bytes.clear();
            return tooLarge;
        }
        bytes.append(chunk, n);
    }
}
