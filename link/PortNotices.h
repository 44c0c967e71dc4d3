#pragma once
#include "link/PortSurvey.h"
#include <QList>
#include <QString>

// The texts that tell the user why a port is missing from the list or
// cannot be opened, and what usually helps. Each is empty when it has
// nothing to say.

// Ports the user may not open: the dialout group.
QString PermissionNotice(const QList<TPortEntry>& refused);

// Ports held by other programs, with their names and pids as far as they
// can be seen; for ModemManager the udev rule that keeps it off the adapter.
QString BusyNotice(const QList<TPortEntry>& busy);

// The udev rule that tells ModemManager to leave the port's adapter alone
// (by its USB ids, else by the device's kernel name), ready to copy.
QString ModemManagerRule(const TPortEntry& entry);
// Where the rule goes.
extern const QString ModemManagerRulesFile;

// CH340 adapters that brltty took for a braille display.
QString BrlttyNotice(const QList<TClaimedAdapter>& claimed);

// The chosen port is not in the system any more; it stays chosen.
QString VanishedNotice(const QString& portText);

// For the journal after a failed open: who holds the port, when it is held.
QString HeldPortNotice(const QString& portText, const TSerialLine& line);

// A port entry's text with the device behind it, "COM4 (/dev/ttyUSB1)", as
// the journal names the port of an exchange; a device path stays as it is.
QString PortLabel(const QString& portText);

// For the journal after a failed open: the port is unavailable, and why
// (no such device, no permission, not a serial port); who holds it when it
// is held (HeldPortNotice).
QString UnavailableNotice(const QString& portText, const TSerialLine& line);

// Everything the survey has to say, one paragraph each.
QString SurveyNotice(const TPortSurvey& survey);
