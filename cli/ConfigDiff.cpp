#include "cli/ConfigDiff.h"
#include "cli/ConfigFields.h"
#include "cli/ConfigFormats.h"
#include "cli/ImageCompare.h"
#include "link/ImageCodec.h"

namespace {
constexpr int ChannelCount = 100;

TTarnikRec ChannelAt(const TTarnikPlus& r, int i)
{
    return i < static_cast<int>(r.channels.size()) ? r.channels[i] : TTarnikRec();
}

QString ChannelText(const TTarnikRec& c)
{
    return QStringLiteral("RX %1, TX %2, CTCSS RX %3, CTCSS TX %4")
        .arg(KHzText(c.RX), KHzText(c.TX), ToneIndexText(c.CTCSSRX), ToneIndexText(c.CTCSSTX));
}

void ChannelLines(int i, const TTarnikRec& a, const TTarnikRec& b, QStringList& lines)
{
    const QString name = QStringLiteral("Канал %1").arg(i);
    if (!a.enable && !b.enable)
        return;
    if (a.enable != b.enable) {
        lines << (b.enable ? QStringLiteral("%1: включен: %2").arg(name, ChannelText(b))
                           : QStringLiteral("%1: выключен (был %2)").arg(name, ChannelText(a)));
        return;
    }
    if (a.RX != b.RX)
        lines << QStringLiteral("%1: RX %2 → %3").arg(name, KHzText(a.RX), KHzText(b.RX));
    if (a.TX != b.TX)
        lines << QStringLiteral("%1: TX %2 → %3").arg(name, KHzText(a.TX), KHzText(b.TX));
    if (a.CTCSSRX != b.CTCSSRX)
        lines << QStringLiteral("%1: CTCSS RX %2 → %3").arg(name, ToneIndexText(a.CTCSSRX), ToneIndexText(b.CTCSSRX));
    if (a.CTCSSTX != b.CTCSSTX)
        lines << QStringLiteral("%1: CTCSS TX %2 → %3").arg(name, ToneIndexText(a.CTCSSTX), ToneIndexText(b.CTCSSTX));
}
} // namespace

QStringList ConfigDifferences(const TConfig& a, const TConfig& b, const TStationCatalogue* catalogue)
{
    QStringList lines;
    for (const TSettingField& f : SettingFields()) {
        const int va = f.get(a.record), vb = f.get(b.record);
        if (va != vb)
            lines << QStringLiteral("%1: %2 → %3").arg(f.caption, SettingText(f, va, catalogue), SettingText(f, vb, catalogue));
    }
    for (int i = 0; i < ChannelCount; ++i)
        ChannelLines(i, ChannelAt(a.record, i), ChannelAt(b.record, i), lines);
    if (!a.image.isEmpty() && !b.image.isEmpty()) {
        // Bytes the record does not cover: those the images differ in once
        // both records are written over the first image.
        const QByteArray bOverA = EncodeOverImage(b.record, a.image);
        int first = -1;
        const int rest = CountDifferences(b.image, bOverA, &first);
        if (rest > 0)
            lines << QStringLiteral("Прочие байты образа: %1 отличаются (первый по адресу 0x%2)")
                         .arg(rest)
                         .arg(first, 3, 16, QLatin1Char('0'));
    }
    return lines;
}
