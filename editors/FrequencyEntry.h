#pragma once
#include <QString>

// The frequency step of the current band in hertz; set by the band change
// of the settings page, read by the frequency entry dialog.
extern int frequencyStep;

// The frequency typed into the frequency entry field, in hertz. The text is
// read as the field shows it: two digit positions, the fixed space, three
// digit positions, a blank for every unfilled position ("45 125",
// "4  1  "). Without the space the rest is read as kilohertz: leading
// blanks are skipped and reading stops at the first character that is not
// a digit (no digits give 0). The result is rounded down to a whole
// multiple of stepHz. A text of three characters or fewer gives 0.
int FrequencyEntryHz(const QString& text, int stepHz);
