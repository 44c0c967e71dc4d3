// "Восстановить из резервной копии...": a station image file, a backup or
// any other 1024-byte image, written into the station by the safe write
// exactly as it stands.
#include "app/EditHistory.h"
#include "app/ErrorBox.h"
#include "app/Main.h"
#include "link/Backups.h"
#include "link/Fportcheck.h"
#include "link/ImageCodec.h"
#include <QDir>
#include <QFile>
#include <QFileDialog>

void Tf_main::RestoreFromBackup(QObject*)
{
    if (stationBusy || !MaySetAsideEdits())
        return;
    const QString folder = Backups::Folder();
    QDir().mkpath(folder);
    rd->setDirectory(folder);
    if (rd->exec() != QDialog::Accepted || rd->selectedFiles().isEmpty())
        return;
    RestoreImageFile(rd->selectedFiles().first());
}

void Tf_main::RestoreImageFile(const QString& path)
{
    if (stationBusy)
        return;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ShowErrorBox(QStringLiteral("Не удалось открыть файл %1.").arg(QDir::toNativeSeparators(path)));
        return;
    }
    // One byte more than an image, so that a longer file is noticed.
    const QByteArray image = file.read(StationImageSize + 1);
    if (image.size() != StationImageSize) {
        ShowErrorBox(QStringLiteral("Файл %1 не является образом станции: в нём должно быть ровно %2 байта.")
                         .arg(QDir::toNativeSeparators(path))
                         .arg(StationImageSize));
        return;
    }
    StationCommand exchange(this);
    if (f_port->SafeWrite(fr_progress1, TSafeWrite::FixedImage(image)).Succeeded())
        RestoredDocument();
}

void Tf_main::RestoredDocument()
{
    // The station now holds the image, which is no programmer file: the
    // document is unnamed from here on, and "Сохранить" asks for a name.
    // The editors keep what they show, which is not what the station holds.
    history->Replace(QStringLiteral("восстановление"), [] {}, QString());
    history->StationUnknown();
}
