#include "editors/StationFrequencyCheck.h"
#include "link/ImageCodec.h"
#include "link/StationRecord.h"

namespace {
// From this frequency on, a code's high nibble is 0xF.
constexpr int32_t EmptySlotKHz = 57000;

const QString NotWritten = QStringLiteral(" Запись не выполнена.");

bool Holdable(int32_t kHz) { return kHz >= LowestStationKHz && kHz <= HighestStationKHz; }

QString OutOfRange(int channel, const QString& direction, int32_t kHz)
{
    return QStringLiteral("Канал %1: частота %2 %3 кГц вне диапазона станции (%4 - %5 кГц).")
        .arg(channel)
        .arg(direction)
        .arg(kHz)
        .arg(LowestStationKHz)
        .arg(HighestStationKHz);
}
} // namespace

QStringList StationFrequencyProblems(const TTarnikPlus& record)
{
    QStringList problems;
    const int count = static_cast<int>(record.channels.size());
    for (int i = 0; i < count; ++i) {
        const TTarnikRec& ch = record.channels[i];
        if (!ch.enable)
            continue;
        if (!Holdable(ch.RX))
            problems << OutOfRange(i, QStringLiteral("приема"), ch.RX);
        if (!Holdable(ch.TX))
            problems << OutOfRange(i, QStringLiteral("передачи"), ch.TX);
        if (ch.RX >= EmptySlotKHz && ch.TX >= EmptySlotKHz)
            problems << QStringLiteral("Канал %1: частоты приема %2 кГц и передачи %3 кГц обе не ниже %4 кГц. "
                                       "Станция сочтет такой канал пустым.")
                            .arg(i)
                            .arg(ch.RX)
                            .arg(ch.TX)
                            .arg(EmptySlotKHz);
    }
    return problems;
}

QString StationFrequencyProblem(const TTarnikPlus& record)
{
    const QStringList problems = StationFrequencyProblems(record);
    return problems.isEmpty() ? QString() : problems.first() + NotWritten;
}
