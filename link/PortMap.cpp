#include "link/PortMap.h"
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QtGlobal>

namespace PortMap {

namespace {

#ifndef Q_OS_WIN
// Blocks of the default assignment: port numbers first..first+count-1 go
// to prefix0..prefix(count-1).
struct DefaultBlock {
    int first;
    int count;
    const char* prefix;
};

constexpr DefaultBlock DefaultBlocks[] = {
    {1, 8, "/dev/ttyS"},
    {9, 16, "/dev/ttyUSB"},
    {25, 8, "/dev/ttyACM"},
};

bool InRange(int number)
{
    return number >= FirstPort && number <= LastPort;
}
#endif

} // namespace

QString DefaultDevice(int number)
{
#ifdef Q_OS_WIN
    return number >= 1 ? QStringLiteral("\\\\.\\COM%1").arg(number) : QString();
#else
    for (const DefaultBlock& b : DefaultBlocks) {
        if (number >= b.first && number < b.first + b.count)
            return QString::fromLatin1(b.prefix) + QString::number(number - b.first);
    }
    return QString();
#endif
}

QString PortsDirEntry(int number)
{
#ifdef Q_OS_WIN
    Q_UNUSED(number);
    return QString();
#else
    if (!InRange(number))
        return QString();
    const QString dir = qEnvironmentVariable(PortsDirVariable);
    if (dir.isEmpty())
        return QString();
    const QString entry = QDir(dir).filePath(QStringLiteral("COM") + QString::number(number));
    const QFileInfo info(entry);
    // A link that leads nowhere is still an entry.
    return info.exists() || info.isSymLink() ? entry : QString();
#endif
}

QString DevicePath(int number)
{
    const QString entry = PortsDirEntry(number);
    if (!entry.isEmpty())
        return QFileInfo(entry).canonicalFilePath();
    return DefaultDevice(number);
}

QString PortsDirProblem()
{
#ifdef Q_OS_WIN
    return QString();
#else
    const QString dir = qEnvironmentVariable(PortsDirVariable);
    if (dir.isEmpty())
        return QString();
    const QFileInfo info(dir);
    if (info.isDir())
        return QString();
    return info.exists() ? QCoreApplication::translate("PortMap", "%1=%2: это не папка").arg(QLatin1String(PortsDirVariable), dir)
                         : QCoreApplication::translate("PortMap", "%1=%2: нет такой папки").arg(QLatin1String(PortsDirVariable), dir);
#endif
}

QString ResolutionText(int number)
{
    const QString name = QStringLiteral("COM") + QString::number(number);
    const QString entry = PortsDirEntry(number);
    const QString device = DevicePath(number);
    if (!entry.isEmpty())
        return device.isEmpty() ? QCoreApplication::translate("PortMap", "%1: запись %2 никуда не ведёт").arg(name, entry)
                                : QStringLiteral("%1: %2 (%3)").arg(name, device, entry);
    return device.isEmpty() ? QCoreApplication::translate("PortMap", "%1: нет устройства").arg(name) : QStringLiteral("%1: %2").arg(name, device);
}

} // namespace PortMap
