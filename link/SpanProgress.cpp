#include "link/SpanProgress.h"
#include <algorithm>

void TSpanProgress::Start(int weight, int following)
{
    done += current;
    current = std::max(0, weight);
    ahead = std::max(0, following);
    SetPosition(0);
}

void TSpanProgress::SetPosition(int position)
{
    const long long total = done + current + ahead;
    const int within = std::clamp(position, 0, 100);
    const int whole = total > 0 ? static_cast<int>((done * 100 + current * within) / total) : 0;
    shown = std::max(shown, std::min(whole, 100));
    if (outer)
        outer->SetPosition(shown);
}
