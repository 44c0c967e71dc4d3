// The commands about ports: ports and search.
#include "cli/CliContext.h"
#include "cli/Commands.h"
#include "cli/ExitCodes.h"
#include "cli/Fleet.h"
#include "cli/Output.h"
#include "cli/Progress.h"
#include "cli/StationSession.h"
#include "cli/StationTargets.h"
#include "link/PortMap.h"
#include "link/PortSurvey.h"
#include <QCoreApplication>
#include <QJsonArray>
#include <algorithm>
#include <QJsonDocument>
#include <QJsonObject>

namespace {


// Why a number of the map has no entry in the survey.
QString WithoutDevice(int n)
{
    return PortMap::DevicePath(n).isEmpty() && !PortMap::PortsDirEntry(n).isEmpty()
        ? QCoreApplication::translate("CmdPorts", "скрыт записью каталога портов")
        : QCoreApplication::translate("CmdPorts", "нет устройства");
}

QJsonObject UsbJson(const TUsbDetails& usb)
{
    return QJsonObject{{"ids", usb.Ids()}, {"manufacturer", usb.manufacturer}, {"description", usb.description},
                       {"serialNumber", usb.serialNumber}};
}

int Ports(TCliContext& cx)
{
    if (!cx.args.positional.isEmpty())
        return cx.InputError(QCoreApplication::translate("CmdPorts", "ports: лишнее слово %1").arg(cx.args.positional.first()));
    const QString portsDir = PortMap::PortsDirProblem();
    if (!portsDir.isEmpty())
        return cx.InputError(portsDir);
    const TPortSurvey survey = SurveyPorts();
    QJsonArray list;
    QStringList lines;
    for (int n = PortMap::FirstPort; n <= PortMap::LastPort; ++n) {
        const auto found = std::find_if(survey.entries.cbegin(), survey.entries.cend(),
                                        [n](const TPortEntry& entry) { return entry.number == n; });
        const TPortEntry* e = found == survey.entries.cend() ? nullptr : &*found;
        const QString name = QStringLiteral("COM") + QString::number(n);
        const QString device = e ? e->device : QString();
        const QString why = e ? e->WhyNot() : WithoutDevice(n);
        QJsonObject o{{"port", name}, {"device", device}, {"available", e && e->CanOpen()}};
        QString line = QStringLiteral("%1  %2  %3")
                           .arg(name.leftJustified(5), (device.isEmpty() ? QStringLiteral("-") : device).leftJustified(16),
                                e && e->CanOpen() ? QCoreApplication::translate("CmdPorts", "можно открыть") : why);
        if (!why.isEmpty())
            o.insert(QStringLiteral("reason"), why);
        if (e && !e->holders.isEmpty()) {
            QJsonArray holders;
            for (const TPortHolder& h : e->holders)
                holders.append(QJsonObject{{"pid", h.pid}, {"program", h.program}});
            o.insert(QStringLiteral("holders"), holders);
        }
        if (e && e->usb.usb) {
            o.insert(QStringLiteral("usb"), UsbJson(e->usb));
            line += QStringLiteral("  USB %1 %2 %3").arg(e->usb.Ids(), e->usb.manufacturer, e->usb.description).trimmed();
        }
        list.append(o);
        lines << line;
    }
    if (cx.json)
        PrintOut(QString::fromUtf8(QJsonDocument(list).toJson(QJsonDocument::Indented)));
    else
        PrintOut(lines.join(QLatin1Char('\n')));
    return ExitOk;
}

// Asks the station on the port who it is, as the search dialog does.
TStationResult Identify(const TLineSetup& line, const QString& device, TProgressBoard& board)
{
    TStationResult r;
    r.port = line.port;
    TStationSession session(line);
    board.Step(line.port, 0, 1, QCoreApplication::translate("CmdPorts", "опрос"));
    const bool answered = session.Line().OpenDevice(device, line.baud) && session.Link().Identify();
    session.Line().ClosePort();
    r.code = answered ? ExitOk : ExitStation;
    r.result = answered ? QCoreApplication::translate("CmdPorts", "станция отвечает") : QCoreApplication::translate("CmdPorts", "нет ответа");
    r.file = device;
    // A port without a station is what a search expects: no failure.
    board.Done(line.port, r.result);
    return r;
}

int Search(TCliContext& cx)
{
    const QString portsDir = PortMap::PortsDirProblem();
    if (!portsDir.isEmpty())
        return cx.InputError(portsDir);
    const TPortSurvey survey = SurveyPorts();
    QStringList ports;
    QMap<QString, QString> devices;
    for (const TPortEntry& e : survey.Available()) {
        ports << e.Text();
        devices.insert(e.Text(), e.device);
    }
    TStationTargets targets;
    int code = ExitOk;
    if (!targets.CollectFor(cx, ports, code))
        return code;
    const int baud = targets.Baud();
    QList<TStationResult> results;
    {
        TProgressBoard board(ports, ErrIsTerminal(), cx.quiet);
        results = RunFleet(ports, [&](const QString& port) {
            return Identify(targets.Setup(port), devices.value(port), board);
        });
    }
    QJsonArray found;
    QStringList lines;
    for (const TStationResult& r : results) {
        if (!r.Ok())
            continue;
        found.append(QJsonObject{{"port", r.port}, {"device", r.file}, {"baud", baud}});
        lines << QStringLiteral("%1  %2").arg(r.port.leftJustified(5), r.file);
    }
    if (cx.json)
        PrintOut(QString::fromUtf8(QJsonDocument(found).toJson(QJsonDocument::Indented)));
    else if (!lines.isEmpty())
        PrintOut(lines.join(QLatin1Char('\n')));
    if (found.isEmpty()) {
        PrintErr(QCoreApplication::translate("CmdPorts", "Станция не найдена ни на одном порту (%1 бод).").arg(baud));
        return ExitStation;
    }
    return ExitOk;
}

// The rate and the trace of the station commands; the search finds its
// ports itself.
QList<TOptionRule> SearchOptions()
{
    QList<TOptionRule> options;
    for (const TOptionRule& o : StationLineOptions()) {
        if (o.name == QLatin1String("--baud") || o.name == QLatin1String("--trace"))
            options << o;
    }
    return options;
}

} // namespace

QList<TCommand> PortCommands()
{
    return {
        {QStringLiteral("ports"), QCoreApplication::translate("CmdPorts", "порты COM1 - COM32: устройство, можно ли открыть, почему нет"),
         QStringLiteral("ports [--json]"), {}, Ports},
        {QStringLiteral("search"), QCoreApplication::translate("CmdPorts", "ищет станции на всех доступных портах"),
         QStringLiteral("search [--baud B] [--trace FILE] [--json]"), SearchOptions(), Search},
    };
}
