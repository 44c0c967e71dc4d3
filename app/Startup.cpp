#include "app/Startup.h"
#include "app/Fjournal.h"
#include "app/Main.h"
#include "document/JournalSink.h"
#include "editors/Fchannels.h"
#include "editors/Fconfig.h"
#include "editors/Ffreqedit.h"
#include "editors/Fsetchannel.h"
#include "editors/Fsettings.h"
#include "link/Fcomsettings.h"
#include "link/Fportcheck.h"
#include "link/Fsearch.h"
#include "report/Fprint.h"
#include "widgets/Fabout.h"
#include "widgets/Fstartup.h"
#include "widgets/Frpanel.h"
#include <QScrollArea>

void CreateWindows()
{
    f_main = new Tf_main;
    f_journal = new Tf_journal(f_main->fr_panel2);
    // The other windows post their events to the journal through the sink.
    SetJournalSink([](int icon, const QString& text) {
        if (f_journal)
            f_journal->AddEvent(icon, text);
    });
    f_main->fr_panel2Resize();
    f_startup = new Tf_startup;
    f_channels = new Tf_channels(f_main->TabSheet1, f_startup);
    f_settings = new Tf_settings(f_main->ScrollBox1);
    f_com = new Tf_com(f_main);
    f_config = new Tf_config(f_main);
    f_port = new Tf_port;
    f_freq = new Tf_freq(f_main);
    f_search = new Tf_search(f_main);
    f_print = new Tf_print;
    f_about = new Tf_about(f_main);
    f_setchannel = new Tf_setchannel(f_main);
}

namespace {
template <typename T>
void Destroy(T*& window)
{
    delete window;
    window = nullptr;
}
} // namespace

void DestroyWindows()
{
    // Windows owned by the main window go with it; the others first.
    f_setchannel = nullptr;
    f_about = nullptr;
    Destroy(f_print);
    f_search = nullptr;
    f_freq = nullptr;
    Destroy(f_port);
    f_config = nullptr;
    f_com = nullptr;
    f_settings = nullptr;
    f_channels = nullptr;
    channelRows.clear();
    Destroy(f_startup);
    SetJournalSink({});
    f_journal = nullptr;
    Destroy(f_main);
}
