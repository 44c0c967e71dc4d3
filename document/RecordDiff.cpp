#include "document/RecordDiff.h"
#include "document/ConfigFields.h"
#include "link/ImageCodec.h"
#include "link/StationRecord.h"

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

QStringList RecordDifferences(const TTarnikPlus& a, const TTarnikPlus& b, const TStationCatalogue* catalogue,
                              const QStringList& missingA, const QStringList& missingB)
{
    const QString absent = QStringLiteral("нет в файле");
    QStringList lines;
    for (const TSettingField& f : SettingFields()) {
        const bool inA = !missingA.contains(f.key), inB = !missingB.contains(f.key);
        const int va = f.get(a), vb = f.get(b);
        if ((!inA && !inB) || (inA && inB && va == vb))
            continue;
        lines << QStringLiteral("%1: %2 → %3")
                     .arg(f.caption, inA ? SettingText(f, va, catalogue) : absent, inB ? SettingText(f, vb, catalogue) : absent);
    }
    for (int i = 0; i < ChannelCount; ++i)
        ChannelLines(i, ChannelAt(a, i), ChannelAt(b, i), lines);
    return lines;
}

QStringList ImageDifferences(const QByteArray& a, const QByteArray& b, const TStationCatalogue* catalogue)
{
    TTarnikPlus ra, rb;
    DecodeImage(a, ra);
    DecodeImage(b, rb);
    QStringList lines = RecordDifferences(ra, rb, catalogue);
    if (a.size() != StationImageSize || b.size() != StationImageSize)
        return lines;
    // Bytes the record does not cover: those the images differ in once b's
    // record is written over a.
    const QByteArray bOverA = EncodeOverImage(rb, a);
    int rest = 0;
    int first = -1;
    for (int i = 0; i < StationImageSize; ++i) {
        if (b.at(i) != bOverA.at(i)) {
            if (first < 0)
                first = i;
            ++rest;
        }
    }
    if (rest > 0)
        lines << QStringLiteral("Прочие байты образа: %1 отличаются (первый по адресу 0x%2)")
                     .arg(rest)
                     .arg(first, 3, 16, QLatin1Char('0'));
    return lines;
}
