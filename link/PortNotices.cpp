#include "link/PortNotices.h"
#include "link/PortMap.h"
#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>

const QString ModemManagerRulesFile = QStringLiteral("/etc/udev/rules.d/99-tarnik.rules");

namespace {

const QString ModemManager = QStringLiteral("ModemManager");

bool HeldByModemManager(const TPortEntry& e)
{
    for (const TPortHolder& h : e.holders) {
        if (h.program == ModemManager)
            return true;
    }
    return false;
}

QString HeldText(const QString& port, const QList<TPortHolder>& holders)
{
    return holders.isEmpty() ? QCoreApplication::translate("PortNotices", "%1 занят другой программой.").arg(port)
                             : QCoreApplication::translate("PortNotices", "%1 занят программой %2.").arg(port, HoldersText(holders));
}

QString PortWithDevice(const TPortEntry& e)
{
    return QStringLiteral("%1 (%2)").arg(e.Text(), e.device);
}

} // namespace

QString PermissionNotice(const QList<TPortEntry>& refused)
{
    if (refused.isEmpty())
        return QString();
    QStringList ports;
    for (const TPortEntry& e : refused)
        ports << PortWithDevice(e);
    return QCoreApplication::translate("PortNotices", "Нет прав на доступ к портам: %1. Добавьте пользователя в группу dialout "
                                                      "(sudo usermod -aG dialout $USER) и войдите в систему заново.")
        .arg(ports.join(QStringLiteral(", ")));
}

QString ModemManagerRule(const TPortEntry& entry)
{
    const QString ignore = QStringLiteral("ENV{ID_MM_DEVICE_IGNORE}=\"1\"");
    if (entry.usb.usb) {
        return QStringLiteral("ATTRS{idVendor}==\"%1\", ATTRS{idProduct}==\"%2\", %3")
            .arg(entry.usb.vendorId, 4, 16, QLatin1Char('0'))
            .arg(entry.usb.productId, 4, 16, QLatin1Char('0'))
            .arg(ignore);
    }
    return QStringLiteral("KERNEL==\"%1\", %2").arg(QFileInfo(entry.device).fileName(), ignore);
}

QString BusyNotice(const QList<TPortEntry>& busy)
{
    QStringList paragraphs;
    for (const TPortEntry& e : busy) {
        paragraphs << HeldText(PortWithDevice(e), e.holders);
        if (HeldByModemManager(e)) {
            paragraphs << QCoreApplication::translate("PortNotices", "Чтобы ModemManager не занимал адаптер, добавьте в файл %1 строку\n%2\n"
                                                                     "затем выполните sudo udevadm control --reload-rules "
                                                                     "и переподключите адаптер.")
                              .arg(ModemManagerRulesFile, ModemManagerRule(e));
        }
    }
    return paragraphs.join(QLatin1Char('\n'));
}

QString BrlttyNotice(const QList<TClaimedAdapter>& claimed)
{
    QStringList paragraphs;
    for (const TClaimedAdapter& a : claimed) {
        paragraphs << QCoreApplication::translate("PortNotices", "Адаптер CH340 (%1) захвачен программой %2 и не стал COM портом. "
                                                                 "Если брайлевский дисплей не нужен, удалите её "
                                                                 "(sudo apt remove brltty) и переподключите адаптер.")
                          .arg(a.Ids(), HoldersText(a.claimers));
    }
    return paragraphs.join(QLatin1Char('\n'));
}

QString VanishedNotice(const QString& portText)
{
    return portText.isEmpty() ? QString()
                              : QCoreApplication::translate("PortNotices", "Порт %1 не найден в системе. Он остаётся выбранным: чтение и запись "
                                                                           "не начнутся, пока он не появится или пока не выбран другой порт.")
                                    .arg(portText);
}

QString HeldPortNotice(const QString& portText, const TSerialLine& line)
{
    if (line.LastOpenResult() != TSerialLine::OpenResult::Busy)
        return QString();
    return HeldText(QCoreApplication::translate("PortNotices", "Порт %1").arg(portText), line.LastHolders());
}

QString PortLabel(const QString& portText)
{
    if (portText.startsWith(QLatin1Char('/')))
        return portText;
    bool ok = false;
    const int number = portText.mid(3).toInt(&ok);
    const QString device = ok ? PortMap::DevicePath(number) : QString();
    return device.isEmpty() ? portText : QStringLiteral("%1 (%2)").arg(portText, device);
}

QString UnavailableNotice(const QString& portText, const TSerialLine& line)
{
    const QString port = PortLabel(portText);
    switch (line.LastOpenResult()) {
    case TSerialLine::OpenResult::Opened:
        return QString();
    case TSerialLine::OpenResult::Busy:
        return HeldPortNotice(portText, line);
    case TSerialLine::OpenResult::Missing:
        return QCoreApplication::translate("PortNotices", "%1 недоступен: устройства нет в системе.").arg(port);
    case TSerialLine::OpenResult::NoPermission:
        return QCoreApplication::translate("PortNotices", "%1 недоступен: нет прав на доступ к устройству.").arg(port);
    case TSerialLine::OpenResult::Failed:
        break;
    }
    return QCoreApplication::translate("PortNotices", "%1 недоступен: устройство не работает как последовательный порт.").arg(port);
}

QString SurveyNotice(const TPortSurvey& survey)
{
    QStringList paragraphs;
    for (const QString& p : {BusyNotice(survey.Busy()), PermissionNotice(survey.Refused()),
                             BrlttyNotice(survey.claimed)}) {
        if (!p.isEmpty())
            paragraphs << p;
    }
    return paragraphs.join(QLatin1Char('\n'));
}
