#include "tools/station/FactoryImage.h"
#include "link/ImageCodec.h"

namespace station {

namespace {

TTarnikRec Channel(int32_t rxKHz, int32_t txKHz, int32_t rxTone, int32_t txTone)
{
    TTarnikRec ch;
    ch.enable = true;
    ch.RX = rxKHz;
    ch.TX = txKHz;
    ch.CTCSSRX = rxTone;
    ch.CTCSSTX = txTone;
    return ch;
}

} // namespace

TTarnikPlus FactoryRecord()
{
    TTarnikPlus r;
    r.channels.resize(100);
    // Tones are item indexes of the tone lists: 0 is none, k is tone k - 1.
    r.channels[0] = Channel(33500, 33500, 0, 0);
    r.channels[1] = Channel(34000, 34500, 0, 0);
    r.channels[2] = Channel(35025, 35025, 13, 13);
    r.channels[3] = Channel(36550, 37100, 0, 0);
    r.channels[4] = Channel(38125, 38125, 20, 0);
    r.channels[7] = Channel(40975, 40000, 8, 8);
    r.lastChannel = 7;

    r.volume = 4;
    r.squelch = 3;
    r.analogSql = 8;
    r.deviation = 6;
    r.micSensitivity = 8;
    r.rxGain = 10;
    r.ctcssTxLevel = 5;
    r.ctcssRxLevel = 7;
    r.range = 1;

    r.scramblerFitted = true;
    r.pttTimeout = true;
    r.timeoutTime = 180;

    // A station that was switched off properly after a properly ended
    // transmission reports both flags set.
    r.normalPowerOff = true;
    r.normalTxEnd = true;

    r.noiseLevels = {20, 32, 44, 56, 68, 80, 96, 112, 128, 144};
    r.pwmPower = 200;
    return r;
}

QByteArray FactoryImage()
{
    QByteArray image;
    EncodeImage(FactoryRecord(), image);
    return image;
}

} // namespace station
