#include "link/PortSurvey.h"
#include "link/PortMap.h"
#include "link/SerialLine.h"
#include <QFileInfo>
#include <QStringList>

QString TPortEntry::Text() const
{
    return QStringLiteral("COM") + QString::number(number);
}

TPortSurvey SurveyPorts()
{
    TPortSurvey survey;
    for (int n = PortMap::FirstPort; n <= PortMap::LastPort; ++n) {
        const QString device = PortMap::DevicePath(n);
        if (device.isEmpty())
            continue;
#ifndef Q_OS_WIN
        if (!QFileInfo::exists(device))
            continue;
#endif
        switch (TSerialLine::Probe(device)) {
        case TSerialLine::OpenResult::Opened:
            survey.available.append({n, device});
            break;
        case TSerialLine::OpenResult::NoPermission:
            survey.refused.append({n, device});
            break;
        default:
            break;
        }
    }
    return survey;
}

QString PermissionNotice(const QList<TPortEntry>& refused)
{
    if (refused.isEmpty())
        return QString();
    QStringList ports;
    for (const TPortEntry& e : refused)
        ports << QStringLiteral("%1 (%2)").arg(e.Text(), e.device);
    return QStringLiteral("Нет прав на доступ к портам: %1. Добавьте пользователя в группу dialout "
                          "(sudo usermod -aG dialout $USER) и войдите в систему заново.")
        .arg(ports.join(QStringLiteral(", ")));
}
