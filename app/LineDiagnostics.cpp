#include "app/LineDiagnostics.h"
#include "app/Fjournal.h"
#include "link/Fportcheck.h"
#include "link/LineTrace.h"
#include "link/PortMap.h"
#include "link/SerialLine.h"
#include <QCoreApplication>

namespace {
constexpr int IconSuccess = 5;
constexpr int IconError = 6;
} // namespace

void StartLineDiagnostics()
{
    const QString portsDir = PortMap::PortsDirProblem();
    if (!portsDir.isEmpty())
        f_journal->AddEvent(IconError, QCoreApplication::translate("LineDiagnostics", "%1: порты COM1 - COM32 взяты по умолчанию.").arg(portsDir));

    const QString path = qEnvironmentVariable(TraceVariable);
    if (path.isEmpty())
        return;
    QString reason;
    std::shared_ptr<TLineTrace> trace = OpenTraceFile(path, &reason);
    if (!trace) {
        f_journal->AddEvent(IconError, QCoreApplication::translate("LineDiagnostics", "Журнал обмена не ведётся: %1: %2.").arg(path, reason));
        return;
    }
    f_port->Line().SetTrace(trace);
    f_journal->AddEvent(IconSuccess, QCoreApplication::translate("LineDiagnostics", "Журнал обмена со станцией пишется в %1.").arg(path));
}
