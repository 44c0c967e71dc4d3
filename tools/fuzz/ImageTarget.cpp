// The station image: decoding any bytes, and decoding the re-encoded record.
#include "link/ImageCodec.h"
#include "tools/fuzz/FuzzTargets.h"

namespace {

bool SameSettings(const TTarnikPlus& a, const TTarnikPlus& b)
{
    return a.lastChannel == b.lastChannel && a.volume == b.volume && a.squelch == b.squelch
        && a.deviation == b.deviation && a.micSensitivity == b.micSensitivity && a.rxGain == b.rxGain
        && a.ctcssRxLevel == b.ctcssRxLevel && a.ctcssTxLevel == b.ctcssTxLevel && a.range == b.range
        && a.analogSql == b.analogSql && a.scramblerOn == b.scramblerOn && a.scramblerFitted == b.scramblerFitted
        && a.pttTimeout == b.pttTimeout && a.busyLockout == b.busyLockout && a.repeater == b.repeater
        && a.timeoutTime == b.timeoutTime && a.normalPowerOff == b.normalPowerOff
        && a.normalTxEnd == b.normalTxEnd && a.noiseLevels == b.noiseLevels && a.pwmPower == b.pwmPower;
}

// A frequency comes back unchanged when it lies on the 25 kHz grid above
// 33 000 kHz. Between grid points the record holds whole kilohertz, and the
// encoder's truncation puts a decoded 6.25 kHz step one code lower: the
// frequency then comes back at most one step (7 kHz) lower, never higher.
bool FrequencyComesBack(int32_t first, int32_t again)
{
    if ((first - LowestStationKHz) % 25 == 0)
        return again == first;
    return again <= first && first - again <= 7;
}

} // namespace

int FuzzImageCodec(const uint8_t* data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));
    TTarnikPlus record;
    record.range = 77;
    const bool decoded = DecodeImage(input, record);
    FuzzRequire(decoded == (size == size_t(StationImageSize)), "an image of the wrong length was decoded");
    FuzzRequire(decoded || record.range == 77, "a refused image changed the record");

    // Every input also makes a full image: cut to 1024 bytes or lengthened
    // with 0xFF as the encoder does.
    QByteArray image = input.left(StationImageSize);
    image.append(QByteArray(StationImageSize - image.size(), char(0xFF)));
    TTarnikPlus first;
    FuzzRequire(DecodeImage(image, first) && first.channels.size() == 100, "a full image does not decode");
    QByteArray encoded;
    EncodeImage(first, encoded);
    TTarnikPlus again;
    FuzzRequire(encoded.size() == StationImageSize && DecodeImage(encoded, again), "the re-encoded image does not decode");
    FuzzRequire(SameSettings(first, again), "the settings changed in the round trip");
    for (size_t i = 0; i < first.channels.size(); ++i) {
        const TTarnikRec& a = first.channels[i];
        const TTarnikRec& b = again.channels[i];
        FuzzRequire(a.enable == b.enable, "a channel's enable changed in the round trip");
        if (!a.enable)
            continue;
        FuzzRequire(FrequencyComesBack(a.TX, b.TX) && FrequencyComesBack(a.RX, b.RX),
                    "a frequency changed in the round trip");
        FuzzRequire(a.CTCSSRX == b.CTCSSRX && a.CTCSSTX == b.CTCSSTX, "a tone changed in the round trip");
    }
    return 0;
}
