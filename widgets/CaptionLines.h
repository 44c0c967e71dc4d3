#pragma once
#include <QStringList>

// Splits a caption into lines. A line feed ends the current line, which is
// kept even when empty; every other character, carriage return included,
// belongs to the line. A non-empty remainder at the end is the last line, so
// an empty text gives no lines and a trailing line feed no empty last line.
QStringList SplitCaption(const QString& text);
