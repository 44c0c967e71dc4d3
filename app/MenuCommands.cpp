// The commands behind the menu bar's picks: the position of a pick, as
// 100 x top-level index + sub-item index, names the command.
#include "app/HelpFile.h"
#include "app/Main.h"
#include "document/StartDir.h"
#include "widgets/Fabout.h"
#include "widgets/Frmainmenu.h"
#include <QDesktopServices>
#include <QDir>
#include <QProcess>
#include <QUrl>

namespace {
// Hands the help file in the program's language to the desktop's viewer for
// its type, with the Source directory as working directory: the web archive
// where the desktop has a viewer for it, else the same guide as a plain
// page. What the viewer does with it (maximised or not, or failing) is not
// the program's concern.
void OpenHelp()
{
    const QString dir = StartPath(QStringLiteral("Source"));
    const QString file = HelpFileToOpen(dir, DesktopOpensWebArchives(), ProgramLanguage());
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    if (QProcess::startDetached(QStringLiteral("xdg-open"), {file}, dir))
        return;
#endif
    QDesktopServices::openUrl(QUrl::fromLocalFile(file));
}
} // namespace

void Tf_main::mmclickExecute(QObject* sender)
{
    if (StationBusy())
        return;
    const int item = fr_mainmenu1->ItemIndex();
    const int sub = fr_mainmenu1->SubItemIndex();
    // "Выход" is the last entry of the file menu. A catalogue kept from an
    // earlier version has it at position 4, where the current one has the
    // CSV import: the last entry always exits, so such a menu still works
    // and never runs an import in place of the exit.
    const TmmitemList& items = fr_mainmenu1->Items();
    if (item == 0 && !items.isEmpty() && sub >= 0 && sub == items.first().SubItems.size() - 1) {
        fr_button8PClick(sender);
        return;
    }
    switch (100 * item + sub) {
    case 0: fr_button4PClick(sender); break;
    case 1: fr_button5PClick(sender); break;
    case 2:
        // Save as: the save dialog is always shown.
        SaveAsCommand();
        break;
    case 3: ExportCsvClick(); break;
    case 4: ImportCsvClick(); break;
    case 100: fr_button3PClick(sender); break;
    case 101: RestoreFromBackup(sender); break;
    case 200: fr_button6PClick(sender); break;
    case 201: fr_button7PClick(sender); break;
    case 300: OpenHelp(); break;
    case 301: f_about->exec(); break;
    default: break;   // a position without a command
    }
}
