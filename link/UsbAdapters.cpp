#include "link/UsbAdapters.h"
#include "document/FileRead.h"
#include "link/SystemRoots.h"
#include <QDir>
#include <QFileInfo>
#include <QSerialPortInfo>

namespace {

constexpr quint16 Ch340Vendor = 0x1a86;
constexpr quint16 Ch340Product = 0x7523;
const QString Ch340Driver = QStringLiteral("ch341");
const QString Brltty = QStringLiteral("brltty");

QString IdsText(quint16 vendor, quint16 product)
{
    return QStringLiteral("%1:%2").arg(vendor, 4, 16, QLatin1Char('0')).arg(product, 4, 16, QLatin1Char('0'));
}

// A sysfs attribute holding a hexadecimal id; -1 when absent.
int HexAttribute(const QString& path)
{
    QByteArray bytes;
    if (!ReadRegularFile(path, MaxSystemFileSize, bytes).isEmpty())
        return -1;
    bool ok = false;
    const int value = bytes.trimmed().toInt(&ok, 16);
    return ok ? value : -1;
}

} // namespace

QString TUsbDetails::Ids() const
{
    return usb ? IdsText(vendorId, productId) : QString();
}

QString TClaimedAdapter::Ids() const
{
    return IdsText(vendorId, productId);
}

TUsbDetails UsbDetailsOf(const QString& device, const QList<QSerialPortInfo>& ports)
{
    TUsbDetails d;
    for (const QSerialPortInfo& info : ports) {
#ifdef Q_OS_WIN
        // \\.\COMn as the system names it; the description is the port's
        // friendly name in the Device Manager.
        if (info.systemLocation().compare(device, Qt::CaseInsensitive) != 0)
            continue;
#else
        const QString location = QFileInfo(info.systemLocation()).canonicalFilePath();
        if (location.isEmpty() || location != device)
            continue;
#endif
        d.usb = info.hasVendorIdentifier() && info.hasProductIdentifier();
        d.manufacturer = info.manufacturer();
        d.description = info.description();
        d.serialNumber = info.serialNumber();
        d.vendorId = info.vendorIdentifier();
        d.productId = info.productIdentifier();
        break;
    }
    return d;
}

QList<TClaimedAdapter> AdaptersClaimedByBrltty()
{
    QList<TClaimedAdapter> claimed;
    const QList<TPortHolder> brltty = ProcessesNamed(Brltty);
    if (brltty.isEmpty())
        return claimed;
    const QDir usb(SystemRoots().sys + QStringLiteral("/bus/usb/devices"));
    const QStringList names = usb.entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& name : names) {
        if (HexAttribute(usb.filePath(name + QStringLiteral("/idVendor"))) != Ch340Vendor
            || HexAttribute(usb.filePath(name + QStringLiteral("/idProduct"))) != Ch340Product)
            continue;
        // The device's interfaces are listed beside it as "<device>:<config>.<interface>".
        QString driver;
        bool serial = false;
        for (const QString& entry : names) {
            if (!entry.startsWith(name + QLatin1Char(':')))
                continue;
            const QFileInfo link(usb.filePath(entry + QStringLiteral("/driver")));
            const QString bound = link.isSymLink() ? QFileInfo(link.symLinkTarget()).fileName() : QString();
            if (bound == Ch340Driver)
                serial = true;
            else if (!bound.isEmpty())
                driver = bound;
        }
        if (!serial)
            claimed.append({name, Ch340Vendor, Ch340Product, driver, brltty});
    }
    return claimed;
}
