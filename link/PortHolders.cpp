#include "link/PortHolders.h"
#include <QStringList>

QString TPortHolder::Text() const
{
    return QStringLiteral("%1 (pid %2)").arg(program.isEmpty() ? QStringLiteral("?") : program).arg(pid);
}

QString HoldersText(const QList<TPortHolder>& holders)
{
    QStringList texts;
    for (const TPortHolder& h : holders)
        texts << h.Text();
    return texts.join(QStringLiteral(", "));
}

#ifdef Q_OS_WIN

// Windows shows no other program's handles to an ordinary user: a port held
// elsewhere is refused by the system itself when it is opened.
QList<TPortHolder> PortHolders(const QString&) { return {}; }
QList<TPortHolder> ProcessesNamed(const QString&) { return {}; }

#else

#include "document/FileRead.h"
#include "link/SystemRoots.h"
#include <algorithm>
#include <dirent.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {

// The kernel's device numbers of the pseudo-terminal multiplexer and of
// the slave sides (Unix98 ptys take majors 136 to 143).
constexpr unsigned PtmxMajor = 5;
constexpr unsigned PtmxMinor = 2;
constexpr unsigned PtySlaveFirstMajor = 136;
constexpr unsigned PtySlaveMajors = 8;

// The pty index of a slave device number, or -1 for anything else.
long PtyIndex(dev_t device)
{
    const unsigned ma = major(device);
    if (ma < PtySlaveFirstMajor || ma >= PtySlaveFirstMajor + PtySlaveMajors)
        return -1;
    return long(ma - PtySlaveFirstMajor) * 256 + long(minor(device));
}

// The pty index a master descriptor serves ("tty-index:" of its fdinfo).
long MasterIndex(const QString& fdinfo)
{
    QByteArray bytes;
    if (!ReadRegularFile(fdinfo, MaxSystemFileSize, bytes).isEmpty())
        return -1;
    const QList<QByteArray> lines = bytes.split('\n');
    for (const QByteArray& line : lines) {
        if (line.startsWith("tty-index:")) {
            bool ok = false;
            const long index = line.mid(10).trimmed().toLong(&ok);
            return ok ? index : -1;
        }
    }
    return -1;
}

// The names in a directory; empty when it cannot be read.
QStringList Entries(const QString& path)
{
    QStringList names;
    DIR* dir = ::opendir(path.toLocal8Bit().constData());
    if (!dir)
        return names;
    while (const dirent* e = ::readdir(dir)) {
        if (e->d_name[0] != '.')
            names << QString::fromLocal8Bit(e->d_name);
    }
    ::closedir(dir);
    return names;
}

QStringList ProcessIds()
{
    QStringList pids;
    for (const QString& name : Entries(SystemRoots().proc)) {
        bool ok = false;
        name.toLongLong(&ok);
        if (ok)
            pids << name;
    }
    return pids;
}

QString ProgramName(const QString& pid)
{
    QByteArray bytes;
    if (!ReadRegularFile(SystemRoots().proc + QLatin1Char('/') + pid + QStringLiteral("/comm"), MaxSystemFileSize,
                         bytes).isEmpty())
        return QString();
    return QString::fromLocal8Bit(bytes).trimmed();
}

void SortByPid(QList<TPortHolder>& list)
{
    std::sort(list.begin(), list.end(), [](const TPortHolder& a, const TPortHolder& b) { return a.pid < b.pid; });
}

bool IsOwnProcess(const QString& pid)
{
    return pid.toLongLong() == qint64(::getpid());
}

} // namespace

QList<TPortHolder> PortHolders(const QString& device)
{
    QList<TPortHolder> holders;
    struct stat target;
    if (device.isEmpty() || ::stat(device.toLocal8Bit().constData(), &target) != 0 || !S_ISCHR(target.st_mode))
        return holders;
    const long ptyIndex = PtyIndex(target.st_rdev);
    const QString proc = SystemRoots().proc;
    for (const QString& pid : ProcessIds()) {
        if (IsOwnProcess(pid))
            continue;
        const QString fdDir = proc + QLatin1Char('/') + pid + QStringLiteral("/fd");
        // Another user's descriptors are not listed: nothing to see there.
        const QStringList fds = Entries(fdDir);
        bool holds = false;
        bool farEnd = false;
        for (const QString& fd : fds) {
            struct stat st;
            if (::stat(QString(fdDir + QLatin1Char('/') + fd).toLocal8Bit().constData(), &st) != 0
                || !S_ISCHR(st.st_mode))
                continue;
            if (st.st_rdev == target.st_rdev)
                holds = true;
            else if (ptyIndex >= 0 && st.st_rdev == makedev(PtmxMajor, PtmxMinor)
                     && MasterIndex(proc + QLatin1Char('/') + pid + QStringLiteral("/fdinfo/") + fd) == ptyIndex)
                farEnd = true;
        }
        if (holds && !farEnd)
            holders.append({pid.toLongLong(), ProgramName(pid)});
    }
    SortByPid(holders);
    return holders;
}

QList<TPortHolder> ProcessesNamed(const QString& program)
{
    QList<TPortHolder> found;
    for (const QString& pid : ProcessIds()) {
        if (ProgramName(pid) == program)
            found.append({pid.toLongLong(), program});
    }
    SortByPid(found);
    return found;
}

#endif
