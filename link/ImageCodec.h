#pragma once
#include "link/StationRecord.h"
#include <QByteArray>
#include <QList>

// Size of the station's memory image, and its four pages of 256 bytes.
constexpr int StationImageSize = 1024;
constexpr int StationPageSize = 256;

// Frequency codes: 12-bit numbers of 6.25 kHz steps above 33 000 kHz.
int32_t FrequencyCodeToKHz(int code);
int32_t KHzToFrequencyCode(int32_t kHz);   // full signed code; the image keeps bits 11-0
constexpr int32_t LowestStationKHz = 33000;
constexpr int32_t HighestStationKHz = 58593;

// Decodes a station image into the record. Returns false, leaving the
// record untouched, when the image does not hold exactly 1024 bytes.
bool DecodeImage(const QByteArray& image, TTarnikPlus& record);

// Brings the image to 1024 bytes (new bytes 0xFF) and writes the record into
// it. Bytes the layout does not assign are left as they are.
void EncodeImage(const TTarnikPlus& record, QByteArray& image);

// The image to write into a station that holds stationImage: the record's
// channels and settings over the station's own bytes. A disabled channel's
// slot becomes empty (five 0xFF); an enabled channel keeps the station's
// frequency code wherever that code already stands for the record's
// kilohertz, so a frequency off the 25 kHz grid that nobody changed does not
// move. Everything the record does not describe keeps what the station
// holds, bit by bit: the reserved areas, byte 503, the top three bits of the
// five 5-bit levels (504-508), the spare flag bits of 511 and 514, and the
// four other bytes of a slot the station holds empty. So an image decoded
// and written back unchanged is the same image.
QByteArray EncodeOverImage(const TTarnikPlus& record, const QByteArray& stationImage);

// The offsets of the settings bytes whose bits that hold no setting differ
// from what the codec writes there (0x60 over the deviation, 0x40 over the
// receive gain, zero elsewhere, byte 503 0x00); empty for an image that is
// not 1024 bytes.
QList<int> UnmodelledBitsChanged(const QByteArray& image);
