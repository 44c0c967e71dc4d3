#pragma once
#include <string>

// Registers the station's line as a numbered COM port: a symbolic link
// <dir>/COM<n> that points to the device, so a program that knows only port
// numbers finds it.
namespace station {

class PortLink {
public:
    PortLink() = default;
    ~PortLink() { Remove(); }
    PortLink(const PortLink&) = delete;
    PortLink& operator=(const PortLink&) = delete;

    // Creates dir when needed and the link in it. A link of that name that
    // is already there (left by a station that died) is replaced; anything
    // else of that name is left alone and reported.
    bool Register(const std::string& dir, int com, const std::string& target, std::string& error);

    // Removes the link, unless it no longer points to our device (then some
    // other station has taken the number over since).
    void Remove();

    const std::string& Path() const { return path; }

    static std::string LinkPath(const std::string& dir, int com);

private:
    std::string path;     // empty while nothing is registered
    std::string target;
};

} // namespace station
