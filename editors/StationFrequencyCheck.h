#pragma once
#include <QString>
#include <QStringList>

struct TTarnikPlus;

// What keeps the record's channel table from being written into a station
// as it stands, or an empty text when nothing does. Checked for every
// enabled channel:
// - each frequency must lie within what the station's 12-bit code holds
//   (33 000 to 58 593 kHz); outside, the code wraps and the station would
//   work on another frequency;
// - receive and transmit frequency must not both be 57 000 kHz or above:
//   the channel's first slot byte would then be 0xFF, the mark of an empty
//   slot, and the station would drop the channel.
// The message names the first offending channel and ends with the write
// not being done.
QString StationFrequencyProblem(const TTarnikPlus& record);

// Every such problem, one text per offending channel and frequency, without
// the closing words about the write.
QStringList StationFrequencyProblems(const TTarnikPlus& record);
