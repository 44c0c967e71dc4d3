// The print command of the tool buttons: fill the report from the editors
// and show its preview, from which the user prints.
#include "app/Main.h"
#include "report/Fprint.h"

void Tf_main::fr_button1PClick(QObject*)
{
    if (StationBusy())
        return;
    f_print->FillReport();
    f_print->PreviewModal(this);
}
