// tarnik-cli: the command-line programmer of Tarnik stations.
#include "cli/CommandLine.h"
#include <QCoreApplication>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tarnik-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TARNIK_VERSION));
    return RunCommandLine(QCoreApplication::arguments().mid(1));
}
