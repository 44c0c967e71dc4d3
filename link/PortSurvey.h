#pragma once
#include "link/PortHolders.h"
#include "link/SerialLine.h"
#include "link/UsbAdapters.h"
#include <QList>
#include <QString>

// The COM ports of the system: for every number of the port map that has a
// device, whether it can be opened now and, if not, why not (no device, no
// permission, held by another program, no serial port), who holds it, and
// what is known of the USB adapter behind it. Window-free, so the command
// line can print it as the dialogs show it.
struct TPortEntry {
    int number = 0;
    QString device;
    TSerialLine::OpenResult state = TSerialLine::OpenResult::Missing;
    QList<TPortHolder> holders;   // the other processes seen holding it (Busy)
    TUsbDetails usb;

    QString Text() const;       // "COM" and the number
    bool CanOpen() const { return state == TSerialLine::OpenResult::Opened; }
    QString WhyNot() const;     // why it cannot be opened; empty when it can
    QString ToolTip() const;    // the device and the adapter's details, one per line
};

struct TPortSurvey {
    QList<TPortEntry> entries;          // every number with a device, ascending
    QList<TClaimedAdapter> claimed;     // adapters kept from becoming ports

    QList<TPortEntry> Available() const;   // can be opened now
    QList<TPortEntry> Refused() const;     // no permission
    QList<TPortEntry> Busy() const;        // held by another program
};

TPortSurvey SurveyPorts();
