#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>

struct TTarnikPlus;

// The decoded record as JSON: every setting under "settings" by its key
// (the noise levels as the array "noiseLevels"), the enabled channels under
// "channels" with their number, frequencies in kHz and tone item indexes.
// Settings named (by key) among missing are left out: the file they came
// from does not carry them.
QByteArray RecordToJson(const TTarnikPlus& record, const QStringList& missing = {});

// Reads such a text. "format" must be "tarnik-config" and "version", when
// given, 1; every setting must be there as a whole number in its range;
// channels not listed are disabled. A key the format does not have is
// refused. False, with the reason naming the key, for anything else.
// record is set only on success.
bool RecordFromJson(const QByteArray& bytes, TTarnikPlus& record, QString* reason);
