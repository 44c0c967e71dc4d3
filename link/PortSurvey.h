#pragma once
#include <QList>
#include <QString>

// The COM ports found in the system: every number of the port map whose
// device can be opened now, and those whose device exists but refuses the
// user for lack of permission (a port held by another program or without
// a device is simply not there).
struct TPortEntry {
    int number = 0;
    QString device;

    QString Text() const;   // "COM" and the number
};

struct TPortSurvey {
    QList<TPortEntry> available;   // ascending numbers
    QList<TPortEntry> refused;     // no permission, ascending numbers
};

TPortSurvey SurveyPorts();

// Tells the user why ports are missing from the list and what usually
// helps; empty when no port was refused.
QString PermissionNotice(const QList<TPortEntry>& refused);
