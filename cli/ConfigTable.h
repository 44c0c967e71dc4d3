#pragma once
#include <QString>

struct TTarnikPlus;
struct TStationCatalogue;

// The configuration as a table a technician reads: every setting with its
// value in words, then the enabled channels (kHz, tones in Hz).
QString ConfigText(const TTarnikPlus& record, const TStationCatalogue* catalogue);

// The channel table as CSV, all 100 channels: number, enabled, receive and
// transmit frequency in kHz, receive and transmit tone in Hz (empty for
// none).
QString ChannelsCsv(const TTarnikPlus& record);
