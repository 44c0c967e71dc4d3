#pragma once
#include <QString>

// The program's name as its main window and message boxes show it.
inline QString ProgramTitle() { return QStringLiteral("Программатор Tarnik"); }
