#include "link/Backups.h"
#include "app/UserFolder.h"
#include <QDir>
#include <QFile>

namespace Backups {

namespace {
// More backups in one second than any technician takes; past it, something
// else is wrong with the folder.
constexpr int MaxNumber = 1000;
} // namespace

QString Folder()
{
    return UserFolder::Path() + QStringLiteral("/backups");
}

QString FileName(const QDateTime& when, int number)
{
    QString name = QStringLiteral("station-") + when.toString(QStringLiteral("yyyyMMdd-HHmmss"));
    if (number > 1)
        name += QLatin1Char('-') + QString::number(number);
    return name + QStringLiteral(".bin");
}

QString Save(const QString& folder, const QByteArray& image, const QDateTime& when, QString* error)
{
    auto fail = [error](const QString& reason) {
        if (error)
            *error = reason;
        return QString();
    };
    if (!QDir().mkpath(folder))
        return fail(QStringLiteral("cannot create the folder %1").arg(folder));
    for (int number = 1; number <= MaxNumber; ++number) {
        const QString path = QDir(folder).filePath(FileName(when, number));
        QFile file(path);
        // NewOnly fails when the name exists, also when another thread or
        // program took it a moment ago: no backup is ever overwritten.
        if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            if (file.exists())
                continue;
            return fail(QStringLiteral("cannot create %1: %2").arg(path, file.errorString()));
        }
        const bool written = file.write(image) == image.size() && file.flush();
        file.close();
        if (written && file.error() == QFileDevice::NoError)
            return path;
        const QString reason = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
        file.remove();
        return fail(reason);
    }
    return fail(QStringLiteral("too many backups in %1 for one second").arg(folder));
}

} // namespace Backups
