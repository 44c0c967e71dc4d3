// Export and import of the channel table as CSV (Файл menu). The format and
// the check of every row live in ChannelCsv; this applies the result.
#include "app/EditHistory.h"
#include "widgets/ErrorBox.h"
#include "app/FileDialogs.h"
#include "app/Fjournal.h"
#include "app/Main.h"
#include "document/ChannelCsv.h"
#include "document/FileRead.h"
#include "document/FileWrite.h"
#include "document/ProblemList.h"
#include "editors/EditorState.h"
#include "editors/Fsettings.h"
#include <QComboBox>

void Tf_main::ExportCsvClick()
{
    if (StationBusy())
        return;
    const QString path = ChosenFile(sdCsv);
    if (!path.isEmpty())
        ExportChannelCsv(path);
}

void Tf_main::ImportCsvClick()
{
    if (StationBusy())
        return;
    const QString path = ChosenFile(odCsv);
    if (!path.isEmpty())
        ImportChannelCsv(path);
}

bool Tf_main::ExportChannelCsv(const QString& path)
{
    history->Capture();
    const QByteArray text = WriteChannelCsv(ChannelValues(CaptureEditors()));
    const QString reason = WriteFileAtomically(path, text);
    if (!reason.isEmpty()) {
        f_journal->AddEvent(6, tr("Ошибка записи файла: %1 (%2)").arg(path, reason));
        return false;
    }
    f_journal->AddEvent(3, tr("Каналы сохранены в CSV: ") + path);
    return true;
}

bool Tf_main::ImportChannelCsv(const QString& path)
{
    // Only a regular file of a table's size is read: a FIFO, a device or a
    // huge file is refused at once instead of stopping the window.
    QByteArray bytes;
    const QString unreadable = ReadRegularFile(path, MaxChannelCsvSize, bytes);
    if (!unreadable.isEmpty()) {
        f_journal->AddEvent(6, tr("Ошибка чтения файла: ") + path);
        ShowErrorBox(tr("Каналы не загружены из файла %1: %2.").arg(path, unreadable));
        return false;
    }
    // The rows are checked against the band the list shows (a list without
    // a band refuses the import with the band change's own message).
    const TBandLimits band = f_settings->ReadBand(f_settings->ComboBox1->currentIndex() + 1,
                                                  tr("Каналы не загружены."));
    TEditorState state = CaptureEditors();
    const TChannelCsvImport in = ReadChannelCsv(bytes, band, ChannelValues(state));
    if (!in.errors.isEmpty()) {
        f_journal->AddEvent(6, tr("Ошибка чтения файла: ") + path);
        ShowErrorBox(tr("Каналы не загружены из файла %1, ничего не изменено:\n").arg(path)
                     + ProblemListText(in.errors));
        return false;
    }
    SetChannelValues(state, in.channels);
    history->Step(QStringLiteral("импорт CSV"), [&] { RestoreEditors(state); });
    f_journal->AddEvent(8, tr("Каналы загружены из CSV: ") + path);
    return true;
}
