#include "cli/StopSignals.h"
#include <atomic>
#include <csignal>
#include <initializer_list>

namespace StopSignals {

namespace {
std::atomic<int> caught{0};
static_assert(std::atomic<int>::is_always_lock_free, "the handler may only touch a lock-free atomic");

void OnSignal(int signal)
{
    int none = 0;
    caught.compare_exchange_strong(none, signal);
}
} // namespace

void Install()
{
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    // Once handled, the signal's own action is back for a second one.
    action.sa_flags = SA_RESTART | SA_RESETHAND;
    for (int signal : {SIGINT, SIGTERM, SIGHUP})
        sigaction(signal, &action, nullptr);
}

int Caught()
{
    return caught.load();
}

} // namespace StopSignals
