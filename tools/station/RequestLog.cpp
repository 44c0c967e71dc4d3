#include "tools/station/RequestLog.h"
#include <cerrno>
#include <cstring>

namespace station {

RequestLog::~RequestLog()
{
    if (file)
        std::fclose(file);
}

bool RequestLog::Open(const std::string& path, std::string& error)
{
    file = std::fopen(path.c_str(), "w");
    if (!file) {
        error = "cannot write the log file " + path + ": " + std::strerror(errno);
        return false;
    }
    return true;
}

void RequestLog::Request(const std::vector<uint8_t>& bytes)
{
    Line(Hex(bytes));
}

void RequestLog::Garbage(const std::vector<uint8_t>& bytes)
{
    Line("? " + Hex(bytes));
}

std::string RequestLog::Hex(const std::vector<uint8_t>& bytes)
{
    static const char digits[] = "0123456789ABCDEF";
    std::string text;
    for (uint8_t b : bytes) {
        if (!text.empty())
            text += ' ';
        text += digits[b >> 4];
        text += digits[b & 0x0F];
    }
    return text;
}

void RequestLog::Line(const std::string& text)
{
    if (!file)
        return;
    std::fputs(text.c_str(), file);
    std::fputc('\n', file);
    std::fflush(file);
}

} // namespace station
