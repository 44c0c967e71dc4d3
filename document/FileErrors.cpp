#include "document/FileErrors.h"
#include <QDir>
#include <QFileInfo>
#include <cerrno>

#ifdef Q_OS_UNIX
#include <QFile>
#include <unistd.h>
#endif

QString FileErrorText(int error, TFileAccess access)
{
    const bool writing = access == TFileAccess::Write;
    switch (error) {
    case ENOENT:
        return writing ? QStringLiteral("папка не найдена") : QStringLiteral("файл не найден");
    case ENOTDIR:
        return writing ? QStringLiteral("в пути к файлу не папка") : QStringLiteral("файл не найден");
    case EACCES:
    case EPERM:
        return writing ? QStringLiteral("нет прав на запись") : QStringLiteral("нет прав на чтение файла");
    case EISDIR:
        return QStringLiteral("это папка, а не файл");
    case EROFS:
        return QStringLiteral("диск только для чтения");
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return QStringLiteral("на диске нет места");
    case EFBIG:
        return QStringLiteral("файл слишком велик для диска");
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
    case EBUSY:
    case ETXTBSY:
        return QStringLiteral("файл занят");
    case EEXIST:
        return QStringLiteral("файл с таким именем уже есть");
    default:
        return QStringLiteral("системная ошибка %1").arg(error);
    }
}

QString WriteProblemAt(const QString& path)
{
    const QFileInfo target(path);
    if (target.isDir())
        return FileErrorText(EISDIR, TFileAccess::Write);
    const QFileInfo folder(target.absolutePath());
    if (!folder.exists())
        return FileErrorText(ENOENT, TFileAccess::Write);
    if (!folder.isDir())
        return FileErrorText(ENOTDIR, TFileAccess::Write);
#ifdef Q_OS_UNIX
    // access() asks the system itself, so a read-only mount and the
    // privileged user are judged as a write would be.
    if (::access(QFile::encodeName(folder.absoluteFilePath()).constData(), W_OK) != 0)
        return FileErrorText(errno, TFileAccess::Write);
    if (target.exists() && ::access(QFile::encodeName(target.absoluteFilePath()).constData(), W_OK) != 0)
        return FileErrorText(errno, TFileAccess::Write);
#else
    if (!folder.isWritable() || (target.exists() && !target.isWritable()))
        return FileErrorText(EACCES, TFileAccess::Write);
#endif
    return QString();
}
