#pragma once
#include <QImage>
#include <QString>

// Loads a BMP file as a picture whose background is see-through: every
// pixel of the colour of its bottom-left pixel becomes transparent. Returns
// false, leaving picture untouched, when the file is missing or is not a
// readable bitmap.
bool LoadTransparentBitmap(const QString& path, QImage& picture);

// The same on an image already in memory.
QImage MakeTransparent(const QImage& image);
