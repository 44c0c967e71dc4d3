#pragma once
#include <QList>
#include <QString>
#include <QtGlobal>

// Who else has a port open: the processes with a descriptor of the device,
// found the way fuser finds them, by looking at every /proc/<pid>/fd.
// Only what the user may see is found: the descriptors of another user's
// processes are hidden from an ordinary user. On Windows nothing is found:
// the system refuses a held port itself and does not say to whom.
struct TPortHolder {
    qint64 pid = 0;
    QString program;   // the process's name (/proc/<pid>/comm)

    QString Text() const;   // "ModemManager (pid 812)"
    bool operator==(const TPortHolder& o) const { return pid == o.pid && program == o.program; }
};

// The processes other than this one that have the device open. On a
// pseudo-terminal the process holding its master is the far end of the
// line (a simulated station, a terminal emulator), not a competitor, and is
// not counted even when it keeps the slave side open too.
QList<TPortHolder> PortHolders(const QString& device);

// The running processes of the given name.
QList<TPortHolder> ProcessesNamed(const QString& program);

// "ModemManager (pid 812), minicom (pid 4410)".
QString HoldersText(const QList<TPortHolder>& holders);
