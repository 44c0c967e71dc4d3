#include "cli/ImageCompare.h"
#include <algorithm>

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
