#pragma once
#include <QString>

class TXMLFile;

// The language the user chose in the program's settings, kept in the
// catalogue as params/lang: "ru", "en", or empty for the system's language.
// A catalogue without the element, or with any other value, follows the
// system. (CatalogueLanguageSetting reads it from the file before anything
// is shown.)
QString LanguageSetting(const TXMLFile& xml);

// Stores the choice. A catalogue that has no element yet gets one only for
// an explicit language, so a user who never chose keeps the file as it was.
void WriteLanguageSetting(TXMLFile& xml, const QString& setting);
