#pragma once
#include <QPixmap>

// The program's logo from Source/logo.bmp, transparent by its bottom-left
// pixel. The splash and About windows cannot be built without it: a missing
// or unreadable file throws an error naming the file.
QPixmap LoadLogo();
