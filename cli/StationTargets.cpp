#include "cli/StationTargets.h"
#include "cli/CliContext.h"
#include "cli/FileArguments.h"
#include "cli/Fleet.h"
#include "link/LineTrace.h"
#include "link/PortMap.h"
#include <QCoreApplication>

QList<TOptionRule> StationLineOptions()
{
    return {
        {QStringLiteral("--port"), QStringLiteral("P"), QCoreApplication::translate("StationTargets", "порт: COMn или путь к устройству; можно несколько раз"),
         true},
        {QStringLiteral("--ports"), QStringLiteral("COMa-COMb"), QCoreApplication::translate("StationTargets", "диапазон портов, например COM1-COM8"), true},
        {QStringLiteral("--baud"), QStringLiteral("B"), QCoreApplication::translate("StationTargets", "скорость: 4800 (по умолчанию), 9600 или 19200")},
        {QStringLiteral("--trace"), QStringLiteral("FILE"),
         QCoreApplication::translate("StationTargets", "каждый байт обмена со временем в файл; для нескольких портов файл на порт "
                                                       "(к имени добавляется порт)")},
    };
}

bool TStationTargets::Collect(TCliContext& cx, int& code)
{
    QStringList named;
    QString reason;
    if (!CollectPorts(cx.args.Values(QStringLiteral("--port")), cx.args.Values(QStringLiteral("--ports")), named,
                      &reason)) {
        code = cx.InputError(reason);
        return false;
    }
    if (named.isEmpty()) {
        code = cx.InputError(QCoreApplication::translate("StationTargets", "не указан порт (--port P или --ports COMa-COMb)"));
        return false;
    }
    return CollectFor(cx, named, code);
}

bool TStationTargets::CollectFor(TCliContext& cx, const QStringList& given, int& code)
{
    QString reason;
    if (!BaudOption(cx.args, baud, &reason)) {
        code = cx.InputError(reason);
        return false;
    }
    // A ports directory that is not there would leave every COM number on
    // its default device: a station answering there is not the one meant.
    const QString portsDir = PortMap::PortsDirProblem();
    if (!portsDir.isEmpty()) {
        code = cx.InputError(portsDir);
        return false;
    }
    ports = given;
    for (const QString& port : ports) {
        if (port.startsWith(QLatin1String("COM")))
            cx.Note(PortMap::ResolutionText(port.mid(3).toInt()));
    }
    return OpenTraces(cx, code);
}

bool TStationTargets::OpenTraces(TCliContext& cx, int& code)
{
    const QString path = cx.args.Value(QStringLiteral("--trace"));
    if (path.isEmpty())
        return true;
    // Standard output carries the results, and a trace on standard error
    // would mix with the progress: the trace goes to a file only.
    if (path == QLatin1String("-") || IsStandardOutput(path) || path == QLatin1String("/dev/stderr")) {
        code = cx.InputError(QCoreApplication::translate("StationTargets", "--trace %1: журнал обмена пишется только в файл").arg(path));
        return false;
    }
    for (const QString& port : ports) {
        const QString file = ports.size() > 1 ? TraceFileForPort(path, port) : path;
        QString reason;
        std::shared_ptr<TLineTrace> trace = OpenTraceFile(file, &reason);
        if (!trace) {
            code = cx.InputError(QStringLiteral("--trace %1: %2").arg(file, reason));
            return false;
        }
        cx.Note(QCoreApplication::translate("StationTargets", "%1: обмен записывается в %2").arg(port, file));
        traces.insert(port, trace);
    }
    return true;
}

TLineSetup TStationTargets::Setup(const QString& port) const
{
    return TLineSetup{port, baud, traces.value(port)};
}
