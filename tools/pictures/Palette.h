#pragma once
#include <QColor>

// Colours shared by the pictures. The key colours are the flat backgrounds
// the buttons and the splash drop as transparent; nothing drawn uses them.
namespace Palette {

// A light bluish grey between the normal and the hover look of the buttons,
// so that the soft edges of a picture suit every button state.
constexpr QColor ButtonKey(212, 216, 222);
// The body colour of the background panel where the logo stands.
constexpr QColor LogoKey(190, 196, 206);

constexpr QColor Ink(34, 38, 46);             // outlines
constexpr QColor StationTop(96, 104, 118);
constexpr QColor StationBottom(48, 53, 62);
constexpr QColor Display(150, 214, 240);
constexpr QColor DisplayInk(28, 70, 96);
constexpr QColor Grille(132, 140, 152);

constexpr QColor GreenLight(92, 196, 84);
constexpr QColor Green(40, 150, 52);
constexpr QColor GreenDark(18, 86, 28);
constexpr QColor OrangeLight(255, 168, 64);
constexpr QColor Orange(232, 112, 24);
constexpr QColor OrangeDark(138, 58, 8);
constexpr QColor RedLight(238, 76, 64);
constexpr QColor Red(200, 32, 32);
constexpr QColor RedDark(112, 12, 12);

constexpr QColor Paper(255, 255, 255);
constexpr QColor PaperShade(226, 230, 236);
constexpr QColor TextLine(120, 128, 140);
constexpr QColor Blue(52, 96, 178);
constexpr QColor BlueLight(104, 152, 226);
constexpr QColor BlueDark(24, 48, 104);
constexpr QColor Metal(168, 174, 184);
constexpr QColor MetalLight(236, 240, 244);
constexpr QColor MetalDark(92, 98, 108);
constexpr QColor Brass(214, 170, 48);
constexpr QColor FolderLight(255, 214, 102);
constexpr QColor Folder(236, 172, 40);
constexpr QColor FolderDark(150, 96, 10);
constexpr QColor Wood(168, 100, 44);
constexpr QColor WoodDark(98, 54, 18);

} // namespace Palette
