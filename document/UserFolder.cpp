#include "document/UserFolder.h"
#include "document/CatalogueMerge.h"
#include "document/FileRead.h"
#include "document/FileWrite.h"
#include "document/StartDir.h"
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

namespace UserFolder {

namespace {

// The marks of what the user's folder last took from the shipped one, one
// in each folder.
const QString StampName = QStringLiteral(".shipped");

bool Fail(QString* error, const QString& reason)
{
    if (error)
        *error = reason;
    return false;
}

// The shipped files are pictures, the guide and the catalogue: far below
// this cap. A file that cannot be read reads as empty.
constexpr qint64 MaxShippedFileSize = 16 * 1024 * 1024;

QByteArray ReadAll(const QString& path)
{
    QByteArray bytes;
    ReadRegularFile(path, MaxShippedFileSize, bytes);
    return bytes;
}

bool WriteAtomically(const QString& path, const QByteArray& bytes)
{
    return WriteFileAtomically(path, bytes).isEmpty();
}

// The shipped files below a folder, as paths relative to it, sorted.
QStringList FilesBelow(const QString& dir)
{
    QStringList files;
    QDirIterator it(dir, QDir::Files | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (QFileInfo(path).fileName() != StampName)
            files << QDir(dir).relativeFilePath(path);
    }
    files.sort();
    return files;
}

// What the shipped Source/ holds: every file's name, size and time.
QByteArray SourceFingerprint(const QString& dir, const QStringList& files)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    for (const QString& name : files) {
        const QFileInfo info(QDir(dir).filePath(name));
        hash.addData(name.toUtf8());
        hash.addData(QByteArray::number(info.size()) + ' '
                     + QByteArray::number(info.lastModified().toMSecsSinceEpoch()) + '\n');
    }
    return hash.result().toHex();
}

bool PrepareCatalogue(const QString& shippedDir, const QString& workDir, QString* error)
{
    const QString shipped = QDir(shippedDir).filePath(QStringLiteral("Settings/Settings.xml"));
    const QString settings = QDir(workDir).filePath(QStringLiteral("Settings"));
    const QString user = QDir(settings).filePath(QStringLiteral("Settings.xml"));
    const QString stamp = QDir(settings).filePath(StampName);
    if (!QDir().mkpath(settings))
        return Fail(error, QCoreApplication::translate("UserFolder", "не создаётся папка %1").arg(QDir::toNativeSeparators(settings)));
    const QByteArray bytes = ReadAll(shipped);
    if (bytes.isEmpty())
        return Fail(error, QCoreApplication::translate("UserFolder", "не читается %1").arg(QDir::toNativeSeparators(shipped)));
    const QByteArray fingerprint = QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
    if (!QFileInfo::exists(user)) {
        if (!WriteAtomically(user, bytes) || !WriteAtomically(stamp, fingerprint))
            return Fail(error, QCoreApplication::translate("UserFolder", "не записывается %1").arg(QDir::toNativeSeparators(user)));
        return true;
    }
    if (ReadAll(stamp) == fingerprint)
        return true;
    switch (MergeCatalogueFile(user, shipped)) {
    case TMergeResult::Unchanged:
    case TMergeResult::Merged:
        return WriteAtomically(stamp, fingerprint)
            || Fail(error, QCoreApplication::translate("UserFolder", "не записывается %1").arg(QDir::toNativeSeparators(stamp)));
    default:
        // The program reports what it cannot read; the merge is tried again
        // at the next start.
        return true;
    }
}

bool PrepareSource(const QString& shippedDir, const QString& workDir, QString* error)
{
    const QString from = QDir(shippedDir).filePath(QStringLiteral("Source"));
    const QString to = QDir(workDir).filePath(QStringLiteral("Source"));
    const QStringList files = FilesBelow(from);
    const QByteArray fingerprint = SourceFingerprint(from, files);
    const QString stamp = QDir(to).filePath(StampName);
    if (ReadAll(stamp) == fingerprint)
        return true;
    for (const QString& name : files) {
        const QString target = QDir(to).filePath(name);
        if (!QDir().mkpath(QFileInfo(target).path()) || !WriteAtomically(target, ReadAll(QDir(from).filePath(name))))
            return Fail(error, QCoreApplication::translate("UserFolder", "не записывается %1").arg(QDir::toNativeSeparators(target)));
    }
    return WriteAtomically(stamp, fingerprint)
        || Fail(error, QCoreApplication::translate("UserFolder", "не записывается %1").arg(QDir::toNativeSeparators(stamp)));
}

} // namespace

QString Path()
{
#ifdef Q_OS_WIN
    QString data = qEnvironmentVariable("LOCALAPPDATA");
    if (data.isEmpty())
        data = QDir::homePath() + QStringLiteral("/AppData/Local");
#else
    QString data = qEnvironmentVariable("XDG_DATA_HOME");
    if (data.isEmpty() || !QDir::isAbsolutePath(data))
        data = QDir::homePath() + QStringLiteral("/.local/share");
#endif
    return QDir::cleanPath(data + QStringLiteral("/tarnik-programmer"));
}

bool Prepare(const QString& shipped, const QString& work, QString* error)
{
    return PrepareCatalogue(shipped, work, error) && PrepareSource(shipped, work, error);
}

bool Enter(const QString& shipped, QString* error)
{
    const QString work = Path();
    const bool prepared = Prepare(shipped, work, error);
    const QString dir = prepared ? work : shipped;
    QDir::setCurrent(dir);
    StartDir = dir;
    return prepared;
}

} // namespace UserFolder
