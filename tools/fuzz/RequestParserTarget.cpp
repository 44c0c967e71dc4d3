// The simulated station's request parser. The input is the byte stream the
// station receives, with two escapes for line events: 0xFE x feeds x as a
// mangled byte, 0xFD abandons the request under way (0xFE 0xFE and
// 0xFE 0xFD feed those bytes mangled; there is no way to feed them whole,
// which the parser treats like any other byte anyway).
#include "tools/fuzz/FuzzTargets.h"
#include "tools/station/RequestParser.h"

using namespace station;

namespace {

void CheckRequest(const Request& r)
{
    FuzzRequire(r.bytes.size() >= 3 && r.bytes[0] == RequestPrefix0 && r.bytes[1] == RequestPrefix1,
                "a request without its prefix");
    const uint8_t command = r.bytes[2];
    switch (r.kind) {
    case RequestKind::Identify:
        FuzzRequire(command == 0x01 && r.bytes.size() == 3, "a malformed identify request");
        break;
    case RequestKind::ReadImage:
        FuzzRequire(command == 0x02 && r.bytes.size() == 3, "a malformed read request");
        break;
    case RequestKind::Finish:
        FuzzRequire(command == 0x04 && r.bytes.size() == 3, "a malformed finish request");
        break;
    case RequestKind::WriteByte:
        FuzzRequire(r.bytes.size() == 5 && r.page == PageOfWriteCommand(command) && r.page >= 0
                        && r.address == r.bytes[3] && r.data == r.bytes[4] && r.Offset() < 1024,
                    "a malformed write request");
        break;
    }
}

} // namespace

int FuzzRequestParser(const uint8_t* data, size_t size)
{
    RequestParser parser;
    std::vector<ParsedItem> items;
    std::vector<uint8_t> fed;
    for (size_t i = 0; i < size; ++i) {
        if (data[i] == 0xFE && i + 1 < size) {
            parser.FeedGarbled(data[++i]);
            fed.push_back(data[i]);
        } else if (data[i] == 0xFD) {
            parser.Abandon();
        } else {
            parser.Feed(data[i], items);
            fed.push_back(data[i]);
        }
    }
    parser.Abandon();
    parser.FlushGarbage(items);
    FuzzRequire(!parser.HasPartial(), "a request is still under way after it was abandoned");

    // Every byte fed comes out exactly once, in order, as part of a request
    // or of the garbage; garbage runs are never empty.
    std::vector<uint8_t> out;
    for (const ParsedItem& item : items) {
        if (item.isRequest) {
            CheckRequest(item.request);
            out.insert(out.end(), item.request.bytes.begin(), item.request.bytes.end());
        } else {
            FuzzRequire(!item.garbage.empty(), "an empty garbage run");
            out.insert(out.end(), item.garbage.begin(), item.garbage.end());
        }
    }
    FuzzRequire(out == fed, "the parser lost, invented or reordered bytes");
    return 0;
}
