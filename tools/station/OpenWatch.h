#pragma once
#include <string>

// Notices when a program opens the station's device: the kernel reports
// every open of the file (inotify), the station's own included, which
// happened before the watch began.
namespace station {

class OpenWatch {
public:
    OpenWatch() = default;
    ~OpenWatch();
    OpenWatch(const OpenWatch&) = delete;
    OpenWatch& operator=(const OpenWatch&) = delete;

    bool Start(const std::string& path, std::string& error);
    // Readable when an open was reported; -1 before Start.
    int Fd() const { return fd; }
    // Reads the reports that have come; true when there was an open among
    // them.
    bool Opened();

private:
    int fd = -1;
};

} // namespace station
