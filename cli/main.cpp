// tarnik-cli: the command-line programmer of Tarnik stations.
#include "cli/CommandLine.h"
#include "document/ProgramLanguage.h"
#include <QCoreApplication>
#ifdef Q_OS_WIN
#include <windows.h>
#endif

int main(int argc, char* argv[])
{
#ifdef Q_OS_WIN
    // The output is UTF-8, as on Linux: the console is told so.
    SetConsoleOutputCP(CP_UTF8);
#endif
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tarnik-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TARNIK_VERSION));
    // The language as the system says, before anything is printed.
    InstallLanguage(app, QString());
    return RunCommandLine(QCoreApplication::arguments().mid(1));
}
