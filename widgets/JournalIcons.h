#pragma once
#include <QList>
#include <QPixmap>

// Positions of the pictures in the journal's image list; the station search
// shows its rows with the same list.
namespace JournalIcon {
enum : int {
    Warning = 0,        // yellow triangle with exclamation mark: waiting notice
    Connector = 1,      // grey connector: a station answered on the port
    Plug = 2,           // plug with brass prongs: port waiting to be tried
    Floppy = 3,         // floppy disk: file saved
    FloppyPencil = 4,   // floppy disk with pencil
    Tick = 5,           // green tick: success
    Cross = 6,          // red circle with white cross: error
    Magnifier = 7,      // magnifying glass
    BoxArrow = 8,       // white box with orange arrow: file loaded
    Count = 9
};
} // namespace JournalIcon

// The nine 16 x 16 journal icons, drawn on a transparent background, in the
// order above. Needs a running QGuiApplication.
QList<QPixmap> JournalIcons();
