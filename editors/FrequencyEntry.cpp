#include "editors/FrequencyEntry.h"
#include <algorithm>
#include <limits>

int frequencyStep = 100;

int FrequencyEntryHz(const QString& text, int stepHz)
{
    if (text.size() <= 3)
        return 0;
    QString digits = text;
    digits.remove(2, 1);
    int i = 0;
    while (i < digits.size() && digits[i] == QLatin1Char(' '))
        ++i;
    // The field holds at most five digits; a longer text is capped so the
    // result still fits.
    constexpr long long LargestKHz = std::numeric_limits<int>::max() / 1000;
    long long kHz = 0;
    for (; i < digits.size() && digits[i] >= QLatin1Char('0') && digits[i] <= QLatin1Char('9'); ++i)
        kHz = std::min(LargestKHz, kHz * 10 + (digits[i].unicode() - '0'));
    long long hz = kHz * 1000;
    // The band change never sets a step of 0 or below; divide only by a
    // usable one.
    if (stepHz > 0)
        hz = hz / stepHz * stepHz;
    return static_cast<int>(hz);
}
