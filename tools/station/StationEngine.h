#pragma once
#include "tools/station/FaultPlan.h"
#include "tools/station/LineTiming.h"
#include "tools/station/RequestParser.h"
#include "tools/station/StationImage.h"
#include <vector>

// The station's side of the protocol: what it does with each complete
// request and what it answers. It knows nothing of the line or of time on
// it beyond the delays it asks for.
namespace station {

struct Answer {
    std::vector<uint8_t> bytes;   // sent back in this order; may be empty
    Nanos delayBefore = 0;        // before the first byte (storing a written byte)
    Nanos delayPerByte = 0;       // extra before every byte
    bool finished = false;        // a write session ended: the image is to be kept
};

class StationEngine {
public:
    StationEngine(StationImage& image, FaultPlan plan);

    Answer Handle(const Request& request);

    // The last count bytes of the image, as a station sends them that is
    // still busy with an image answer nobody reads any more (a count beyond
    // the image's size runs round it).
    Answer StaleTail(int count) const;

private:
    Answer Write(const Request& request);

    StationImage& image;
    FaultPlan plan;
};

} // namespace station
