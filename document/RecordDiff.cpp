#include "document/RecordDiff.h"
#include "document/ConfigFields.h"
#include "link/ImageCodec.h"
#include "link/StationRecord.h"
#include <QCoreApplication>

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

QStringList Lines(const QList<TDifference>& differences)
{
    QStringList lines;
    for (const TDifference& d : differences)
        lines << d.Line();
    return lines;
}

void ChannelDifferences(int i, const TTarnikRec& a, const TTarnikRec& b, QList<TDifference>& out)
{
    if (!a.enable && !b.enable)
        return;
    TDifference d;
    d.kind = TDifference::Kind::Channel;
    d.name = QCoreApplication::translate("RecordDiff", "Канал %1").arg(i);
    d.channel = i;
    if (a.enable != b.enable) {
        d.key = QStringLiteral("enable");
        d.truth = true;
        d.oldValue = a.enable ? 1 : 0;
        d.newValue = b.enable ? 1 : 0;
        d.oldText = a.enable ? ChannelText(a) : QCoreApplication::translate("RecordDiff", "выключен");
        d.newText = b.enable ? ChannelText(b) : QCoreApplication::translate("RecordDiff", "выключен");
        out << d;
        return;
    }
    auto value = [&](const char* key, int va, int vb, QString (*text)(int)) {
        if (va == vb)
            return;
        TDifference v = d;
        v.key = QString::fromLatin1(key);
        v.oldValue = va;
        v.newValue = vb;
        v.oldText = text(va);
        v.newText = text(vb);
        out << v;
    };
    value("rxKHz", a.RX, b.RX, KHzText);
    value("txKHz", a.TX, b.TX, KHzText);
    value("ctcssRx", a.CTCSSRX, b.CTCSSRX, ToneIndexText);
    value("ctcssTx", a.CTCSSTX, b.CTCSSTX, ToneIndexText);
}
} // namespace

QString TDifference::Line() const
{
    switch (kind) {
    case Kind::Setting:
        break;
    case Kind::OtherBytes:
        return QCoreApplication::translate("RecordDiff", "Прочие байты образа: %1 отличаются (первый по адресу 0x%2)")
            .arg(newValue.value_or(0))
            .arg(firstOffset, 3, 16, QLatin1Char('0'));
    case Kind::Channel:
        if (key == QLatin1String("enable"))
            return newValue == 1 ? QCoreApplication::translate("RecordDiff", "%1: включен: %2").arg(name, newText)
                                 : QCoreApplication::translate("RecordDiff", "%1: выключен (был %2)").arg(name, oldText);
        if (key == QLatin1String("rxKHz"))
            return QStringLiteral("%1: RX %2 → %3").arg(name, oldText, newText);
        if (key == QLatin1String("txKHz"))
            return QStringLiteral("%1: TX %2 → %3").arg(name, oldText, newText);
        if (key == QLatin1String("ctcssRx"))
            return QStringLiteral("%1: CTCSS RX %2 → %3").arg(name, oldText, newText);
        return QStringLiteral("%1: CTCSS TX %2 → %3").arg(name, oldText, newText);
    }
    return QStringLiteral("%1: %2 → %3").arg(name, oldText, newText);
}

QList<TDifference> RecordDifferenceList(const TTarnikPlus& a, const TTarnikPlus& b,
                                        const TStationCatalogue* catalogue, const QStringList& missingA,
                                        const QStringList& missingB)
{
    const QString absent = QCoreApplication::translate("RecordDiff", "нет в файле");
    QList<TDifference> out;
    for (const TSettingField& f : SettingFields()) {
        const bool inA = !missingA.contains(f.key), inB = !missingB.contains(f.key);
        const int va = f.get(a), vb = f.get(b);
        if ((!inA && !inB) || (inA && inB && va == vb))
            continue;
        TDifference d;
        d.key = f.key;
        d.name = f.caption;
        d.truth = f.truth;
        if (inA)
            d.oldValue = va;
        if (inB)
            d.newValue = vb;
        d.oldText = inA ? SettingText(f, va, catalogue) : absent;
        d.newText = inB ? SettingText(f, vb, catalogue) : absent;
        out << d;
    }
    for (int i = 0; i < ChannelCount; ++i)
        ChannelDifferences(i, ChannelAt(a, i), ChannelAt(b, i), out);
    return out;
}

QList<TDifference> ImageDifferenceList(const QByteArray& a, const QByteArray& b, const TStationCatalogue* catalogue)
{
    TTarnikPlus ra, rb;
    DecodeImage(a, ra);
    DecodeImage(b, rb);
    QList<TDifference> out = RecordDifferenceList(ra, rb, catalogue);
    if (a.size() != StationImageSize || b.size() != StationImageSize)
        return out;
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
    if (rest > 0) {
        TDifference d;
        d.kind = TDifference::Kind::OtherBytes;
        d.key = QStringLiteral("otherBytes");
        d.name = QCoreApplication::translate("RecordDiff", "Прочие байты образа");
        d.newValue = rest;
        d.firstOffset = first;
        out << d;
    }
    return out;
}

QStringList RecordDifferences(const TTarnikPlus& a, const TTarnikPlus& b, const TStationCatalogue* catalogue,
                              const QStringList& missingA, const QStringList& missingB)
{
    return Lines(RecordDifferenceList(a, b, catalogue, missingA, missingB));
}

QStringList ImageDifferences(const QByteArray& a, const QByteArray& b, const TStationCatalogue* catalogue)
{
    return Lines(ImageDifferenceList(a, b, catalogue));
}
