#include "document/FileErrors.h"
#include <QCoreApplication>
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
        return writing ? QCoreApplication::translate("FileErrors", "папка не найдена") : QCoreApplication::translate("FileErrors", "файл не найден");
    case ENOTDIR:
        return writing ? QCoreApplication::translate("FileErrors", "в пути к файлу не папка") : QCoreApplication::translate("FileErrors", "файл не найден");
    case EACCES:
    case EPERM:
        return writing ? QCoreApplication::translate("FileErrors", "нет прав на запись") : QCoreApplication::translate("FileErrors", "нет прав на чтение файла");
    case EISDIR:
        return QCoreApplication::translate("FileErrors", "это папка, а не файл");
    case EROFS:
        return QCoreApplication::translate("FileErrors", "диск только для чтения");
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return QCoreApplication::translate("FileErrors", "на диске нет места");
    case EFBIG:
        return QCoreApplication::translate("FileErrors", "файл слишком велик для диска");
    case ELOOP:
        return QCoreApplication::translate("FileErrors", "слишком много символических ссылок в пути");
    case ENAMETOOLONG:
        return QCoreApplication::translate("FileErrors", "слишком длинное имя файла");
    case EMFILE:
    case ENFILE:
        return QCoreApplication::translate("FileErrors", "открыто слишком много файлов");
    case ENOMEM:
        return QCoreApplication::translate("FileErrors", "не хватило памяти");
    case EIO:
        return QCoreApplication::translate("FileErrors", "ошибка ввода-вывода на диске");
    case EBUSY:
    case ETXTBSY:
        return QCoreApplication::translate("FileErrors", "файл занят");
    case EEXIST:
        return QCoreApplication::translate("FileErrors", "файл с таким именем уже есть");
    default:
        return QCoreApplication::translate("FileErrors", "системная ошибка %1").arg(error);
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
