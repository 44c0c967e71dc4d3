// The texts of the shipped catalogue (data/Settings/Settings.xml) that the
// program shows: menu titles, tool hints, list items. The catalogue stays
// Russian on disk; CatalogueText() shows these texts translated. This file
// is read by lupdate only and is never compiled; the catalogue test checks
// that it lists every shown text of the shipped catalogue.
#include <QtGlobal>

static const char* const catalogueTexts[] = {
};
