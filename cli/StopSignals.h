#pragma once

// SIGINT, SIGTERM and SIGHUP ask every running station exchange to stop
// after the byte in progress (no finish request). The handler only records
// the signal in a lock-free atomic, which the exchanges' cancel checks
// read; the second such signal ends the program at once, as it would
// without the handler.
namespace StopSignals {

void Install();
// The signal that asked for the stop, or 0.
int Caught();
// For the cancel checks.
inline bool Requested() { return Caught() != 0; }

} // namespace StopSignals
