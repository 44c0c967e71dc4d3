#include "tools/station/FaultPlan.h"
#include <algorithm>

namespace station {

int FaultPlan::ImageAnswerLength(int imageSize) const
{
    if (!s.imageStopAfter)
        return imageSize;
    return std::clamp(*s.imageStopAfter, 0, imageSize);
}

int FaultPlan::ImageExtra()
{
    if (s.imageExtra <= 0 || (s.imageExtraTimes && extraAnswers >= *s.imageExtraTimes))
        return 0;
    ++extraAnswers;
    return s.imageExtra;
}

std::set<int> FaultPlan::ReadWrong()
{
    std::set<int> offsets;
    for (const auto& [offset, times] : s.readWrong) {
        if (times == 0 || wrongReads[offset] < times) {
            ++wrongReads[offset];
            offsets.insert(offset);
        }
    }
    return offsets;
}

WriteOutcome FaultPlan::Write(int offset, uint8_t data)
{
    WriteOutcome out;
    if (s.neverEcho.count(offset)) {
        out.answered = false;
        return out;
    }
    const auto wrong = s.wrongEchoes.find(offset);
    if (wrong != s.wrongEchoes.end() && attempts[offset] < wrong->second) {
        ++attempts[offset];
        out.echo = WrongEcho(data);
        return out;
    }
    out.echo = data;
    out.store = true;
    out.stored = data;
    const auto storeWrong = s.storeWrong.find(offset);
    if (storeWrong != s.storeWrong.end()
        && (storeWrong->second == 0 || wrongStores[offset] < storeWrong->second)) {
        ++wrongStores[offset];
        out.stored = WrongEcho(data);
    }
    return out;
}

uint8_t FaultPlan::WrongEcho(uint8_t data)
{
    const uint8_t flipped = static_cast<uint8_t>(data ^ 0xFF);
    return flipped != 0x00 ? flipped : 0x01;
}

} // namespace station
