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
