#pragma once

// Creates every window once, in the order the windows need each other:
// main window, journal, splash, channel list (which builds its rows behind
// the splash), settings page, connection dialog, options, serial link
// window, frequency entry, search, report, About, set-channel dialog.
void CreateWindows();

// Destroys the windows in reverse order and clears the program-wide
// references (used by tests that start the program several times).
void DestroyWindows();
