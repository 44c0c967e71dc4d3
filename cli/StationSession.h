#pragma once
#include "link/SafeWrite.h"
#include "link/SerialLine.h"
#include "link/StationLink.h"
#include <QString>
#include <QStringList>
#include <memory>

class TLineTrace;

// What a station's line is opened with: the port (COMn or a device path),
// the rate, and the trace of its bytes (none: not traced).
struct TLineSetup {
    QString port;
    int baud = 4800;
    std::shared_ptr<TLineTrace> trace;
};

// The serial line, the protocol and the safe write for one port, made in
// the thread that uses them. The journal's error and stop texts are kept so
// the caller can report them; the line never processes application
// messages (no window to paint, and other threads must not run the main
// loop's events), and it stops once a stop signal has come.
class TStationSession {
public:
    explicit TStationSession(const TLineSetup& setup);
    TStationSession(const TStationSession&) = delete;
    TStationSession& operator=(const TStationSession&) = delete;

    TStationLink& Link() { return link; }
    TSafeWrite& SafeWrite() { return safeWrite; }
    TSerialLine& Line() { return line; }
    // The error texts of the exchange so far, one after the other (the
    // failure and what follows it, such as why the port is unavailable).
    QString Errors() const { return errors.join(QLatin1Char(' ')); }
    // The last text that told of a stop, with the backup when it has one.
    QString StopText() const { return stopText; }
    // Whether a stop signal stopped the exchange.
    bool Stopped() const { return line.CancelRequested(); }

private:
    void Journal(int icon, const QString& text);

    TSerialLine line;
    QStringList errors;
    QString stopText;
    TStationLink link;
    TSafeWrite safeWrite;
};
