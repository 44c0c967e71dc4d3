// tarnik-cli: the command-line programmer of Tarnik stations.
#include "cli/CatalogueChoice.h"
#include "cli/CommandLine.h"
#include "document/CatalogueLanguage.h"
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
    // The language the catalogue asks for, else the system's, before
    // anything is printed.
    const QStringList words = QCoreApplication::arguments().mid(1);
    InstallLanguage(app, CatalogueLanguageSetting(ChooseCatalogue(GivenCatalogue(words))));
    return RunCommandLine(words);
}
