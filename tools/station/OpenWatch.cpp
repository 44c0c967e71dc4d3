#include "tools/station/OpenWatch.h"
#include <cerrno>
#include <cstring>
#include <sys/inotify.h>
#include <unistd.h>

namespace station {

OpenWatch::~OpenWatch()
{
    if (fd >= 0)
        close(fd);
}

bool OpenWatch::Start(const std::string& path, std::string& error)
{
    fd = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (fd < 0 || inotify_add_watch(fd, path.c_str(), IN_OPEN) < 0) {
        error = "cannot watch " + path + " for opens: " + std::strerror(errno);
        return false;
    }
    return true;
}

bool OpenWatch::Opened()
{
    bool opened = false;
    alignas(inotify_event) char buffer[4096];
    for (;;) {
        const ssize_t n = read(fd, buffer, sizeof buffer);
        if (n <= 0)
            return opened;
        for (ssize_t at = 0; at < n;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
            opened = opened || (event->mask & IN_OPEN);
            at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
        }
    }
}

} // namespace station
