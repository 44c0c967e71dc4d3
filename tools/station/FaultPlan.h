#pragma once
#include <cstdint>
#include <map>
#include <optional>
#include <set>

// The ways a simulated station can be told to misbehave, and the decisions
// that follow from them. Several faults can be combined.
namespace station {

struct FaultSettings {
    bool silent = false;                      // answers nothing at all
    std::optional<uint8_t> identifyAnswer;    // answer to identify instead of 0x01
    std::optional<int> imageStopAfter;        // image answer ends after this many bytes
    std::map<int, int> wrongEchoes;           // image offset -> wrong echoes before the right one
    std::set<int> neverEcho;                  // image offsets whose writes go unanswered
    std::map<int, int> storeWrong;            // image offset -> writes stored wrong (echo right); 0 = all
    int byteDelayMs = 0;                      // extra delay before every answer byte
    int writeDelayMs = 0;                     // time to store a written byte before the echo
    std::optional<int> vanishAfter;           // complete requests before the line goes dead
    int staleBytes = 0;                       // image tail still being sent when the port is opened
    int imageExtra = 0;                       // bytes sent after the image in a read answer
    std::optional<int> imageExtraTimes;       // how many read answers carry them (none: all)
    std::map<int, int> readWrong;             // image offset -> read answers carrying it wrong; 0 = all
};

// What the station does with one write request.
struct WriteOutcome {
    bool answered = true;   // false: no echo at all
    uint8_t echo = 0;
    bool store = false;     // a byte goes into the image
    uint8_t stored = 0;     // the byte that goes in (the data unless stored wrong)
};

class FaultPlan {
public:
    FaultPlan() = default;
    explicit FaultPlan(FaultSettings settings) : s(std::move(settings)) {}

    const FaultSettings& Settings() const { return s; }

    bool Silent() const { return s.silent; }
    uint8_t IdentifyAnswer() const { return s.identifyAnswer.value_or(0x01); }

    // How many of the image bytes the read answer carries.
    int ImageAnswerLength(int imageSize) const;

    // How many bytes follow the image in this read answer; counts the
    // answers, so only the first K carry them when a count was given.
    int ImageExtra();

    // The offsets the next read answer carries wrong; counts the answers
    // per offset.
    std::set<int> ReadWrong();

    // Decides the echo for a write of data at an image offset, and what is
    // stored. Counts the attempts per offset, so a wrong echo turns right
    // after its K attempts, and a wrong store after its K writes.
    WriteOutcome Write(int offset, uint8_t data);

    // A byte that differs from data and is not 0x00, so it cannot be taken
    // for silence either.
    static uint8_t WrongEcho(uint8_t data);

private:
    FaultSettings s;
    std::map<int, int> attempts;   // wrong echoes already given, per offset
    std::map<int, int> wrongStores;   // writes already stored wrong, per offset
    int extraAnswers = 0;             // read answers that carried extra bytes
    std::map<int, int> wrongReads;    // read answers already carrying the offset wrong
};

} // namespace station
