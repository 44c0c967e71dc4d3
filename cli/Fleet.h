#pragma once
#include "cli/StationJobs.h"
#include <QList>
#include <QStringList>
#include <functional>

// Runs the job for every port at once, one thread per port, and gives the
// results in the order of the ports. One station failing stops no other.
QList<TStationResult> RunFleet(const QStringList& ports,
                               const std::function<TStationResult(const QString& port)>& job);

// The ports a command names: every --port (COMn in any letter case, or a
// device path) and every range of --ports ("COM1-COM8", "COM3"), in order,
// each once. False, with the reason, for a name that is neither.
bool CollectPorts(const QStringList& single, const QStringList& ranges, QStringList& ports, QString* reason);

// The summary table of a fleet: port, result, bytes written, verify,
// backup file, seconds; or the same as a JSON array.
QString SummaryTable(const QList<TStationResult>& results);
QByteArray SummaryJson(const QList<TStationResult>& results);
