#pragma once
#include <QByteArray>
#include <QDateTime>
#include <QString>

// The backup copies of station images taken before a write: one file per
// backup, station-PORT-YYYYMMDD-HHMMSS.bin in the backup folder, holding
// exactly the 1024 bytes read from the station. A backup is never
// overwritten, and it is on the disk (file and folder entry synced) before
// Save returns.
namespace Backups {

// backups/ in the user's data folder (UserFolder::Path):
// $XDG_DATA_HOME/tarnik-programmer/backups, with ~/.local/share standing in
// when the variable is unset or not an absolute path; on Windows
// %LOCALAPPDATA%\tarnik-programmer\backups.
QString Folder();

// The file name for a backup of the station on the port taken at the given
// time: station-COM4-YYYYMMDD-HHMMSS.bin, or with -2, -3 ... before the
// extension for the second, third ... backup of the same second. A port
// given as a device path is named by its last part (ttyUSB0); without a
// port the name is station-YYYYMMDD-HHMMSS.bin.
QString FileName(const QDateTime& when, const QString& port = QString(), int number = 1);

// Saves the image as a new file in the folder (created when missing), named
// after the port and the time; a name that exists already takes the next
// number. The file and the folder are synced to the disk. Returns the path
// of the new file, or an empty text with the reason in error, in words a
// technician acts on (the disk is full, a file stands where the folder
// should be, no permission to write). Safe to call from several threads at
// once: each call gets its own file.
QString Save(const QString& folder, const QByteArray& image, const QDateTime& when, const QString& port,
             QString* error = nullptr);

// Renames a backup that turned out not to be the station's image so that it
// is not taken for one: PATH becomes PATH.suspect. Returns the new path, or
// the old one when the rename failed.
QString MarkSuspect(const QString& path);

} // namespace Backups
