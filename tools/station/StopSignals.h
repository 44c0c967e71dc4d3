#pragma once
#include <csignal>
#include <string>

// SIGINT, SIGTERM and SIGHUP ask the station to stop: they set a flag and
// wake the main loop through a pipe, so the station can close its line,
// remove its port link and save its image before it exits.
namespace station {

class StopSignals {
public:
    static bool Install(std::string& error);
    static const volatile std::sig_atomic_t& Flag();
    static int WakeFd();   // readable once a stop signal came
};

} // namespace station
