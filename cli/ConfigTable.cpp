#include "cli/ConfigTable.h"
#include "document/ConfigFields.h"
#include "editors/CtcssTones.h"
#include "link/StationRecord.h"
#include <QStringList>

namespace {
constexpr int ChannelCount = 100;

QString ToneHz(int index)
{
    if (index >= 1 && index <= static_cast<int>(CtcssTones.size()))
        return QString::number(static_cast<double>(CtcssTones[index - 1]), 'f', 1);
    return index == 0 ? QString() : QStringLiteral("#%1").arg(index);
}
} // namespace

QString ConfigText(const TTarnikPlus& record, const TStationCatalogue* catalogue, const QStringList& missing)
{
    QStringList lines;
    int width = 0;
    for (const TSettingField& f : SettingFields())
        width = std::max(width, static_cast<int>(f.caption.size()));
    for (const TSettingField& f : SettingFields())
        lines << QStringLiteral("%1  %2").arg(f.caption.leftJustified(width), missing.contains(f.key)
                                                                               ? QStringLiteral("нет в файле")
                                                                               : SettingText(f, f.get(record), catalogue));
    lines << QString()
          << QStringLiteral("Канал  RX, кГц  TX, кГц  CTCSS RX  CTCSS TX");
    for (int i = 0; i < static_cast<int>(record.channels.size()) && i < ChannelCount; ++i) {
        const TTarnikRec& c = record.channels[i];
        if (!c.enable)
            continue;
        lines << QStringLiteral("%1  %2  %3  %4  %5")
                     .arg(QString::number(i).rightJustified(5), QString::number(c.RX).rightJustified(7),
                          QString::number(c.TX).rightJustified(7), ToneIndexText(c.CTCSSRX).leftJustified(8),
                          ToneIndexText(c.CTCSSTX));
    }
    return lines.join(QLatin1Char('\n'));
}

QString ChannelsCsv(const TTarnikPlus& record)
{
    QStringList lines{QStringLiteral("channel,enable,rx_khz,tx_khz,ctcss_rx_hz,ctcss_tx_hz")};
    for (int i = 0; i < ChannelCount; ++i) {
        const TTarnikRec c = i < static_cast<int>(record.channels.size()) ? record.channels[i] : TTarnikRec();
        if (!c.enable) {
            lines << QStringLiteral("%1,0,,,,").arg(i);
            continue;
        }
        lines << QStringLiteral("%1,1,%2,%3,%4,%5").arg(i).arg(c.RX).arg(c.TX).arg(ToneHz(c.CTCSSRX), ToneHz(c.CTCSSTX));
    }
    return lines.join(QLatin1Char('\n'));
}
