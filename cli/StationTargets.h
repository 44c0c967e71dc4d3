#pragma once
#include "cli/Arguments.h"
#include "cli/StationSession.h"
#include <QMap>
#include <QStringList>

class TCliContext;

// The options of the commands that talk to stations: --port, --ports,
// --baud and --trace.
QList<TOptionRule> StationLineOptions();

// The stations a command talks to: the ports, the line rate and the trace
// of each port's bytes, all checked (and the trace files opened) before any
// port is. With --verbose, the device each COM number resolved to is named.
class TStationTargets {
public:
    // The ports of --port and --ports (at least one).
    bool Collect(TCliContext& cx, int& code);
    // The given ports (a search's): the rate and the traces.
    bool CollectFor(TCliContext& cx, const QStringList& ports, int& code);

    const QStringList& Ports() const { return ports; }
    int Baud() const { return baud; }
    TLineSetup Setup(const QString& port) const;

private:
    bool OpenTraces(TCliContext& cx, int& code);

    QStringList ports;
    int baud = 4800;
    QMap<QString, std::shared_ptr<TLineTrace>> traces;
};
