#include "tools/fuzz/FuzzTargets.h"
#include <QFile>
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
    static QTemporaryDir dir;
    const QString path = dir.filePath(name);
    QFile file(path);
    const bool written = file.open(QIODevice::WriteOnly | QIODevice::Truncate)
        && file.write(reinterpret_cast<const char*>(data), qint64(size)) == qint64(size);
    FuzzRequire(written, "the scratch file cannot be written");
    return path;
}
