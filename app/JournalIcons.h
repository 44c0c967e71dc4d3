#pragma once
#include <QList>
#include <QPixmap>

// The nine 16 x 16 icons of the journal and the station search:
// 0 waiting notice, 1 station found, 2 port waiting, 3 file saved,
// 4 (unused) file edited, 5 success, 6 error, 7 (unused) search,
// 8 file loaded.
QList<QPixmap> JournalIcons();
