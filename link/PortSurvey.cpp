#include "link/PortSurvey.h"
#include "link/PortMap.h"
#include <QCoreApplication>
#include <QFileInfo>
#include <QSerialPortInfo>
#include <QStringList>

namespace {

QList<TPortEntry> InState(const QList<TPortEntry>& entries, TSerialLine::OpenResult state)
{
    QList<TPortEntry> found;
    for (const TPortEntry& e : entries) {
        if (e.state == state)
            found.append(e);
    }
    return found;
}

// Tries the device as the station operations open it, and keeps who holds it.
void Probe(TPortEntry& entry)
{
#ifndef Q_OS_WIN
    if (!QFileInfo::exists(entry.device)) {
        entry.state = TSerialLine::OpenResult::Missing;
        return;
    }
#endif
    TSerialLine line;
    line.OpenDevice(entry.device, 9600);
    entry.state = line.LastOpenResult();
    entry.holders = line.LastHolders();
    line.ClosePort();
}

} // namespace

QString TPortEntry::Text() const
{
    return QStringLiteral("COM") + QString::number(number);
}

QString TPortEntry::WhyNot() const
{
    switch (state) {
    case TSerialLine::OpenResult::Opened:
        return QString();
    case TSerialLine::OpenResult::Missing:
        return QCoreApplication::translate("PortSurvey", "нет устройства");
    case TSerialLine::OpenResult::NoPermission:
        return QCoreApplication::translate("PortSurvey", "нет прав доступа");
    case TSerialLine::OpenResult::Busy:
        return holders.isEmpty() ? QCoreApplication::translate("PortSurvey", "занят другой программой")
                                 : QCoreApplication::translate("PortSurvey", "занят: %1").arg(HoldersText(holders));
    case TSerialLine::OpenResult::Failed:
        break;
    }
    return QCoreApplication::translate("PortSurvey", "не открывается как порт");
}

QString TPortEntry::ToolTip() const
{
    QStringList lines{device};
    if (!usb.description.isEmpty())
        lines << usb.description;
    if (!usb.manufacturer.isEmpty())
        lines << QCoreApplication::translate("PortSurvey", "Изготовитель: %1").arg(usb.manufacturer);
    if (!usb.serialNumber.isEmpty())
        lines << QCoreApplication::translate("PortSurvey", "Серийный номер: %1").arg(usb.serialNumber);
    if (usb.usb)
        lines << QStringLiteral("USB VID:PID ") + usb.Ids();
    return lines.join(QLatin1Char('\n'));
}

QList<TPortEntry> TPortSurvey::Available() const
{
    return InState(entries, TSerialLine::OpenResult::Opened);
}

QList<TPortEntry> TPortSurvey::Refused() const
{
    return InState(entries, TSerialLine::OpenResult::NoPermission);
}

QList<TPortEntry> TPortSurvey::Busy() const
{
    return InState(entries, TSerialLine::OpenResult::Busy);
}

TPortSurvey SurveyPorts()
{
    TPortSurvey survey;
    const QList<QSerialPortInfo> system = QSerialPortInfo::availablePorts();
    for (int n = PortMap::FirstPort; n <= PortMap::LastPort; ++n) {
        TPortEntry entry;
        entry.number = n;
        entry.device = PortMap::DevicePath(n);
        if (entry.device.isEmpty())
            continue;
        Probe(entry);
        if (entry.state != TSerialLine::OpenResult::Missing)
            entry.usb = UsbDetailsOf(entry.device, system);
        survey.entries.append(entry);
    }
    survey.claimed = AdaptersClaimedByBrltty();
    return survey;
}
