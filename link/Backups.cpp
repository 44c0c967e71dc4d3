#include "link/Backups.h"
#include "document/FileErrors.h"
#include "document/UserFolder.h"
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif
#ifdef Q_OS_WIN
#include <io.h>
#include <windows.h>
#endif

namespace Backups {

namespace {
// More backups in one second than any technician takes; past it, something
// else is wrong with the folder.
constexpr int MaxNumber = 1000;

QString Failed(QString* error, const QString& reason)
{
    if (error)
        *error = reason;
    return QString();
}

// The part of a port's name that goes into a file name.
QString PortPart(const QString& port)
{
    QString name = port.contains(QLatin1Char('/')) ? port.section(QLatin1Char('/'), -1) : port;
    for (QChar& c : name) {
        if (!c.isLetterOrNumber() && c != QLatin1Char('-') && c != QLatin1Char('_'))
            c = QLatin1Char('_');
    }
    return name;
}

// Whether a write failed for want of room (disk or quota).
bool NoRoom(int error)
{
#ifdef EDQUOT
    if (error == EDQUOT)
        return true;
#endif
    return error == ENOSPC;
}

// The nearest part of the folder's path that exists, when it is no folder:
// a file standing where a folder of the path should be.
QString FileInTheWay(const QString& folder)
{
    QFileInfo at(folder);
    while (!at.exists() && !at.isRoot() && at.absolutePath() != at.absoluteFilePath())
        at = QFileInfo(at.absolutePath());
    return at.exists() && !at.isDir() ? at.absoluteFilePath() : QString();
}

// Why a file operation failed, with the path it concerns.
QString Reason(int error, const QString& path)
{
    return QStringLiteral("%1: %2").arg(path, FileErrorText(error, TFileAccess::Write));
}

#ifdef Q_OS_UNIX
bool WriteAll(int fd, const QByteArray& bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

// Writes a new file (never an existing one) and syncs it and its folder.
// 0 on success, EEXIST when the name is taken, else the error.
int WriteNewFile(const QString& path, const QString& folder, const QByteArray& bytes)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0)
        return errno;
    int error = 0;
    if (!WriteAll(fd, bytes) || ::fsync(fd) != 0)
        error = errno ? errno : EIO;
    if (::close(fd) != 0 && !error)
        error = errno;
    if (error) {
        ::unlink(QFile::encodeName(path).constData());
        return error;
    }
    // The new name is in the folder only once the folder is synced too.
    const int dir = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        if (::fsync(dir) != 0 && errno != EINVAL)
            error = errno;
        ::close(dir);
    }
    return error;
}
#else
int WriteNewFile(const QString& path, const QString&, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return file.exists() ? EEXIST : EACCES;
    bool written = file.write(bytes) == bytes.size() && file.flush();
    // On the disk, not only in the system's cache, before the first byte
    // goes to the station.
    written = written && FlushFileBuffers(reinterpret_cast<HANDLE>(_get_osfhandle(file.handle())));
    const int error = written ? 0 : (GetLastError() == ERROR_DISK_FULL ? ENOSPC : EIO);
    file.close();
    if (!written)
        file.remove();
    return error;
}

#endif

} // namespace

QString Folder()
{
    return UserFolder::Path() + QStringLiteral("/backups");
}

QString FileName(const QDateTime& when, const QString& port, int number)
{
    QString name = QStringLiteral("station-");
    const QString part = PortPart(port);
    if (!part.isEmpty())
        name += part + QLatin1Char('-');
    name += when.toString(QStringLiteral("yyyyMMdd-HHmmss"));
    if (number > 1)
        name += QLatin1Char('-') + QString::number(number);
    return name + QStringLiteral(".bin");
}

QString Save(const QString& folder, const QByteArray& image, const QDateTime& when, const QString& port,
             QString* error)
{
    const QString blocking = FileInTheWay(folder);
    if (!blocking.isEmpty())
        return Failed(error, QCoreApplication::translate("Backups", "%1 не папка, а файл").arg(blocking));
    if (!QDir().mkpath(folder)) {
        const QFileInfo info(folder);
        return Failed(error, QCoreApplication::translate("Backups", "папка %1 не создаётся: нет прав на запись в %2")
                                 .arg(folder, info.absolutePath()));
    }
    for (int number = 1; number <= MaxNumber; ++number) {
        const QString path = QDir(folder).filePath(FileName(when, port, number));
        const int result = WriteNewFile(path, folder, image);
        if (result == 0)
            return path;
        // The name was taken a moment ago, also by another thread or
        // program: no backup is ever overwritten.
        if (result == EEXIST)
            continue;
        return Failed(error, Reason(result, NoRoom(result) ? folder : path));
    }
    return Failed(error, QCoreApplication::translate("Backups", "слишком много резервных копий за одну секунду в %1").arg(folder));
}

QString MarkSuspect(const QString& path)
{
    const QString suspect = path + QStringLiteral(".suspect");
    return QFile::rename(path, suspect) ? suspect : path;
}

} // namespace Backups
