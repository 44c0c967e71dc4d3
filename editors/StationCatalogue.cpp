#include "editors/StationCatalogue.h"
#include "document/Convert.h"
#include "editors/CtcssTones.h"
#include "editors/StationFrequencyCheck.h"
#include "link/ImageCodec.h"
#include "link/StationRecord.h"

namespace {
QString ListProblem(const QString& name, int value, int count)
{
    if (value < count)
        return QString();
    return QStringLiteral("%1: значение %2 вне списка каталога (0 - %3)").arg(name).arg(value).arg(count - 1);
}
} // namespace

bool LoadStationCatalogue(TXMLFile& xml, const QString& path, TStationCatalogue& catalogue, QString* reason)
{
    TStationCatalogue read;
    read.path = path;
    try {
        TCatalogueReceivers to;
        to.lists = [&](const TCatalogueLists& lists) { read.lists = lists; };
        ReadCatalogue(xml, path, to);
        for (int band = 1; band <= read.lists.bands.size(); ++band)
            read.bands << ReadBandLimits(xml, path, band);
    } catch (const EConvertError& e) {
        if (reason)
            *reason = e.Message();
        return false;
    }
    catalogue = read;
    return true;
}

namespace {

bool BandKnown(const TTarnikPlus& r, const TStationCatalogue& c)
{
    return r.range >= 1 && r.range <= c.bands.size();
}

// The settings the catalogue does not hold: the band, the list positions.
QStringList SettingProblems(const TTarnikPlus& r, const TStationCatalogue& c)
{
    QStringList problems;
    const bool bandKnown = BandKnown(r, c);
    if (!bandKnown)
        problems << QStringLiteral("Частотный диапазон %1 не описан в каталоге (в каталоге диапазоны 1 - %2)")
                        .arg(r.range)
                        .arg(c.bands.size());
    const TCatalogueLists& l = c.lists;
    const struct {
        const char* name;
        int value;
        int count;
    } lists[] = {
        {"Уровень громкости", r.volume, int(l.volume.size())},
        {"Уровень шумоподавителя", r.squelch, int(l.squelch.size())},
        {"Уровень аналогового SQL", r.analogSql, l.analogSql},
        {"Уровень девиации", r.deviation, int(l.deviation.size())},
        {"Уровень чувствительности микрофона", r.micSensitivity, int(l.levels.size())},
        {"Усиление на прием", r.rxGain, int(l.levels.size())},
        {"Уровень CTCSS на передачу", r.ctcssTxLevel, int(l.levels.size())},
        {"Уровень CTCSS на прием", r.ctcssRxLevel, int(l.levels.size())},
    };
    for (const auto& list : lists) {
        const QString problem = ListProblem(QString::fromUtf8(list.name), list.value, list.count);
        if (!problem.isEmpty())
            problems << problem;
    }
    return problems;
}

// The enabled channels' frequencies outside the band or the station's
// range, and their tones beyond the tone list.
QStringList ChannelProblems(const TTarnikPlus& r, const TStationCatalogue& c)
{
    QStringList problems;
    const bool bandKnown = BandKnown(r, c);
    const int tones = static_cast<int>(CtcssTones.size()) + 1;
    for (int i = 0; i < static_cast<int>(r.channels.size()); ++i) {
        const TTarnikRec& ch = r.channels[i];
        if (!ch.enable)
            continue;
        for (const auto& [what, kHz] : {std::pair{"приема", ch.RX}, std::pair{"передачи", ch.TX}}) {
            if (!bandKnown)
                break;
            const TBandLimits& band = c.bands[r.range - 1];
            const qint64 hz = qint64(kHz) * 1000;
            if (hz < band.minHz || hz > band.maxHz)
                problems << QStringLiteral("Канал %1: частота %2 %3 кГц вне диапазона %4 (%5 - %6 кГц)")
                                .arg(i)
                                .arg(QString::fromUtf8(what))
                                .arg(kHz)
                                .arg(r.range)
                                .arg(band.minHz / 1000)
                                .arg(band.maxHz / 1000);
        }
        for (const auto& [what, tone] : {std::pair{"приема", ch.CTCSSRX}, std::pair{"передачи", ch.CTCSSTX}}) {
            if (tone < 0 || tone >= tones)
                problems << QStringLiteral("Канал %1: тон CTCSS %2 %3 вне списка тонов (0 - %4)")
                                .arg(i)
                                .arg(QString::fromUtf8(what))
                                .arg(tone)
                                .arg(tones - 1);
        }
    }
    return problems + StationFrequencyProblems(r);
}

} // namespace

QStringList CatalogueProblems(const TTarnikPlus& r, const TStationCatalogue& c)
{
    return SettingProblems(r, c) + ChannelProblems(r, c);
}

QString CatalogueProblem(const TTarnikPlus& record, const TStationCatalogue& catalogue)
{
    const QStringList problems = CatalogueProblems(record, catalogue);
    return problems.isEmpty() ? QString() : problems.first();
}

QStringList ImageProblems(const QByteArray& image, const TStationCatalogue& catalogue)
{
    TTarnikPlus record;
    if (!DecodeImage(image, record))
        return {QStringLiteral("Образ станции должен занимать %1 байта, а не %2").arg(StationImageSize).arg(image.size())};
    QStringList problems = SettingProblems(record, catalogue);
    QStringList bytes;
    for (int offset : UnmodelledBitsChanged(image))
        bytes << QStringLiteral("%1 (0x%2)").arg(offset).arg(static_cast<uchar>(image.at(offset)), 2, 16, QLatin1Char('0'));
    if (!bytes.isEmpty())
        problems << QStringLiteral("Служебные биты не такие, какие записывает программа, в байтах %1")
                        .arg(bytes.join(QStringLiteral(", ")));
    return problems + ChannelProblems(record, catalogue);
}

QString ProblemListText(const QStringList& problems, int max)
{
    QStringList lines = problems.mid(0, max);
    if (problems.size() > max)
        lines << QStringLiteral("… и ещё %1").arg(problems.size() - max);
    return lines.join(QLatin1Char('\n'));
}
