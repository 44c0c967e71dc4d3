#pragma once
#include <QStringList>

struct TConfig;
struct TStationCatalogue;

// The settings and channels in which b differs from a, one line each, in
// the words of the settings page and values a technician reads
// (frequencies in kHz, tones in Hz). When both are images, bytes outside
// the record that differ get one line more. Empty when they are equal.
QStringList ConfigDifferences(const TConfig& a, const TConfig& b, const TStationCatalogue* catalogue);
