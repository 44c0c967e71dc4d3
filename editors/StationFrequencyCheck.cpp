#include "editors/StationFrequencyCheck.h"
#include "link/ImageCodec.h"
#include "link/StationRecord.h"
#include <QCoreApplication>

namespace {
// From this frequency on, a code's high nibble is 0xF.
constexpr int32_t EmptySlotKHz = 57000;

bool Holdable(int32_t kHz) { return kHz >= LowestStationKHz && kHz <= HighestStationKHz; }

QString OutOfRange(int channel, bool receive, int32_t kHz)
{
    const QString text = receive
        ? QCoreApplication::translate("StationFrequencyCheck",
                                      "Канал %1: частота приема %2 кГц вне диапазона станции (%3 - %4 кГц).")
        : QCoreApplication::translate("StationFrequencyCheck",
                                      "Канал %1: частота передачи %2 кГц вне диапазона станции (%3 - %4 кГц).");
    return text.arg(channel)
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
            problems << OutOfRange(i, true, ch.RX);
        if (!Holdable(ch.TX))
            problems << OutOfRange(i, false, ch.TX);
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
    if (problems.isEmpty())
        return QString();
    return QCoreApplication::translate("StationFrequencyCheck", "%1 Запись не выполнена.").arg(problems.first());
}
