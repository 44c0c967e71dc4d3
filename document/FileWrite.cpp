#include "document/FileWrite.h"
#include "document/FileErrors.h"
#include <QCoreApplication>
#include <QSaveFile>
#include <cerrno>

namespace {
// The reason of a failed step: what the path itself shows, else the
// system's error number of the step, else the plain fact.
QString Failure(const QString& path, int error)
{
    QString reason = WriteProblemAt(path);
    if (reason.isEmpty() && error != 0)
        reason = FileErrorText(error, TFileAccess::Write);
    return reason.isEmpty() ? QCoreApplication::translate("FileWrite", "файл не записан") : reason;
}
} // namespace

QString WriteFileAtomically(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return Failure(path, errno);
    errno = 0;
    if (file.write(bytes) != bytes.size()) {
        const int error = errno;
        file.cancelWriting();
        return Failure(path, error);
    }
    errno = 0;
    if (!file.commit())
        return Failure(path, errno);
    return QString();
}
