#pragma once
#include <QLocale>
#include <QString>

// Numbers as the program writes them for people: one format for the
// program's language, whatever the system's locale says, so that a tone
// and a band limit on the same screen or in the same output never differ
// in their decimal separator: a decimal comma in Russian, a decimal point
// in English (the language InstallLanguage chose).
// (Files meant for other programs, CSV and JSON, keep the decimal point.)

// The locale of the program's language.
QLocale ProgramLocale();

// The number with the given count of decimals: "67,0", "12,4" ("67.0").
QString DecimalText(double value, int decimals);
