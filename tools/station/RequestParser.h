#pragma once
#include <cstdint>
#include <vector>

// Splits the unframed byte stream a station receives into requests. Every
// request starts with 0x11 0x39 and a command byte; only the write command
// carries arguments (address and data). Bytes that cannot begin or continue
// a request are collected as garbage, and the parser looks for the next
// 0x11 0x39 to get back in step.
namespace station {

constexpr uint8_t RequestPrefix0 = 0x11;
constexpr uint8_t RequestPrefix1 = 0x39;

enum class RequestKind { Identify, ReadImage, WriteByte, Finish };

struct Request {
    RequestKind kind = RequestKind::Identify;
    int page = 0;          // write only: 0 to 3
    uint8_t address = 0;   // write only: address within the page
    uint8_t data = 0;      // write only
    std::vector<uint8_t> bytes;   // the request exactly as received

    int Offset() const { return page * 256 + address; }
};

// One thing the parser recognised: a complete request, or a run of bytes it
// skipped.
struct ParsedItem {
    bool isRequest = false;
    Request request;               // when isRequest
    std::vector<uint8_t> garbage;  // when !isRequest
};

class RequestParser {
public:
    // Takes one received byte; appends what it completes to out.
    void Feed(uint8_t byte, std::vector<ParsedItem>& out);

    // Takes one byte that arrived mangled (for instance at the wrong line
    // rate): it cannot belong to a request, and it breaks the one under way.
    void FeedGarbled(uint8_t byte);

    // A request that was begun but never completed becomes garbage.
    void Abandon();

    // Reports the garbage collected so far as one item, if there is any.
    void FlushGarbage(std::vector<ParsedItem>& out);

    bool HasPartial() const { return !partial.empty(); }

private:
    void Complete(RequestKind kind, std::vector<ParsedItem>& out);
    void Skip(uint8_t byte) { garbage.push_back(byte); }
    void SkipPartial();

    std::vector<uint8_t> partial;   // the request being received
    std::vector<uint8_t> garbage;   // skipped bytes not yet reported
};

// Command byte of the write request for a page (0x03, 0x13, 0x23, 0x33);
// the page of a write command byte, or -1 when it is none.
uint8_t WriteCommandForPage(int page);
int PageOfWriteCommand(uint8_t command);

} // namespace station
