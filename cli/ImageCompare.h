#pragma once
#include <QByteArray>

struct TTarnikPlus;

// The image the station would hold with the record written over its
// current one: disabled channels' slots emptied, every field of the record
// in place, unassigned bytes as the station has them.
QByteArray RecordOverImage(const TTarnikPlus& record, const QByteArray& stationImage);

// The number of positions where the images differ (a length difference
// counts its extra bytes); first gets the first such offset, or -1.
int CountDifferences(const QByteArray& a, const QByteArray& b, int* first = nullptr);
