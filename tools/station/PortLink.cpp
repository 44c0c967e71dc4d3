#include "tools/station/PortLink.h"
#include <QDir>
#include <QString>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace station {

namespace {

std::string ReadLink(const std::string& path)
{
    char buffer[4096];
    const ssize_t n = readlink(path.c_str(), buffer, sizeof buffer - 1);
    return n < 0 ? std::string() : std::string(buffer, static_cast<size_t>(n));
}

} // namespace

std::string PortLink::LinkPath(const std::string& dir, int com)
{
    return dir + "/COM" + std::to_string(com);
}

bool PortLink::Register(const std::string& dir, int com, const std::string& device, std::string& error)
{
    Remove();
    if (!QDir().mkpath(QString::fromStdString(dir))) {
        error = "cannot create the ports directory " + dir;
        return false;
    }
    const std::string link = LinkPath(dir, com);
    struct stat st;
    if (lstat(link.c_str(), &st) == 0 && !S_ISLNK(st.st_mode)) {
        error = link + " exists and is not a symbolic link";
        return false;
    }
    // Made under a temporary name and renamed over the final one, so the
    // port name never points to nothing while an old link is replaced.
    const std::string temporary = link + ".new." + std::to_string(getpid());
    unlink(temporary.c_str());
    if (symlink(device.c_str(), temporary.c_str()) != 0) {
        error = "cannot create the link " + link + ": " + std::strerror(errno);
        return false;
    }
    if (rename(temporary.c_str(), link.c_str()) != 0) {
        error = "cannot create the link " + link + ": " + std::strerror(errno);
        unlink(temporary.c_str());
        return false;
    }
    path = link;
    target = device;
    return true;
}

void PortLink::Remove()
{
    if (path.empty())
        return;
    if (ReadLink(path) == target)
        unlink(path.c_str());
    path.clear();
    target.clear();
}

} // namespace station
