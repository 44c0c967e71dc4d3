#pragma once
#include <QString>
#include <QStringList>

struct TTarnikPlus;
struct TStationCatalogue;

// The configuration as a table a technician reads: every setting with its
// value in words, then the enabled channels (kHz, tones in Hz).
// Settings named (by .json key) among missing are not in the file: they
// read "нет в файле".
QString ConfigText(const TTarnikPlus& record, const TStationCatalogue* catalogue, const QStringList& missing = {});

// The channel table as CSV, all 100 channels: number, enabled, receive and
// transmit frequency in kHz, receive and transmit tone in Hz (empty for
// none); the kilohertz form of the window program's CSV, which both read.
QString ChannelsCsv(const TTarnikPlus& record);
