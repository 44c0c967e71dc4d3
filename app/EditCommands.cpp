// Unsaved work, the document's name and the undo history of the editors, as
// the main window's commands see them.
#include "app/EditHistory.h"
#include "app/Main.h"
#include "widgets/ProgramTitle.h"
#include "app/SetAsideQuestion.h"
#include "editors/Fchannels.h"
#include "editors/Frreccord.h"
#include "editors/Fsettings.h"
#include <QFileInfo>

void Tf_main::StartHistory()
{
    // The rows are not children of the page until the list places them.
    for (Tfr_reccord* row : channelRows)
        history->Watch(row);
    if (f_settings)
        history->Watch(f_settings);
    // What the start-up put into the editors is no work of the user's.
    history->Reset();
    UpdateTitle();
}

QString Tf_main::CurrentFile() const { return history->Document().file; }

void Tf_main::UpdateTitle()
{
    QString title = ProgramTitle();
    const QString file = CurrentFile();
    if (!file.isEmpty())
        title += QStringLiteral(" — ") + QFileInfo(file).fileName();
    if (history->Unsaved())
        title += QLatin1Char('*');
    setWindowTitle(title);
}

void Tf_main::ReadIntoEditors(const TTarnikPlus& record, const QString& step)
{
    // The settings first (their band change puts every row on the band
    // minimum), then the channels. What was read or restored is no file's
    // content: the document is unnamed, and "Сохранить" asks for a name.
    history->Replace(step, [&] {
        f_settings->LoadFromRecord(record);
        f_channels->LoadFromRecord(record);
    }, QString());
    history->InStation();
}

bool Tf_main::MaySetAsideEdits()
{
    history->Capture();   // a value typed but not yet committed counts too
    if (!history->Unsaved())
        return true;
    switch (AskSetAside(this, CurrentFile())) {
    case TSetAsideAnswer::Save: return SaveCommand();
    case TSetAsideAnswer::Discard: return true;
    case TSetAsideAnswer::Cancel: break;
    }
    return false;
}
