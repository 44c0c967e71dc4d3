#include "link/ImageCodec.h"
#include <algorithm>

namespace {

// Layout of the settings block that follows the 100 five-byte channel slots.
enum Offset {
    ChannelSlots = 0,
    LastChannel = 500,
    Volume = 501,
    Squelch = 502,
    Unused503 = 503,
    Deviation = 504,
    MicSensitivity = 505,
    RxGain = 506,
    CtcssTxLevel = 507,
    CtcssRxLevel = 508,
    Range = 509,
    AnalogSql = 510,
    Flags = 511,
    TimeoutLow = 512,
    TimeoutHigh = 513,
    ShutdownFlags = 514,
    PwmPower = 515,
    NoiseLevels = 520,
};

// The bits of the settings bytes that hold no setting (the five 5-bit
// levels' top bits, the flags' spare bits, byte 503 whole): the codec
// writes them fixed, and a write over a station's image keeps the
// station's own.
struct UnmodelledBits {
    int offset;
    uint8_t mask;
};
constexpr UnmodelledBits Unmodelled[] = {
    {Unused503, 0xFF},    {Deviation, 0xE0},    {MicSensitivity, 0xE0}, {RxGain, 0xE0},
    {CtcssTxLevel, 0xE0}, {CtcssRxLevel, 0xE0}, {Flags, 0xE0},          {ShutdownFlags, 0xFC},
};

constexpr int SlotSize = 5;
constexpr int SlotCount = 100;
constexpr uint8_t EmptySlot = 0xFF;

uint8_t At(const QByteArray& image, int offset)
{
    return static_cast<uint8_t>(image[offset]);
}

void Put(QByteArray& image, int offset, unsigned value)
{
    image[offset] = static_cast<char>(value & 0xFF);
}

bool SlotEmpty(const QByteArray& image, int slot)
{
    return At(image, ChannelSlots + SlotSize * slot) == EmptySlot;
}

// The transmit and receive codes of a slot that is not empty.
int SlotTxCode(const QByteArray& image, int slot)
{
    const int o = ChannelSlots + SlotSize * slot;
    return (At(image, o) >> 4) * 256 + At(image, o + 1);
}

int SlotRxCode(const QByteArray& image, int slot)
{
    const int o = ChannelSlots + SlotSize * slot;
    return (At(image, o) & 0x0F) * 256 + At(image, o + 2);
}

// Only bits 11-0 of the codes are stored.
void PutSlot(QByteArray& image, int slot, int32_t txCode, int32_t rxCode, const TTarnikRec& ch)
{
    const int o = ChannelSlots + SlotSize * slot;
    Put(image, o, ((txCode & 0xF00) >> 4) | ((rxCode & 0xF00) >> 8));
    Put(image, o + 1, txCode & 0xFF);
    Put(image, o + 2, rxCode & 0xFF);
    Put(image, o + 3, static_cast<unsigned>(ch.CTCSSRX));
    Put(image, o + 4, static_cast<unsigned>(ch.CTCSSTX));
}

// The code to store for a frequency: the station's own code when it already
// stands for that frequency in whole kilohertz, else the frequency's code.
int32_t KeptOrNewCode(int32_t kHz, int stationCode)
{
    return FrequencyCodeToKHz(stationCode) == kHz ? stationCode : KHzToFrequencyCode(kHz);
}

} // namespace

int32_t FrequencyCodeToKHz(int code)
{
    return LowestStationKHz + (code * 25) / 4;
}

int32_t KHzToFrequencyCode(int32_t kHz)
{
    // Widened so that absurd inputs cannot overflow; the result is the same
    // 32-bit truncating division for every frequency the editors hold.
    return static_cast<int32_t>((static_cast<int64_t>(kHz) * 4 - 132000) / 25);
}

bool DecodeImage(const QByteArray& image, TTarnikPlus& record)
{
    if (image.size() != StationImageSize)
        return false;

    record.channels.clear();
    for (int i = 0; i < SlotCount; ++i) {
        const int o = ChannelSlots + SlotSize * i;
        TTarnikRec ch;
        if (!SlotEmpty(image, i)) {
            ch.enable = true;
            ch.TX = FrequencyCodeToKHz(SlotTxCode(image, i));
            ch.RX = FrequencyCodeToKHz(SlotRxCode(image, i));
            ch.CTCSSRX = At(image, o + 3);
            ch.CTCSSTX = At(image, o + 4);
        }
        record.channels.push_back(ch);
    }

    record.lastChannel = At(image, LastChannel);
    record.volume = At(image, Volume);
    record.squelch = At(image, Squelch);
    record.deviation = At(image, Deviation) & 0x1F;
    record.micSensitivity = At(image, MicSensitivity) & 0x1F;
    record.rxGain = At(image, RxGain) & 0x1F;
    record.ctcssTxLevel = At(image, CtcssTxLevel) & 0x1F;
    record.ctcssRxLevel = At(image, CtcssRxLevel) & 0x1F;
    record.range = At(image, Range);
    record.analogSql = At(image, AnalogSql);

    const uint8_t flags = At(image, Flags);
    record.scramblerOn = flags & 0x01;
    record.scramblerFitted = flags & 0x02;
    record.pttTimeout = flags & 0x04;
    record.busyLockout = flags & 0x08;
    record.repeater = flags & 0x10;

    record.timeoutTime = static_cast<uint16_t>(At(image, TimeoutLow) + 256 * At(image, TimeoutHigh));
    const uint8_t shutdown = At(image, ShutdownFlags);
    record.normalPowerOff = shutdown & 0x01;
    record.normalTxEnd = shutdown & 0x02;
    record.pwmPower = At(image, PwmPower);
    for (int k = 0; k < 10; ++k)
        record.noiseLevels[k] = At(image, NoiseLevels + k);
    return true;
}

void EncodeImage(const TTarnikPlus& record, QByteArray& image)
{
    if (image.size() > StationImageSize)
        image.truncate(StationImageSize);
    else if (image.size() < StationImageSize)
        image.append(QByteArray(StationImageSize - image.size(), static_cast<char>(0xFF)));

    const int channels = std::min<int>(SlotCount, static_cast<int>(record.channels.size()));
    for (int i = 0; i < channels; ++i) {
        const TTarnikRec& ch = record.channels[i];
        if (ch.enable)
            PutSlot(image, i, KHzToFrequencyCode(ch.TX), KHzToFrequencyCode(ch.RX), ch);
    }

    Put(image, LastChannel, record.lastChannel);
    Put(image, Volume, record.volume);
    Put(image, Squelch, record.squelch);
    Put(image, Unused503, 0x00);
    Put(image, Deviation, record.deviation + 0x60u);
    Put(image, MicSensitivity, record.micSensitivity);
    Put(image, RxGain, record.rxGain + 0x40u);
    Put(image, CtcssTxLevel, record.ctcssTxLevel);
    Put(image, CtcssRxLevel, record.ctcssRxLevel);
    Put(image, Range, record.range);
    Put(image, AnalogSql, record.analogSql);
    Put(image, Flags, (record.scramblerOn ? 1u : 0u) | (record.scramblerFitted ? 2u : 0u)
                          | (record.pttTimeout ? 4u : 0u) | (record.busyLockout ? 8u : 0u)
                          | (record.repeater ? 16u : 0u));
    Put(image, TimeoutLow, record.timeoutTime & 0xFF);
    Put(image, TimeoutHigh, record.timeoutTime >> 8);
    Put(image, ShutdownFlags, (record.normalPowerOff ? 1u : 0u) | (record.normalTxEnd ? 2u : 0u));
    Put(image, PwmPower, record.pwmPower);
    for (int k = 0; k < 10; ++k)
        Put(image, NoiseLevels + k, record.noiseLevels[k]);
}

QByteArray EncodeOverImage(const TTarnikPlus& record, const QByteArray& stationImage)
{
    QByteArray image = stationImage;
    EncodeImage(record, image);
    for (int i = 0; i < SlotCount; ++i) {
        const int o = ChannelSlots + SlotSize * i;
        const bool enabled = i < static_cast<int>(record.channels.size()) && record.channels[i].enable;
        const bool stationSlot = stationImage.size() == StationImageSize;
        if (!enabled) {
            // A slot the station already holds empty keeps whatever its
            // other four bytes carry; a channel switched off empties its
            // slot.
            if (!stationSlot || !SlotEmpty(stationImage, i))
                image.replace(o, SlotSize, QByteArray(SlotSize, static_cast<char>(EmptySlot)));
            continue;
        }
        if (!stationSlot || SlotEmpty(stationImage, i))
            continue;
        const TTarnikRec& ch = record.channels[i];
        PutSlot(image, i, KeptOrNewCode(ch.TX, SlotTxCode(stationImage, i)),
                KeptOrNewCode(ch.RX, SlotRxCode(stationImage, i)), ch);
    }
    if (stationImage.size() == StationImageSize) {
        for (const UnmodelledBits& kept : Unmodelled)
            Put(image, kept.offset, (At(image, kept.offset) & ~kept.mask) | (At(stationImage, kept.offset) & kept.mask));
    }
    return image;
}

QList<int> UnmodelledBitsChanged(const QByteArray& image)
{
    QList<int> offsets;
    if (image.size() != StationImageSize)
        return offsets;
    TTarnikPlus record;
    DecodeImage(image, record);
    QByteArray fresh;
    EncodeImage(record, fresh);
    for (const UnmodelledBits& kept : Unmodelled) {
        if ((At(image, kept.offset) & kept.mask) != (At(fresh, kept.offset) & kept.mask))
            offsets << kept.offset;
    }
    return offsets;
}
