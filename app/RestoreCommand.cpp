// "Восстановить из резервной копии...": a station image file, a backup or
// any other 1024-byte image, written into the station by the safe write
// exactly as it stands.
#include "app/EditHistory.h"
#include "widgets/ErrorBox.h"
#include "app/Main.h"
#include "document/FileRead.h"
#include "link/Backups.h"
#include "link/Fportcheck.h"
#include "link/ImageCodec.h"
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>

namespace {
// The station image in the chosen file, through the bounded reader: only a
// regular file of exactly one image is taken, and a FIFO, a device or a
// larger file is refused at once. Empty when read, else the message.
QString ReadStationImageFile(const QString& path, QByteArray& image)
{
    bool tooLarge = false;
    const QString unreadable = ReadRegularFile(path, StationImageSize, image, &tooLarge);
    const QString shown = QDir::toNativeSeparators(path);
    if (!unreadable.isEmpty() && !tooLarge)
        return QCoreApplication::translate("Tf_main", "Файл %1 не прочитан: %2.").arg(shown, unreadable);
    if (tooLarge || image.size() != StationImageSize)
        return QCoreApplication::translate("Tf_main", "Файл %1 не является образом станции: в нём должно быть ровно %2 байта.")
            .arg(shown)
            .arg(StationImageSize);
    return QString();
}
} // namespace

void Tf_main::RestoreFromBackup(QObject*)
{
    if (StationBusy() || !MaySetAsideEdits())
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
    if (StationBusy())
        return;
    QByteArray image;
    const QString problem = ReadStationImageFile(path, image);
    if (!problem.isEmpty()) {
        ShowErrorBox(problem);
        return;
    }
    RestoreImage(image, path);
}
