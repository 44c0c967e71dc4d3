#pragma once
#include <QByteArray>
#include <QString>

// Writes the bytes as the whole file, atomically: the new file takes the
// place of an earlier one only once every byte is on the disk, and a failed
// write leaves the earlier file as it was. Written straight through, not
// buffered: a buffered save whose last bytes fail to reach a full disk
// while it commits reports success and leaves an empty file. Returns an
// empty text on success, else the reason in the program's words (see
// FileErrors), without the path.
QString WriteFileAtomically(const QString& path, const QByteArray& bytes);
