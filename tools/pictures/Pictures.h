#pragma once
class QPainter;

// One drawing function per picture. The button pictures draw on a 24 x 24
// canvas, the logo on 105 x 105; each leaves the canvas border, and with it
// the bottom-left pixel, empty.
namespace Pictures {

constexpr int IconSize = 24;
constexpr int LogoSize = 105;

// Station pictures (StationPictures.cpp).
void Read(QPainter& p);         // the station hands its data to the PC
void Write(QPainter& p);        // data goes into the station
void Search(QPainter& p);       // magnifying glass over a station
void Connection(QPainter& p);   // serial connector with its cable

// Document and program pictures (DocumentPictures.cpp).
void Print(QPainter& p);        // printer
void AddChannel(QPainter& p);   // channel list with a plus
void Load(QPainter& p);         // open folder
void Save(QPainter& p);         // floppy disk
void Tools(QPainter& p);        // wrench and screwdriver
void Exit(QPainter& p);         // open door with an arrow

// Dialog marks (MarkPictures.cpp).
void Ok(QPainter& p);           // green tick
void Error(QPainter& p);        // red cross

// The program's logo and its desktop icon (Logo.cpp). The icon draws on a
// 64 x 64 canvas with a transparent ground; it is written at every size the
// desktop asks for and as SVG.
void Logo(QPainter& p);
void AppIcon(QPainter& p);
constexpr int AppIconCanvas = 64;

} // namespace Pictures
