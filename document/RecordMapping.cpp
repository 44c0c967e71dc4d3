#include "document/RecordMapping.h"
#include "document/ProgrammerFile.h"
#include "link/StationRecord.h"
#include <QCoreApplication>
#include <algorithm>

namespace {
constexpr int ChannelCount = 100;

// value1..value9 in file order, as fields of the record (the band is
// range - 1 and handled apart).
uint8_t TTarnikPlus::*const ListFields[9] = {
    &TTarnikPlus::range, &TTarnikPlus::deviation, &TTarnikPlus::volume,
    &TTarnikPlus::micSensitivity, &TTarnikPlus::squelch, &TTarnikPlus::rxGain,
    &TTarnikPlus::analogSql, &TTarnikPlus::ctcssTxLevel, &TTarnikPlus::ctcssRxLevel,
};
// The lists whose values the image keeps in 5 bits.
constexpr bool FiveBitList[9] = {false, true, false, true, false, true, false, true, true};

bool InRange(int value, int low, int high) { return value >= low && value <= high; }
} // namespace

TProgrammerFile ProgrammerFileFromRecord(const TTarnikPlus& r)
{
    TProgrammerFile file;
    for (int n = 0; n < 9; ++n)
        file.lists[n] = r.*ListFields[n];
    file.lists[0] = r.range - 1;
    file.flags = {r.scramblerOn, r.scramblerFitted, r.pttTimeout, r.busyLockout, r.repeater};
    file.timeout = r.timeoutTime;
    std::copy(r.noiseLevels.begin(), r.noiseLevels.end(), file.noiseLevels.begin());
    file.pwmPower = r.pwmPower;
    file.normalPowerOff = r.normalPowerOff;
    file.normalTxEnd = r.normalTxEnd;
    for (int i = 0; i < ChannelCount; ++i) {
        TProgrammerChannel c;
        if (i < static_cast<int>(r.channels.size()) && r.channels[i].enable) {
            const TTarnikRec& ch = r.channels[i];
            c.enable = true;
            c.rxHz = ch.RX * 1000;
            c.txHz = ch.TX * 1000;
            c.ctcssRx = ch.CTCSSRX;
            c.ctcssTx = ch.CTCSSTX;
        }
        file.channels << c;
    }
    file.declaredCount = ChannelCount;
    return file;
}

bool LacksStationExtras(const TProgrammerFile& file)
{
    return !file.pwmPower || !file.normalPowerOff || !file.normalTxEnd;
}

bool RecordFromProgrammerFile(const TProgrammerFile& file, const TTarnikPlus* base, TTarnikPlus& record,
                              QString* reason)
{
    auto fail = [reason](const QString& why) {
        if (reason)
            *reason = why;
        return false;
    };
    TTarnikPlus r;
    for (int n = 0; n < 9; ++n) {
        const int stored = n == 0 ? file.lists[0] + 1 : file.lists[n];
        const int high = FiveBitList[n] ? 31 : 255;
        if (!InRange(stored, n == 0 ? 1 : 0, high))
            return fail(QCoreApplication::translate("RecordMapping", "settings/value%1: %2 вне допустимых значений").arg(n + 1).arg(file.lists[n]));
        r.*ListFields[n] = static_cast<uint8_t>(stored);
    }
    r.scramblerOn = file.flags[0];
    r.scramblerFitted = file.flags[1];
    r.pttTimeout = file.flags[2];
    r.busyLockout = file.flags[3];
    r.repeater = file.flags[4];
    if (!InRange(file.timeout, 0, 65535))
        return fail(QCoreApplication::translate("RecordMapping", "settings/value15: %1 вне 0 - 65535").arg(file.timeout));
    r.timeoutTime = static_cast<uint16_t>(file.timeout);
    for (int k = 0; k < 10; ++k) {
        if (!InRange(file.noiseLevels[k], 0, 255))
            return fail(QCoreApplication::translate("RecordMapping", "settings/value%1: %2 вне 0 - 255").arg(16 + k).arg(file.noiseLevels[k]));
        r.noiseLevels[k] = static_cast<uint8_t>(file.noiseLevels[k]);
    }
    if (file.pwmPower && !InRange(*file.pwmPower, 0, 255))
        return fail(QCoreApplication::translate("RecordMapping", "settings/value26: %1 вне 0 - 255").arg(*file.pwmPower));
    r.pwmPower = static_cast<uint8_t>(file.pwmPower.value_or(base ? base->pwmPower : 0));
    r.normalPowerOff = file.normalPowerOff.value_or(base && base->normalPowerOff);
    r.normalTxEnd = file.normalTxEnd.value_or(base && base->normalTxEnd);

    r.channels.resize(ChannelCount);
    const int count = std::min<int>(ChannelCount, file.channels.size());
    for (int i = 0; i < count; ++i) {
        const TProgrammerChannel& c = file.channels[i];
        if (!c.enable)
            continue;
        const QString name = QStringLiteral("channels/channel%1").arg(i + 1);
        if (!InRange(c.ctcssRx, 0, 255) || !InRange(c.ctcssTx, 0, 255))
            return fail(QCoreApplication::translate("RecordMapping", "%1: тон вне 0 - 255").arg(name));
        TTarnikRec& ch = r.channels[i];
        ch.enable = true;
        ch.RX = c.rxHz / 1000;
        ch.TX = c.txHz / 1000;
        ch.CTCSSRX = c.ctcssRx;
        ch.CTCSSTX = c.ctcssTx;
        r.lastChannel = static_cast<uint8_t>(i);
    }
    record = r;
    return true;
}
