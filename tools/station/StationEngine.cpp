#include "tools/station/StationEngine.h"

namespace station {

StationEngine::StationEngine(StationImage& image, FaultPlan plan)
    : image(image)
    , plan(std::move(plan))
{
}

Answer StationEngine::Handle(const Request& request)
{
    Answer answer;
    if (plan.Silent())
        return answer;
    answer.delayPerByte = plan.Settings().byteDelayMs * NanosPerMs;

    switch (request.kind) {
    case RequestKind::Identify:
        answer.bytes.push_back(plan.IdentifyAnswer());
        break;
    case RequestKind::ReadImage: {
        const QByteArray& bytes = image.Bytes();
        const int length = plan.ImageAnswerLength(bytes.size());
        answer.bytes.assign(bytes.constData(), bytes.constData() + length);
        for (int offset : plan.ReadWrong()) {
            if (offset < length)
                answer.bytes[offset] = FaultPlan::WrongEcho(answer.bytes[offset]);
        }
        // Extra bytes run on from the start of the image again, as from a
        // station that sends more than it was asked for.
        const int extra = plan.ImageExtra();
        for (int k = 0; k < extra; ++k)
            answer.bytes.push_back(static_cast<uint8_t>(bytes[k % bytes.size()]));
        break;
    }
    case RequestKind::WriteByte:
        return Write(request);
    case RequestKind::Finish:
        answer.finished = true;
        break;
    }
    return answer;
}

Answer StationEngine::StaleTail(int count) const
{
    // More than an image runs round the image from its end backwards, as a
    // station repeating its answer would.
    Answer answer;
    const QByteArray& bytes = image.Bytes();
    const int size = static_cast<int>(bytes.size());
    const int start = ((size - count % size) % size);
    for (int k = 0; k < count; ++k)
        answer.bytes.push_back(static_cast<uint8_t>(bytes[(start + k) % size]));
    return answer;
}

Answer StationEngine::Write(const Request& request)
{
    Answer answer;
    const WriteOutcome outcome = plan.Write(request.Offset(), request.data);
    if (!outcome.answered)
        return answer;
    if (outcome.store)
        image.Store(request.Offset(), outcome.stored);
    answer.delayBefore = plan.Settings().writeDelayMs * NanosPerMs;
    answer.delayPerByte = plan.Settings().byteDelayMs * NanosPerMs;
    answer.bytes.push_back(outcome.echo);
    return answer;
}

} // namespace station
