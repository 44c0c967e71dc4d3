#pragma once
#include <QString>

// The process's current directory, captured during static initialisation,
// before any window exists. All data files are looked up below it.
// Tests point it at a prepared directory before they build windows.
extern QString StartDir;

// StartDir joined with a relative path such as "Settings/Settings.xml".
QString StartPath(const QString& relative);
