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

// The largest of the kernel's small text files read from these trees (a
// process's name, a descriptor's details, a device attribute): a page or
// two at most. They are read through the bounded reader like any file.
constexpr qint64 MaxSystemFileSize = 64 * 1024;
