#pragma once
#include <QString>

// Which help document the help command hands to the desktop. The guide is
// shipped twice in the Source folder: as the web archive Help.mht and as
// the page Help.html with its pictures. A stock Linux desktop has no viewer
// for web archives, so the page is opened unless an application is
// registered for them.

// Whether the desktop names a default application for web archives
// (xdg-mime, for multipart/related or application/x-mimearchive). False
// when the question cannot be asked, and on Windows, whose browsers open
// the page.
bool DesktopOpensWebArchives();

// The file to open in `sourceDir`: Help.mht when the desktop opens web
// archives or the page is missing, else Help.html.
QString HelpFileToOpen(const QString& sourceDir, bool opensWebArchives);
