#include "app/HelpFile.h"
#include <QDir>
#include <QFile>
#include <QProcess>

namespace {

#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
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
#endif

} // namespace

bool DesktopOpensWebArchives()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    return !DefaultApplication(QStringLiteral("multipart/related")).isEmpty()
        || !DefaultApplication(QStringLiteral("application/x-mimearchive")).isEmpty();
#else
    // Windows: the default browser opens the page; web archives are left to
    // Internet Explorer, which current systems no longer have.
    return false;
#endif
}

QString HelpFileToOpen(const QString& sourceDir, bool opensWebArchives, TLanguage language)
{
    const QDir dir(sourceDir);
    QString guide = QStringLiteral("Help");
    if (language == TLanguage::English
        && (QFile::exists(dir.filePath(QStringLiteral("Help.en.mht")))
            || QFile::exists(dir.filePath(QStringLiteral("Help.en.html")))))
        guide = QStringLiteral("Help.en");
    const QString page = dir.filePath(guide + QStringLiteral(".html"));
    if (!opensWebArchives && QFile::exists(page))
        return page;
    return dir.filePath(guide + QStringLiteral(".mht"));
}
