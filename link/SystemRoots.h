#pragma once
#include <QString>

// Where the kernel's process and device trees are read from: /proc and
// /sys normally. Tests point them at a directory of their own making, so
// the port-holder finder and the adapter checks can be shown a system that
// this machine does not have.
struct TSystemRoots {
    QString proc = QStringLiteral("/proc");
    QString sys = QStringLiteral("/sys");
};

const TSystemRoots& SystemRoots();
void SetSystemRoots(const TSystemRoots& roots);
