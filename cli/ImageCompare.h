#pragma once
#include <QByteArray>

// The number of positions where the images differ (a length difference
// counts its extra bytes); first gets the first such offset, or -1.
int CountDifferences(const QByteArray& a, const QByteArray& b, int* first = nullptr);
