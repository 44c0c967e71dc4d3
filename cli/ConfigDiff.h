#pragma once
#include "document/RecordDiff.h"
#include <QByteArray>
#include <QList>

struct TConfig;
struct TStationCatalogue;

// The settings and channels in which b differs from a, in the words of the
// settings page and values a technician reads (frequencies in kHz, tones in
// Hz). When both are images, the bytes outside the record that differ are
// one difference more. Empty when they are equal.
QList<TDifference> ConfigDifferences(const TConfig& a, const TConfig& b, const TStationCatalogue* catalogue);

// The differences for a script: {"equal": ..., "differences": [...]}, each
// with the setting's key or the channel and its value's key, the old and
// the new value as numbers (truth values as true/false, null where a file
// lacks the value) and in words.
QByteArray DifferencesJson(const QList<TDifference>& differences);
