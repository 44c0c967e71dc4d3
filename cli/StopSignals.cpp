#include "cli/StopSignals.h"
#include <atomic>
#include <csignal>
#include <initializer_list>
#include <QtGlobal>
#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace StopSignals {

namespace {
std::atomic<int> caught{0};
#ifdef Q_OS_WIN
// Windows has no SIGHUP; a closed console is reported with its number.
constexpr int SIGHUP_OR_CLOSE = 1;
// How long a closed console's handler holds the program up (the system
// allows about five seconds).
constexpr DWORD CloseGraceMs = 4000;
#endif
static_assert(std::atomic<int>::is_always_lock_free, "the handler may only touch a lock-free atomic");

#ifndef Q_OS_WIN
void OnSignal(int signal)
{
    int none = 0;
    caught.compare_exchange_strong(none, signal);
}
#endif
} // namespace

#ifdef Q_OS_WIN
// Ctrl-C and Ctrl-Break in the console count as SIGINT, a closed console
// window or a logoff as SIGHUP. The system calls the handler on a thread
// of its own; a second event goes to the system's own handler, which ends
// the program.
BOOL WINAPI OnConsoleEvent(DWORD event)
{
    int signal = 0;
    switch (event) {
    case CTRL_C_EVENT:
    case CTRL_BREAK_EVENT:
        signal = SIGINT;
        break;
    case CTRL_CLOSE_EVENT:
    case CTRL_LOGOFF_EVENT:
    case CTRL_SHUTDOWN_EVENT:
        signal = SIGHUP_OR_CLOSE;
        break;
    default:
        return FALSE;
    }
    int none = 0;
    if (!caught.compare_exchange_strong(none, signal))
        return FALSE;
    if (signal == SIGHUP_OR_CLOSE) {
        // The system ends the program as soon as the handler returns: give
        // the exchanges the time to stop after their byte and report.
        Sleep(CloseGraceMs);
    }
    return TRUE;
}
#endif

void Install()
{
#ifdef Q_OS_WIN
    SetConsoleCtrlHandler(OnConsoleEvent, TRUE);
#else
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    // Once handled, the signal's own action is back for a second one.
    action.sa_flags = SA_RESTART | SA_RESETHAND;
    for (int signal : {SIGINT, SIGTERM, SIGHUP})
        sigaction(signal, &action, nullptr);
#endif
}

int Caught()
{
    return caught.load();
}

} // namespace StopSignals
