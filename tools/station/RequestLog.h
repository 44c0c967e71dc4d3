#pragma once
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

// A line per complete request as upper-case hex bytes ("11 39 03 00 FF"),
// and a line starting with "?" for bytes that were skipped as garbage.
// Every line is flushed at once, so a reader sees it while the station runs.
namespace station {

class RequestLog {
public:
    RequestLog() = default;
    ~RequestLog();
    RequestLog(const RequestLog&) = delete;
    RequestLog& operator=(const RequestLog&) = delete;

    // Starts a new log file (an old one is replaced).
    bool Open(const std::string& path, std::string& error);
    bool IsOpen() const { return file != nullptr; }

    void Request(const std::vector<uint8_t>& bytes);
    void Garbage(const std::vector<uint8_t>& bytes);

    static std::string Hex(const std::vector<uint8_t>& bytes);

private:
    void Line(const std::string& text);

    FILE* file = nullptr;
};

} // namespace station
