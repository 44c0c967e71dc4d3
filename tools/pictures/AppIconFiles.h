#pragma once
#include <QString>

// The desktop icon as files of an icon theme ("hicolor"): one PNG per size
// the desktop shows and an SVG for any other size, all from one drawing.
namespace AppIconFiles {

constexpr const char* Name = "tarnik-programmer";
constexpr int Sizes[] = { 48, 64, 128, 256 };

// Writes the icon into the theme directory, making the folders it needs.
// Reports each failure on stderr; true when every file was written.
bool Write(const QString& themeDir);

// The icon of the Windows programs and their installer: one image of
// IcoSize pixels in a Windows icon file.
constexpr int IcoSize = 64;
bool WriteIco(const QString& path);

} // namespace AppIconFiles
