#include "app/TApplication.h"
#include "widgets/ErrorBox.h"

TApplication::TApplication(int& argc, char** argv)
    : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("tarnik-programmer"));
    // No display name: the platform would append it to every window's
    // title ("О программе — Программатор Tarnik"); each window names itself.
    // The installed menu entry, so the desktop shows its icon for the window.
    setDesktopFileName(QStringLiteral("tarnik-programmer"));
}

bool TApplication::notify(QObject* receiver, QEvent* event)
{
    bool result = false;
    Guarded([&] { result = QApplication::notify(receiver, event); });
    return result;
}
