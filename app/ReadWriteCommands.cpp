// The read and write commands of the action row.
#include "app/EditHistory.h"
#include "widgets/ErrorBox.h"
#include "app/Main.h"
#include "editors/Fchannels.h"
#include "editors/Fconfig.h"
#include "editors/Fsettings.h"
#include "editors/StationFrequencyCheck.h"
#include "link/Fportcheck.h"
#include "link/SafeWrite.h"
#include "link/StationRecord.h"
#include <QCheckBox>

// Reads the station into the editors: the settings first (their band change
// puts every row on the band minimum), then the channels. The settings load
// refuses a record whose band the catalogue does not know before it touches
// either page; the error box then names the band.
void Tf_main::read_btnPClick(QObject*)
{
    if (StationBusy() || !MaySetAsideEdits())
        return;
    StationCommand exchange(this);
    TTarnikPlus record;
    if (!f_port->ReadStation(fr_progress1, record))
        return;
    ReadIntoEditors(record);
}

// Writes the editors into the station: the channels fill the record first,
// then the settings. A channel frequency the station cannot hold stops the
// write before anything is sent. With the safe write on, the record goes
// over the station's own image, and only what differs is sent.
void Tf_main::write_btnPClick(QObject*)
{
    if (StationBusy())
        return;
    TTarnikPlus record;
    f_channels->SaveToRecord(record);
    f_settings->SaveToRecord(record);
    const QString problem = StationFrequencyProblem(record);
    if (!problem.isEmpty()) {
        ShowErrorBox(problem);
        return;
    }
    StationCommand exchange(this);
    const bool written = f_config->CheckBox2->isChecked()
        ? f_port->SafeWrite(fr_progress1, TSafeWrite::FromRecord(record)).Succeeded()
        : f_port->WriteStation(fr_progress1, record);
    // The station holds what the editors show: no unsaved work, and the
    // document keeps its name ("Сохранить" still writes to its file).
    if (written)
        history->InStation();
}
