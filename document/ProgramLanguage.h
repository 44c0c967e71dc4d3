#pragma once
#include <QCoreApplication>
#include <QString>
#include <QStringList>

// The language the program speaks. Russian is the program's own: its texts
// are written in Russian in the code and the catalogue, and English comes
// from the translation compiled into the program.
enum class TLanguage { Russian, English };

// The language for the catalogue's setting (params/lang: "ru", "en"; empty
// or anything else follows the system) and the system's list of preferred
// languages (QLocale::uiLanguages()). Russian for Russian and where no
// language is set (the C/POSIX locale); English for English and for every
// other language the program has no translation for.
TLanguage ChooseLanguage(const QString& setting, const QStringList& uiLanguages);

// Chooses the language (the system's unless the setting says otherwise),
// installs the program's English translation for English or Qt's own
// Russian translation of its dialogs for Russian, and switches the number
// format (ProgramLocale). Called once at start, before anything is shown;
// a second call replaces what the first installed. Returns the language.
TLanguage InstallLanguage(QCoreApplication& app, const QString& setting);

// The language installed: Russian before any InstallLanguage.
TLanguage ProgramLanguage();

// A text of the catalogue (menu titles, hints, list items) in the program's
// language: its translation in the context "Catalogue", else the text as
// the catalogue has it (a user's own texts stay as they are).
QString CatalogueText(const QString& text);
