// The open and save commands for programmer files, and the glue between the
// file's values and the editors' controls.
#include "document/Convert.h"
#include "app/EditHistory.h"
#include "app/FileDialogs.h"
#include "app/Fjournal.h"
#include "app/Main.h"
#include "document/ProgrammerFile.h"
#include "document/U_xml.h"
#include "editors/Fchannels.h"
#include "editors/Frnoiselevels.h"
#include "editors/Frreccord.h"
#include "editors/BandCatalogue.h"
#include "editors/EditorState.h"
#include "editors/Fsettings.h"
#include "widgets/CSpinEdit.h"
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QSlider>

namespace {
// The settings page's lists in the order of the file's value1..value9.
QList<QComboBox*> FileLists()
{
    return {f_settings->ComboBox1, f_settings->ComboBox2, f_settings->ComboBox3,
            f_settings->ComboBox4, f_settings->ComboBox5, f_settings->ComboBox6,
            f_settings->ComboBox7, f_settings->ComboBox8, f_settings->ComboBox9};
}

// The check boxes of value10..value14.
QList<QCheckBox*> FileFlags()
{
    return {f_settings->CheckBox1, f_settings->CheckBox2, f_settings->CheckBox3,
            f_settings->CheckBox4, f_settings->CheckBox5};
}

TProgrammerFile CollectFromEditors()
{
    // A value typed into a field that still has the focus is brought into
    // its bounds before it is stored.
    for (Tfr_noiselevel* row : f_settings->noiseLevelRows)
        row->CSpinEdit1->ClampedValue();
    for (Tfr_reccord* row : channelRows) {
        row->CSpinEdit1->ClampedValue();
        row->CSpinEdit2->ClampedValue();
    }
    const TEditorState state = CaptureEditors();
    TProgrammerFile file;
    file.lists = state.lists;   // value1..value9 are the lists in the page's order
    std::copy_n(state.flags.begin(), file.flags.size(), file.flags.begin());
    // The time-out field always shows the slider's position.
    file.timeout = state.timeout;
    file.noiseLevels = state.noiseLevels;
    // Flags 5 and 6 are the two shutdown flags (CheckBox6, CheckBox7).
    file.pwmPower = state.pwmPower;
    file.normalPowerOff = state.flags[5];
    file.normalTxEnd = state.flags[6];
    file.channels = ChannelValues(state);
    file.declaredCount = file.channels.size();
    return file;
}

// Settings first, then the band change (which puts every row on the band's
// lower limit with the band's bounds), then the channels, so the file's
// frequencies land inside the new band's limits.
void ApplyToEditors(const TProgrammerFile& file, QObject* sender)
{
    const QList<QComboBox*> lists = FileLists();
    for (int n = 0; n < lists.size(); ++n)
        lists[n]->setCurrentIndex(file.lists[n]);   // outside the list: no selection
    const QList<QCheckBox*> flags = FileFlags();
    for (int n = 0; n < flags.size(); ++n)
        flags[n]->setChecked(file.flags[n]);
    f_settings->TrackBar1->setValue(file.timeout);
    f_settings->TrackBar1Change();
    for (int r = 0; r < 10; ++r)
        f_settings->noiseLevelRows[r]->CSpinEdit1->SetValue(file.noiseLevels[r]);
    // Files of earlier versions carry no PWM power and no shutdown flags:
    // those controls then keep what they show.
    if (file.pwmPower) {
        f_settings->TrackBar2->setValue(*file.pwmPower);
        f_settings->TrackBar2Change();
    }
    if (file.normalPowerOff)
        f_settings->CheckBox6->setChecked(*file.normalPowerOff);
    if (file.normalTxEnd)
        f_settings->CheckBox7->setChecked(*file.normalTxEnd);

    f_settings->ComboBox1Change(sender);

    for (int i = 0; i < file.channels.size() && i < channelRows.size(); ++i) {
        const TProgrammerChannel& c = file.channels[i];
        Tfr_reccord* row = channelRows[i];
        row->CheckBox1->setChecked(c.enable);
        // The file's own receive and transmit frequencies, even with the
        // common frequency on.
        row->LoadFrequencies(c.rxHz, c.txHz);
        row->ComboBox1->setCurrentIndex(c.ctcssRx);
        row->ComboBox2->setCurrentIndex(c.ctcssTx);
    }
}

} // namespace

bool Tf_main::SaveProgrammerFile(const QString& path)
{
    const TProgrammerFile file = CollectFromEditors();
    QString reason;
    if (!WriteProgrammerFile(*XmlFile, path, file, &reason)) {
        f_journal->AddEvent(6, tr("Ошибка записи файла: %1 (%2)").arg(path, reason));
        return false;
    }
    f_journal->AddEvent(3, tr("Сохранен: ") + path);
    history->Saved(path);
    return true;
}

bool Tf_main::LoadProgrammerFile(const QString& path)
{
    // The whole file is read and checked before anything is applied: a bad
    // file leaves the editors exactly as they were.
    TProgrammerFile file;
    bool ok = ReadProgrammerFile(*XmlFile, path, channelRows.size(), file);
    try {
        if (ok) {
            // The band the file selects must be in the list and have limits
            // in the catalogue, or the band change could not run.
            f_settings->ReadBand(file.lists[0] + 1);
            // The loaded file is the document from now on: the title names
            // it and "Сохранить" writes to it.
            history->Replace(QStringLiteral("загрузка файла"), [&] { ApplyToEditors(file, this); }, path);
        }
    } catch (const EConvertError&) {
        ok = false;
    }
    if (!ok) {
        f_journal->AddEvent(6, tr("Ошибка чтения файла: ") + path);
        return false;
    }
    f_journal->AddEvent(8, tr("Загружен: ") + path);
    return true;
}

void Tf_main::fr_button4PClick(QObject*)
{
    if (StationBusy() || !MaySetAsideEdits())
        return;
    const QString path = ChosenFile(od);
    if (!path.isEmpty())
        LoadProgrammerFile(path);
}

void Tf_main::fr_button5PClick(QObject*)
{
    if (!StationBusy())
        SaveCommand();
}

bool Tf_main::SaveCommand()
{
    const QString file = CurrentFile();
    return file.isEmpty() ? SaveAsCommand() : SaveProgrammerFile(file);
}

bool Tf_main::SaveAsCommand()
{
    // The dialog starts at the document's own file, when it has one.
    const QString file = CurrentFile();
    if (!file.isEmpty())
        sd->selectFile(file);
    const QString path = ChosenFile(sd);
    return !path.isEmpty() && SaveProgrammerFile(path);
}
