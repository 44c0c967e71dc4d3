#include "tools/fuzz/FuzzTargets.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

void FuzzRequire(bool ok, const char* what)
{
    if (ok)
        return;
    std::fprintf(stderr, "fuzz invariant broken: %s\n", what);
    std::abort();
}

QString FuzzScratchFile(const QString& name, const uint8_t* data, size_t size)
{
    // In memory where there is a tmpfs: the saves of the targets sync
    // their files, which on a disk would be most of the time spent.
    static QTemporaryDir dir(QFileInfo(QStringLiteral("/dev/shm")).isWritable()
                                 ? QStringLiteral("/dev/shm/tarnik-fuzz-XXXXXX")
                                 : QDir::tempPath() + QStringLiteral("/tarnik-fuzz-XXXXXX"));
    const QString path = dir.filePath(name);
    QFile file(path);
    const bool written = file.open(QIODevice::WriteOnly | QIODevice::Truncate)
        && file.write(reinterpret_cast<const char*>(data), qint64(size)) == qint64(size);
    FuzzRequire(written, "the scratch file cannot be written");
    return path;
}
