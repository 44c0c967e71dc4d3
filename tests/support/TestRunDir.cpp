#include "tests/support/TestRunDir.h"
#include "document/StartDir.h"
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace {
// Copies a folder with everything below it (the help page's pictures lie in
// a subfolder of Source).
bool CopyTree(const QString& from, const QString& to)
{
    if (!QDir().mkpath(to))
        return false;
    QDirIterator it(from, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    bool ok = true;
    while (it.hasNext()) {
        const QString src = it.next();
        const QString dst = QDir(to).filePath(QDir(from).relativeFilePath(src));
        ok = QDir().mkpath(QFileInfo(dst).path()) && QFile::copy(src, dst) && ok;
    }
    return ok;
}
} // namespace

TestRunDir::TestRunDir()
    : previousStartDir(StartDir)
{
    if (!dir.isValid())
        return;
    const QString run = QStringLiteral(TARNIK_RUN_DIR);
    valid = CopyTree(run + "/Settings", dir.filePath("Settings"))
        && CopyTree(run + "/Source", dir.filePath("Source"));
    StartDir = dir.path();
}

TestRunDir::~TestRunDir()
{
    StartDir = previousStartDir;
}

bool TestRunDir::IsValid() const { return valid; }
QString TestRunDir::Path() const { return dir.path(); }
QString TestRunDir::File(const QString& relative) const { return dir.filePath(relative); }
QString TestRunDir::SettingsFile() const { return File(QStringLiteral("Settings/Settings.xml")); }

bool TestRunDir::WriteSettings(const QByteArray& bytes) const
{
    QFile f(SettingsFile());
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

QByteArray TestRunDir::ReadSettings() const
{
    QFile f(SettingsFile());
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray ShippedSettings()
{
    QFile f(QStringLiteral(TARNIK_SOURCE_DIR "/data/Settings/Settings.xml"));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
