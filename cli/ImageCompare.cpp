#include "cli/ImageCompare.h"
#include "link/ImageCodec.h"
#include "link/StationRecord.h"
#include <algorithm>

namespace {
constexpr int SlotSize = 5;
constexpr int SlotCount = 100;
} // namespace

QByteArray RecordOverImage(const TTarnikPlus& record, const QByteArray& stationImage)
{
    QByteArray image = stationImage.left(StationImageSize);
    image.append(QByteArray(StationImageSize - image.size(), static_cast<char>(0xFF)));
    for (int i = 0; i < SlotCount; ++i) {
        const bool enabled = i < static_cast<int>(record.channels.size()) && record.channels[i].enable;
        if (!enabled)
            image.replace(i * SlotSize, SlotSize, QByteArray(SlotSize, static_cast<char>(0xFF)));
    }
    EncodeImage(record, image);
    return image;
}

int CountDifferences(const QByteArray& a, const QByteArray& b, int* first)
{
    const int common = static_cast<int>(std::min(a.size(), b.size()));
    int count = static_cast<int>(std::max(a.size(), b.size())) - common;
    int firstAt = count > 0 ? common : -1;
    for (int i = common - 1; i >= 0; --i) {
        if (a[i] != b[i]) {
            ++count;
            firstAt = i;
        }
    }
    if (first)
        *first = firstAt;
    return count;
}
