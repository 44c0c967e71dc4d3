#pragma once
#include <QString>
#include <functional>

// The application's standard error message box: the program's title, an
// error icon, the message and an OK button. Errors that end an operation
// started by the user (a bad number in the catalogue, an unknown band) are
// shown here and the program goes on.
void ShowErrorBox(const QString& message);

// Tests replace the modal box by a recorder; pass an empty function to
// restore the box.
void SetErrorBoxHandler(std::function<void(const QString&)> handler);

// Runs an event handler and shows any exception that escapes it in the
// error box, as the message loop of the program does for every event: the
// program's own errors with their message, a lack of memory and anything
// else (a library's technical text) in the program's own words. Returns
// false when an exception was caught.
bool Guarded(const std::function<void()>& handler);
