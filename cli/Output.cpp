#include "cli/Output.h"
#include <QByteArray>
#include <cstdio>
#include <mutex>
#ifdef Q_OS_WIN
#include <io.h>
#define isatty _isatty
#define STDERR_FILENO 2
#else
#include <unistd.h>
#endif

namespace {
std::mutex& Lock()
{
    static std::mutex m;
    return m;
}

bool Write(FILE* to, const QByteArray& bytes)
{
    std::lock_guard<std::mutex> guard(Lock());
    const size_t written = std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), to);
    return std::fflush(to) == 0 && written == static_cast<size_t>(bytes.size());
}
} // namespace

void PrintOut(const QString& text) { Write(stdout, (text + QLatin1Char('\n')).toUtf8()); }
void PrintErr(const QString& text) { Write(stderr, (text + QLatin1Char('\n')).toUtf8()); }
bool PrintOutBytes(const QByteArray& bytes) { return Write(stdout, bytes); }
void PrintErrRaw(const QString& text) { Write(stderr, text.toUtf8()); }
bool ErrIsTerminal() { return ::isatty(STDERR_FILENO) == 1; }
