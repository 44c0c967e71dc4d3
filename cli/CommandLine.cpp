#include "cli/CommandLine.h"
#include "cli/CliContext.h"
#include "cli/Commands.h"
#include "cli/ExitCodes.h"
#include "cli/Output.h"
#include <QCoreApplication>

namespace {

int UsageError(const QString& command, const QString& text)
{
    if (command.isEmpty())
        PrintErr(QCoreApplication::translate("CommandLine", "tarnik-cli: %1\nСправка: tarnik-cli --help").arg(text));
    else
        PrintErr(QCoreApplication::translate("CommandLine", "tarnik-cli %1: %2\nСправка: tarnik-cli %1 --help").arg(command, text));
    return ExitUsage;
}

// No command: only the options that need none.
int WithoutCommand(const QStringList& words)
{
    TArguments args;
    TArgumentError error;
    if (!ParseArguments(words, CommonOptions(), args, &error))
        return UsageError(QString(), error.text);
    if (args.Has(QStringLiteral("--version"))) {
        PrintOut(VersionText());
        return ExitOk;
    }
    if (args.Has(QStringLiteral("--help"))) {
        PrintOut(ToolHelp());
        return ExitOk;
    }
    PrintErr(ToolHelp());
    return ExitUsage;
}

// "help", "help CMD".
int Help(const QStringList& words)
{
    TArguments args;
    TArgumentError error;
    if (!ParseArguments(words, CommonOptions(), args, &error))
        return UsageError(QStringLiteral("help"), error.text);
    if (args.positional.isEmpty()) {
        PrintOut(ToolHelp());
        return ExitOk;
    }
    const TCommand* command = FindCommand(args.positional.first());
    if (!command)
        return UsageError(QString(), QCoreApplication::translate("CommandLine", "неизвестная команда %1").arg(args.positional.first()));
    PrintOut(CommandHelp(*command));
    return ExitOk;
}

} // namespace

int RunCommandLine(const QStringList& words)
{
    const QList<TOptionRule> all = AllOptions();
    const int at = CommandPosition(words, all);
    if (at < 0)
        return WithoutCommand(words);
    const QString name = words[at];
    QStringList rest = words;
    rest.removeAt(at);
    if (name == QLatin1String("help"))
        return Help(rest);
    const TCommand* command = FindCommand(name);
    if (!command)
        return UsageError(QString(), QCoreApplication::translate("CommandLine", "неизвестная команда %1").arg(name));

    // Help wins over whatever else the line holds, a mistake included.
    for (const QString& word : rest) {
        if (word == QLatin1String("--"))
            break;
        if (word == QLatin1String("-h") || word == QLatin1String("--help")) {
            PrintOut(CommandHelp(*command));
            return ExitOk;
        }
    }
    TArguments args;
    TArgumentError error;
    if (!ParseArguments(rest, command->options + CommonOptions(), args, &error)) {
        // An option of another command says so, rather than that it is unknown.
        const TOptionRule* elsewhere = FindOption(all, error.option);
        if (elsewhere && !FindOption(command->options + CommonOptions(), error.option))
            return UsageError(name, QCoreApplication::translate("CommandLine", "параметр %1 не относится к этой команде").arg(error.option));
        return UsageError(name, error.text);
    }
    if (args.Has(QStringLiteral("--version"))) {
        PrintOut(VersionText());
        return ExitOk;
    }
    if (args.Has(QStringLiteral("--verbose")) && args.Has(QStringLiteral("--quiet")))
        return UsageError(name, QCoreApplication::translate("CommandLine", "--verbose и --quiet вместе не указываются"));
    TCliContext context(args);
    return command->run(context);
}
