#pragma once
#include <array>
#include <cstdint>
#include <vector>

// One channel of a station configuration. Frequencies are whole kilohertz;
// the tones are item indexes of the tone lists (0 = no tone). In a disabled
// channel the other fields carry no meaning.
struct TTarnikRec {
    bool enable = false;
    int32_t TX = 0;
    int32_t RX = 0;
    int32_t CTCSSTX = 0;
    int32_t CTCSSRX = 0;
};

struct TTarnikDefault {
    std::vector<TTarnikRec> channels;   // channel number = position, 0 to 99
    uint8_t lastChannel = 0;            // highest enabled channel, 0 when none
    uint8_t volume = 0;
    uint8_t squelch = 0;
    uint8_t deviation = 0;              // 0 to 31
    uint8_t micSensitivity = 0;         // 0 to 31
    uint8_t rxGain = 0;                 // 0 to 31
    uint8_t ctcssRxLevel = 0;           // 0 to 31
    uint8_t ctcssTxLevel = 0;           // 0 to 31
    uint8_t range = 0;                  // band number, from 1
    uint8_t analogSql = 0;
};

// The whole configuration of a station, as read from or written into its
// 1024-byte memory image.
struct TTarnikPlus : TTarnikDefault {
    bool scramblerOn = false;
    bool scramblerFitted = false;
    bool pttTimeout = false;
    bool busyLockout = false;
    bool repeater = false;
    uint16_t timeoutTime = 0;
    bool normalPowerOff = false;
    bool normalTxEnd = false;
    std::array<uint8_t, 10> noiseLevels{};
    uint8_t pwmPower = 0;
};
