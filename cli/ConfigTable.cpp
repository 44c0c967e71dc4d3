#include "cli/ConfigTable.h"
#include "document/ChannelCsv.h"
#include "document/ConfigFields.h"
#include "document/ProgrammerFile.h"
#include "document/RecordMapping.h"
#include "link/StationRecord.h"
#include <QCoreApplication>
#include <QStringList>

namespace {
constexpr int ChannelCount = 100;

} // namespace

QString ConfigText(const TTarnikPlus& record, const TStationCatalogue* catalogue, const QStringList& missing)
{
    QStringList lines;
    int width = 0;
    for (const TSettingField& f : SettingFields())
        width = std::max(width, static_cast<int>(f.caption.size()));
    for (const TSettingField& f : SettingFields())
        lines << QStringLiteral("%1  %2").arg(f.caption.leftJustified(width), missing.contains(f.key)
                                                                               ? QCoreApplication::translate("ConfigTable", "нет в файле")
                                                                               : SettingText(f, f.get(record), catalogue));
    //: The head of the channel columns below it: 5, 7, 7 and 8 characters
    //: wide, two blanks between them.
    lines << QString()
          << QCoreApplication::translate("ConfigTable", "Канал  RX, кГц  TX, кГц  CTCSS RX  CTCSS TX");
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
    return QString::fromUtf8(WriteChannelCsvKHz(ProgrammerFileFromRecord(record).channels)).trimmed();
}
