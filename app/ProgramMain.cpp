// Tarnik programmer: reads, edits and writes the configuration of Tarnik
// two-way radio stations over a serial port.
#include "widgets/ErrorBox.h"
#include "app/Main.h"
#include "app/Startup.h"
#include "app/TApplication.h"
#include "document/CatalogueLanguage.h"
#include "document/ProgramLanguage.h"
#include "document/StartDir.h"
#include "document/UserFolder.h"
#include <QCoreApplication>

int main(int argc, char** argv)
{
    TApplication app(argc, argv);
#ifdef Q_OS_WIN
    // Installed on Windows, the program runs in the user's own folder, which
    // it lays out from the shipped data beside it (on Linux the launcher
    // does this).
    QString error;
    const bool entered = UserFolder::Enter(QCoreApplication::applicationDirPath(), &error);
#endif
    // The language is chosen before any window or message exists: the one
    // the catalogue names, else the system's.
    InstallLanguage(app, CatalogueLanguageSetting(StartPath(QStringLiteral("Settings/Settings.xml"))));
#ifdef Q_OS_WIN
    if (!entered)
        ShowErrorBox(QCoreApplication::translate("ProgramMain", "Рабочая папка программы не подготовлена: %1. "
                                                 "Настройки будут сохраняться в папке установки.").arg(error));
#endif
    int code = 1;
    // An error during start-up is shown and ends the program.
    Guarded([&] {
        CreateWindows();
        f_main->show();
        code = app.exec();
    });
    return code;
}
