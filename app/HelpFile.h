#pragma once
#include "document/ProgramLanguage.h"
#include <QString>

// Which help document the help command hands to the desktop. The guide is
// shipped in Russian (Help) and in English (Help.en), each twice in the
// Source folder: as the web archive (.mht) and as the page (.html) with its
// pictures. A stock Linux desktop has no viewer for web archives, so the
// page is opened unless an application is registered for them.

// Whether the desktop names a default application for web archives
// (xdg-mime, for multipart/related or application/x-mimearchive). False
// when the question cannot be asked, and on Windows, whose browsers open
// the page.
bool DesktopOpensWebArchives();

// The file to open in `sourceDir` for a reader of `language`: the guide in
// that language, or the Russian one when a Source folder has no English
// guide; of it the web archive when the desktop opens web archives or the
// page is missing, else the page.
QString HelpFileToOpen(const QString& sourceDir, bool opensWebArchives, TLanguage language);
