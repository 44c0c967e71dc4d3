#pragma once
#include "cli/Arguments.h"
#include <QList>
#include <functional>

class TCliContext;

// One command of the tool: its name, what it does, how it is called, its
// options and the function that runs it and gives the exit code.
struct TCommand {
    QString name;
    QString summary;
    QString usage;
    QList<TOptionRule> options;
    std::function<int(TCliContext&)> run;
};

// Every command, in the order --help lists them.
const QList<TCommand>& Commands();
// The command of the name, or null.
const TCommand* FindCommand(const QString& name);

// The commands of each group, defined beside their code.
QList<TCommand> PortCommands();      // ports, search
QList<TCommand> StationCommands();   // read, write, verify
QList<TCommand> FileCommands();      // decode, encode, diff, show

// The options every command takes, before or after its name.
QList<TOptionRule> CommonOptions();
// Every option of any command and the common ones.
QList<TOptionRule> AllOptions();

// The help of the tool and of one command.
QString ToolHelp();
QString CommandHelp(const TCommand& command);
QString VersionText();
