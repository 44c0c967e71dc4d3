#include "editors/StationCatalogue.h"
#include "document/Convert.h"
#include "editors/CtcssTones.h"
#include "editors/StationFrequencyCheck.h"
#include "link/ImageCodec.h"
#include "link/StationRecord.h"
#include <QCoreApplication>

namespace {
QString ListProblem(const QString& name, int value, int count)
{
    if (value < count)
        return QString();
    return QCoreApplication::translate("StationCatalogue", "%1: значение %2 вне списка каталога (0 - %3)").arg(name).arg(value).arg(count - 1);
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
        problems << QCoreApplication::translate("StationCatalogue", "Частотный диапазон %1 не описан в каталоге (в каталоге диапазоны 1 - %2)")
                        .arg(r.range)
                        .arg(c.bands.size());
    const TCatalogueLists& l = c.lists;
    const struct {
        const char* name;
        int value;
        int count;
    } lists[] = {
        {QT_TRANSLATE_NOOP("ConfigFields", "Уровень громкости"), r.volume, int(l.volume.size())},
        {QT_TRANSLATE_NOOP("ConfigFields", "Уровень шумоподавителя"), r.squelch, int(l.squelch.size())},
        {QT_TRANSLATE_NOOP("ConfigFields", "Уровень аналогового SQL"), r.analogSql, l.analogSql},
        {QT_TRANSLATE_NOOP("ConfigFields", "Уровень девиации"), r.deviation, int(l.deviation.size())},
        {QT_TRANSLATE_NOOP("ConfigFields", "Уровень чувствительности микрофона"), r.micSensitivity, int(l.levels.size())},
        {QT_TRANSLATE_NOOP("ConfigFields", "Усиление на прием"), r.rxGain, int(l.levels.size())},
        {QT_TRANSLATE_NOOP("ConfigFields", "Уровень CTCSS на передачу"), r.ctcssTxLevel, int(l.levels.size())},
        {QT_TRANSLATE_NOOP("ConfigFields", "Уровень CTCSS на прием"), r.ctcssRxLevel, int(l.levels.size())},
    };
    for (const auto& list : lists) {
        const QString problem = ListProblem(QCoreApplication::translate("ConfigFields", list.name), list.value, list.count);
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
        const std::pair<const char*, int32_t> frequencies[] = {
            {QT_TRANSLATE_NOOP("StationCatalogue", "Канал %1: частота приема %2 кГц вне диапазона %3 (%4 - %5 кГц)"), ch.RX},
            {QT_TRANSLATE_NOOP("StationCatalogue", "Канал %1: частота передачи %2 кГц вне диапазона %3 (%4 - %5 кГц)"),
             ch.TX}};
        for (const auto& [text, kHz] : frequencies) {
            if (!bandKnown)
                break;
            const TBandLimits& band = c.bands[r.range - 1];
            const qint64 hz = qint64(kHz) * 1000;
            if (hz < band.minHz || hz > band.maxHz)
                problems << QCoreApplication::translate("StationCatalogue", text)
                                .arg(i)
                                .arg(kHz)
                                .arg(r.range)
                                .arg(band.minHz / 1000)
                                .arg(band.maxHz / 1000);
        }
        const std::pair<const char*, int> tonesOf[] = {
            {QT_TRANSLATE_NOOP("StationCatalogue", "Канал %1: тон CTCSS приема %2 вне списка тонов (0 - %3)"), ch.CTCSSRX},
            {QT_TRANSLATE_NOOP("StationCatalogue", "Канал %1: тон CTCSS передачи %2 вне списка тонов (0 - %3)"),
             ch.CTCSSTX}};
        for (const auto& [text, tone] : tonesOf) {
            if (tone < 0 || tone >= tones)
                problems << QCoreApplication::translate("StationCatalogue", text)
                                .arg(i)
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
        return {QCoreApplication::translate("StationCatalogue", "Образ станции должен занимать %1 байта, а не %2").arg(StationImageSize).arg(image.size())};
    QStringList problems = SettingProblems(record, catalogue);
    QStringList bytes;
    for (int offset : UnmodelledBitsChanged(image))
        bytes << QStringLiteral("%1 (0x%2)").arg(offset).arg(static_cast<uchar>(image.at(offset)), 2, 16, QLatin1Char('0'));
    if (!bytes.isEmpty())
        problems << QCoreApplication::translate("StationCatalogue", "Служебные биты не такие, какие записывает программа, в байтах %1")
                        .arg(bytes.join(QStringLiteral(", ")));
    return problems + ChannelProblems(record, catalogue);
}

QString ProblemListText(const QStringList& problems, int max)
{
    QStringList lines = problems.mid(0, max);
    if (problems.size() > max)
        lines << QCoreApplication::translate("StationCatalogue", "… и ещё %1").arg(problems.size() - max);
    return lines.join(QLatin1Char('\n'));
}
