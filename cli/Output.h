#pragma once
#include <QByteArray>
#include <QString>

// Standard output carries the results (and nothing but JSON with --json);
// standard error carries progress, notes and errors. Both are safe to call
// from the fleet's threads: one call writes whole lines.
void PrintOut(const QString& text);   // a newline is added
void PrintErr(const QString& text);   // a newline is added
// Writes bytes to standard output as they are (a file sent there); false
// when they did not all go out.
bool PrintOutBytes(const QByteArray& bytes);
// Writes the text to standard error as it is (a redrawn progress line).
void PrintErrRaw(const QString& text);
bool ErrIsTerminal();
