#pragma once
#include "tools/station/FaultPlan.h"
#include <optional>
#include <string>
#include <vector>

// The command line of tarnik-station.
namespace station {

struct StationOptions {
    bool help = false;
    std::string imagePath;      // empty: factory image, nothing saved
    std::string portsDir;       // with com: register as <portsDir>/COM<com>
    int com = 0;
    int baud = 9600;
    std::string devicePath;     // empty: a pseudo-terminal
    std::string logPath;
    bool reservedPattern = false;   // the starting image gets ReservedPattern
    bool unmodelledBits = false;    // the starting image gets bits no setting uses
    std::optional<unsigned> randomSeed;   // the starting image is random bytes from this seed
    int latencyMs = 0;          // a USB adapter's latency timer on the answers
    bool exactPace = false;     // spin to each byte's time instead of sleeping to it
    FaultSettings faults;
};

// Parses the arguments (without the program name). On failure returns
// false with a message naming the offending option.
bool ParseStationOptions(const std::vector<std::string>& args, StationOptions& options,
                         std::string& error);

// The --help text.
std::string StationUsage();

} // namespace station
