#pragma once
#include "link/SafeWrite.h"
#include "link/SerialLine.h"
#include "link/StationLink.h"
#include <QString>

// The serial line, the protocol and the safe write for one port, made in
// the thread that uses them. The journal's error texts are kept so the
// caller can report the last one; the line never processes application
// messages (no window to paint, and other threads must not run the main
// loop's events).
class TStationSession {
public:
    TStationSession(const QString& port, int baud);
    TStationSession(const TStationSession&) = delete;
    TStationSession& operator=(const TStationSession&) = delete;

    TStationLink& Link() { return link; }
    TSafeWrite& SafeWrite() { return safeWrite; }
    TSerialLine& Line() { return line; }
    QString LastError() const { return lastError; }

private:
    TSerialLine line;
    QString lastError;
    TStationLink link;
    TSafeWrite safeWrite;
};
