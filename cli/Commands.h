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

// The commands of each group, defined beside their code.
QList<TCommand> PortCommands();      // ports, search
QList<TCommand> StationCommands();   // read, write, verify
QList<TCommand> FileCommands();      // decode, encode, diff, show

// The options every command takes.
QList<TOptionRule> CommonOptions();

// The help of the tool and of one command.
QString ToolHelp();
QString CommandHelp(const TCommand& command);
