#pragma once
#include <QString>

// The user's own working folder, where the program runs when it is
// installed: Settings/ with the user's catalogue (the three remembered
// choices are written there) and Source/ with the pictures and the help.
// Both come from the shipped folder beside the program. On Linux the
// launcher script prepares it; on Windows the program does it itself.
namespace UserFolder {

// The folder of the user's data: $XDG_DATA_HOME/tarnik-programmer (with
// ~/.local/share standing in when the variable is unset or not absolute);
// on Windows %LOCALAPPDATA%\tarnik-programmer.
QString Path();

// Lays the working folder out from the shipped one: on first start the
// shipped catalogue is copied; when the shipped catalogue has changed since
// the user's file last took it in (an upgrade), what is new in it is merged
// into the user's file, keeping the user's values; Source/ is brought level
// with the shipped Source/ when that has changed. A user's catalogue that
// cannot be merged is left as it is (the merge is tried again next time).
// False with the reason in error when the folder cannot be laid out.
bool Prepare(const QString& shipped, const QString& work, QString* error = nullptr);

// Prepares the user's folder (Path) from the shipped one and makes it the
// current directory and StartDir. When it cannot be prepared, the shipped
// folder serves instead and the reason is in error.
bool Enter(const QString& shipped, QString* error = nullptr);

} // namespace UserFolder
