#pragma once
#include <QCoreApplication>
#include <QString>

// The program's name as its main window and message boxes show it.
inline QString ProgramTitle() { return QCoreApplication::translate("ProgramTitle", "Программатор Tarnik"); }
