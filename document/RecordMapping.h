#pragma once
#include <QString>

struct TProgrammerFile;
struct TTarnikPlus;

// The translation between a station record and the values of a programmer
// file: the file's list positions are the record's item indexes (band
// position = range - 1), its frequencies are the record's kilohertz times
// 1000, its tones the record's tone item indexes.

// Every value of the record, for all 100 channels, the PWM power and the
// shutdown flags included.
TProgrammerFile ProgrammerFileFromRecord(const TTarnikPlus& record);

// The record the file describes. The PWM power and the shutdown flags come
// from the file when it has them, otherwise from base (when given; zero
// and false without one). lastChannel is the highest enabled channel.
// False, with the reason, when a value cannot be a record's: a list
// position outside 0..255 (no selection included), a level outside 0..31,
// a time-out outside 0..65535, a tone outside 0..255, a PWM power outside
// 0..255. Frequencies are taken as given (whole kilohertz, remainder
// dropped); whether they suit the band or the station is for the callers'
// checks.
bool RecordFromProgrammerFile(const TProgrammerFile& file, const TTarnikPlus* base, TTarnikPlus& record,
                              QString* reason = nullptr);

// Whether the file lacks any of the values older files do not carry.
bool LacksStationExtras(const TProgrammerFile& file);
