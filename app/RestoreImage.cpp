// The restore once the file's 1024 bytes are in hand: the checks a whole
// image must pass, what the restore changes in the station, the safe write,
// and the editors showing the restored configuration.
#include "document/U_xml.h"
#include "document/Convert.h"
#include "app/EditHistory.h"
#include "app/Fjournal.h"
#include "app/Main.h"
#include "app/RestoreQuestions.h"
#include "document/StartDir.h"
#include "document/RecordDiff.h"
#include "editors/StationCatalogue.h"
#include "link/Fportcheck.h"
#include "link/ImageCodec.h"
#include "link/StationRecord.h"

namespace {
constexpr int IconNotice = 0;
constexpr int IconError = 6;
} // namespace

void Tf_main::RestoreImage(const QByteArray& image, const QString& path)
{
    if (StationBusy())
        return;
    // The checks a programmer file's load makes, and the bits a write of
    // the program's own would leave as they are.
    TStationCatalogue catalogue;
    QString why;
    const bool haveCatalogue = LoadStationCatalogue(*XmlFile, StartPath(QStringLiteral("Settings/Settings.xml")), catalogue, &why);
    const QStringList problems = haveCatalogue
        ? ImageProblems(image, catalogue)
        : QStringList{tr("Каталог не прочитан, проверить образ не по чему: %1").arg(why)};
    if (!problems.isEmpty() && !AskWriteAnyway(this, path, problems)) {
        f_journal->AddEvent(IconNotice, tr("Восстановление отменено: образ не прошёл проверку."));
        return;
    }
    StationCommand exchange(this);
    const TSafeWriteResult result = f_port->SafeWrite(
        fr_progress1, TSafeWrite::FixedImage(image), [&](const QByteArray& station, const QByteArray& intended) {
            return AskRestore(this, ImageDifferences(station, intended, haveCatalogue ? &catalogue : nullptr));
        });
    if (!result.Succeeded())
        return;
    // The station holds the restored configuration: so do the editors, or
    // the next write would undo the restore. An image written all the same
    // may hold what the editors cannot show (a band the catalogue lacks):
    // the journal says so, and the editors stay as they were.
    TTarnikPlus record;
    DecodeImage(image, record);
    try {
        ReadIntoEditors(record, QStringLiteral("восстановление"));
    } catch (const EConvertError& e) {
        f_journal->AddEvent(IconError, tr("Восстановленную конфигурацию нельзя показать: %1. "
                                                      "Редакторы показывают прежнюю; запись из них изменит станцию.")
                                           .arg(e.Message()));
        // The station holds no file's content and not what the editors
        // show: the document is unnamed, and nothing counts as kept.
        history->Replace(QStringLiteral("восстановление"), [] {}, QString());
        history->StationUnknown();
    }
}
