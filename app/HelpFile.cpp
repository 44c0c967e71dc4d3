#include "app/HelpFile.h"
#include <QDir>
#include <QFile>
#include <QProcess>

namespace {

// The default application xdg-mime names for a type; empty when none is
// named or xdg-mime cannot be run.
QString DefaultApplication(const QString& mimeType)
{
    QProcess query;
    query.start(QStringLiteral("xdg-mime"), { QStringLiteral("query"), QStringLiteral("default"), mimeType });
    if (!query.waitForFinished(5000)) {
        query.kill();
        query.waitForFinished();
        return QString();
    }
    if (query.exitStatus() != QProcess::NormalExit || query.exitCode() != 0)
        return QString();
    return QString::fromLocal8Bit(query.readAllStandardOutput()).trimmed();
}

} // namespace

bool DesktopOpensWebArchives()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    return !DefaultApplication(QStringLiteral("multipart/related")).isEmpty()
        || !DefaultApplication(QStringLiteral("application/x-mimearchive")).isEmpty();
#else
    return true;   // the system's own shell knows the type
#endif
}

QString HelpFileToOpen(const QString& sourceDir, bool opensWebArchives)
{
    const QDir dir(sourceDir);
    const QString page = dir.filePath(QStringLiteral("Help.html"));
    if (!opensWebArchives && QFile::exists(page))
        return page;
    return dir.filePath(QStringLiteral("Help.mht"));
}
