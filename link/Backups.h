#pragma once
#include <QByteArray>
#include <QDateTime>
#include <QString>

// The backup copies of station images taken before a write: one file per
// backup, station-YYYYMMDD-HHMMSS.bin in the backup folder, holding exactly
// the 1024 bytes read from the station. A backup is never overwritten.
namespace Backups {

// backups/ in the user's data folder (UserFolder::Path):
// $XDG_DATA_HOME/tarnik-programmer/backups, with ~/.local/share standing in
// when the variable is unset or not an absolute path; on Windows
// %LOCALAPPDATA%\tarnik-programmer\backups.
QString Folder();

// The file name for a backup taken at the given time: station-YYYYMMDD-
// HHMMSS.bin, or with -2, -3 ... before the extension for the second,
// third ... backup of the same second.
QString FileName(const QDateTime& when, int number = 1);

// Saves the image as a new file in the folder (created when missing), named
// after the time; a name that exists already takes the next number. Returns
// the path of the new file, or an empty text with the reason in error. Safe
// to call from several threads at once: each call gets its own file.
QString Save(const QString& folder, const QByteArray& image, const QDateTime& when, QString* error = nullptr);

} // namespace Backups
