#pragma once
#include <QByteArray>
#include <QStringList>

struct TTarnikPlus;
struct TStationCatalogue;

// The settings and channels in which b differs from a, one line each, in
// the words of the settings page and values a technician reads
// (frequencies in kHz, tones in Hz; the catalogue's words when one is
// given). A setting named (by its .json key) among a's or b's missing ones
// is not in that configuration at all: it shows as "нет в файле". Empty
// when they are equal.
QStringList RecordDifferences(const TTarnikPlus& a, const TTarnikPlus& b, const TStationCatalogue* catalogue,
                              const QStringList& missingA = {}, const QStringList& missingB = {});

// The same for two station images, with one line more for the bytes outside
// the record that differ.
QStringList ImageDifferences(const QByteArray& a, const QByteArray& b, const TStationCatalogue* catalogue);
