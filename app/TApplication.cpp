#include "app/TApplication.h"
#include "app/ErrorBox.h"
#include <QLibraryInfo>
#include <QTranslator>

TApplication::TApplication(int& argc, char** argv)
    : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("tarnik-programmer"));
    // No display name: the platform would append it to every window's
    // title ("О программе — Программатор Tarnik"); each window names itself.
    // The installed menu entry, so the desktop shows its icon for the window.
    setDesktopFileName(QStringLiteral("tarnik-programmer"));
    // The program speaks Russian: so do Qt's own dialogs (file, print).
    // Installed on Windows, the translation lies beside the program.
    auto* translator = new QTranslator(this);
    if (translator->load(QStringLiteral("qtbase_ru"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))
        || translator->load(QStringLiteral("qtbase_ru"), applicationDirPath() + QStringLiteral("/translations")))
        installTranslator(translator);
}

bool TApplication::notify(QObject* receiver, QEvent* event)
{
    bool result = false;
    Guarded([&] { result = QApplication::notify(receiver, event); });
    return result;
}
