#pragma once
#include <QStringList>

// How many problems a message lists before it only counts the rest.
constexpr int ListedProblems = 20;

// The problems one per line: the first ListedProblems of them, then
// "и ещё N" for the rest, so a file with thousands of bad lines still makes
// a message that fits on the screen.
QString ProblemListText(const QStringList& problems);
