#include "app/TApplication.h"
#include "app/ErrorBox.h"

TApplication::TApplication(int& argc, char** argv)
    : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("tarnik-programmer"));
    setApplicationDisplayName(QStringLiteral("Программатор Tarnik"));
}

bool TApplication::notify(QObject* receiver, QEvent* event)
{
    bool result = false;
    Guarded([&] { result = QApplication::notify(receiver, event); });
    return result;
}
