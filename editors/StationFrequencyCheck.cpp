#include "editors/StationFrequencyCheck.h"
#include "link/ImageCodec.h"
#include "link/StationRecord.h"

namespace {
// From this frequency on, a code's high nibble is 0xF.
constexpr int32_t EmptySlotKHz = 57000;

bool Holdable(int32_t kHz) { return kHz >= LowestStationKHz && kHz <= HighestStationKHz; }

QString OutOfRange(int channel, const QString& direction, int32_t kHz)
{
    return QStringLiteral("Канал %1: частота %2 %3 кГц вне диапазона станции (%4 - %5 кГц). "
                          "Запись не выполнена.")
        .arg(channel)
        .arg(direction)
        .arg(kHz)
        .arg(LowestStationKHz)
        .arg(HighestStationKHz);
}
} // namespace

QString StationFrequencyProblem(const TTarnikPlus& record)
{
    const int count = static_cast<int>(record.channels.size());
    for (int i = 0; i < count; ++i) {
        const TTarnikRec& ch = record.channels[i];
        if (!ch.enable)
            continue;
        if (!Holdable(ch.RX))
            return OutOfRange(i, QStringLiteral("приема"), ch.RX);
        if (!Holdable(ch.TX))
            return OutOfRange(i, QStringLiteral("передачи"), ch.TX);
        if (ch.RX >= EmptySlotKHz && ch.TX >= EmptySlotKHz)
            return QStringLiteral("Канал %1: частоты приема %2 кГц и передачи %3 кГц обе не ниже %4 кГц. "
                                  "Станция сочтет такой канал пустым. Запись не выполнена.")
                .arg(i)
                .arg(ch.RX)
                .arg(ch.TX)
                .arg(EmptySlotKHz);
    }
    return QString();
}
