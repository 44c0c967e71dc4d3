#pragma once
#include <QStringList>

// Runs the command the words name (the program's arguments) and gives its
// exit code. Options common to every command, and those of the command
// itself, may stand before or after its name; "help CMD", "CMD -h" and
// "CMD --help" print its help, "--version" or "-V" the version.
int RunCommandLine(const QStringList& words);
