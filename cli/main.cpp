// tarnik-cli: the command-line programmer of Tarnik stations.
#include "cli/CliContext.h"
#include "cli/Commands.h"
#include "cli/ExitCodes.h"
#include "cli/Output.h"
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
    QStringList words = QCoreApplication::arguments().mid(1);

    if (words.isEmpty()) {
        PrintErr(ToolHelp());
        return ExitUsage;
    }
    const QString name = words.takeFirst();
    if (name == QLatin1String("--help") || name == QLatin1String("-h") || name == QLatin1String("help")) {
        PrintOut(ToolHelp());
        return ExitOk;
    }
    if (name == QLatin1String("--version")) {
        PrintOut(QStringLiteral("tarnik-cli ") + QStringLiteral(TARNIK_VERSION));
        return ExitOk;
    }
    for (const TCommand& command : Commands()) {
        if (command.name != name)
            continue;
        TArguments args;
        QString error;
        if (!ParseArguments(words, command.options + CommonOptions(), args, &error)) {
            PrintErr(QStringLiteral("tarnik-cli %1: %2\nСправка: tarnik-cli %1 --help").arg(name, error));
            return ExitUsage;
        }
        if (args.Has(QStringLiteral("--help"))) {
            PrintOut(CommandHelp(command));
            return ExitOk;
        }
        TCliContext context(args);
        return command.run(context);
    }
    PrintErr(QStringLiteral("tarnik-cli: неизвестная команда %1\nСправка: tarnik-cli --help").arg(name));
    return ExitUsage;
}
