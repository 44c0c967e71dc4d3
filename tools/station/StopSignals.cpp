#include "tools/station/StopSignals.h"
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace station {

namespace {

// Signal handlers can only reach static state.
volatile std::sig_atomic_t stopRequested = 0;
int wakePipe[2] = {-1, -1};

void OnStopSignal(int)
{
    const int saved = errno;
    stopRequested = 1;
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = write(wakePipe[1], &byte, 1);
    errno = saved;
}

} // namespace

bool StopSignals::Install(std::string& error)
{
    if (pipe2(wakePipe, O_NONBLOCK | O_CLOEXEC) != 0) {
        error = std::string("cannot create a pipe: ") + std::strerror(errno);
        return false;
    }
    struct sigaction action;
    std::memset(&action, 0, sizeof action);
    action.sa_handler = OnStopSignal;
    sigemptyset(&action.sa_mask);
    for (int sig : {SIGINT, SIGTERM, SIGHUP}) {
        if (sigaction(sig, &action, nullptr) != 0) {
            error = std::string("cannot install a signal handler: ") + std::strerror(errno);
            return false;
        }
    }
    std::signal(SIGPIPE, SIG_IGN);
    return true;
}

const volatile std::sig_atomic_t& StopSignals::Flag()
{
    return stopRequested;
}

int StopSignals::WakeFd()
{
    return wakePipe[0];
}

} // namespace station
