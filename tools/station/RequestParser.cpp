#include "tools/station/RequestParser.h"
#include <cstddef>

namespace station {

namespace {
constexpr uint8_t IdentifyCommand = 0x01;
constexpr uint8_t ReadImageCommand = 0x02;
constexpr uint8_t FinishCommand = 0x04;
constexpr size_t WriteRequestLength = 5;
} // namespace

uint8_t WriteCommandForPage(int page)
{
    return static_cast<uint8_t>(0x03 + 0x10 * page);
}

int PageOfWriteCommand(uint8_t command)
{
    for (int page = 0; page < 4; ++page) {
        if (command == WriteCommandForPage(page))
            return page;
    }
    return -1;
}

void RequestParser::Feed(uint8_t byte, std::vector<ParsedItem>& out)
{
    switch (partial.size()) {
    case 0:
        if (byte == RequestPrefix0)
            partial.push_back(byte);
        else
            Skip(byte);
        return;
    case 1:
        if (byte == RequestPrefix1) {
            partial.push_back(byte);
        } else {
            SkipPartial();
            Feed(byte, out);   // it may itself begin a request
        }
        return;
    case 2:
        partial.push_back(byte);
        if (byte == IdentifyCommand) {
            Complete(RequestKind::Identify, out);
        } else if (byte == ReadImageCommand) {
            Complete(RequestKind::ReadImage, out);
        } else if (byte == FinishCommand) {
            Complete(RequestKind::Finish, out);
        } else if (PageOfWriteCommand(byte) < 0) {
            // Unknown command: the prefix is dropped, and the command byte
            // is looked at again in case it starts a new request.
            partial.pop_back();
            SkipPartial();
            Feed(byte, out);
        }
        return;
    default:
        // Address and data of a write request may take any value.
        partial.push_back(byte);
        if (partial.size() == WriteRequestLength)
            Complete(RequestKind::WriteByte, out);
        return;
    }
}

void RequestParser::FeedGarbled(uint8_t byte)
{
    SkipPartial();
    Skip(byte);
}

void RequestParser::Abandon()
{
    SkipPartial();
}

void RequestParser::FlushGarbage(std::vector<ParsedItem>& out)
{
    if (garbage.empty())
        return;
    ParsedItem item;
    item.garbage.swap(garbage);
    out.push_back(std::move(item));
}

void RequestParser::Complete(RequestKind kind, std::vector<ParsedItem>& out)
{
    FlushGarbage(out);
    ParsedItem item;
    item.isRequest = true;
    item.request.kind = kind;
    if (kind == RequestKind::WriteByte) {
        item.request.page = PageOfWriteCommand(partial[2]);
        item.request.address = partial[3];
        item.request.data = partial[4];
    }
    item.request.bytes.swap(partial);
    partial.clear();
    out.push_back(std::move(item));
}

void RequestParser::SkipPartial()
{
    garbage.insert(garbage.end(), partial.begin(), partial.end());
    partial.clear();
}

} // namespace station
