#include "link/SystemRoots.h"

namespace {
TSystemRoots& Current()
{
    static TSystemRoots roots;
    return roots;
}
} // namespace

const TSystemRoots& SystemRoots()
{
    return Current();
}

void SetSystemRoots(const TSystemRoots& roots)
{
    Current() = roots;
}
