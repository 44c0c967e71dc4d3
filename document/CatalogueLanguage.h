#pragma once
#include <QString>

// The language the catalogue asks for (params/lang: "ru", "en", or empty
// to follow the system), read before anything is shown. A catalogue that
// is missing or cannot be read asks for nothing: the program then follows
// the system, and the catalogue's own faults are reported where it is
// loaded in full.
QString CatalogueLanguageSetting(const QString& path);
