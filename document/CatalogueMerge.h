#pragma once
#include <QString>

class QDomDocument;

// Brings a user's catalogue up to a newer shipped one without touching what
// the user's file already holds: every element of the shipped file that the
// user's file lacks is copied in, with everything below it; an element the
// user's file has keeps its text, and only its missing children are added.
// Elements are matched by name under the same parent, the first of a name
// counting, as the catalogue reader matches them. The root elements are
// matched whatever they are called. An added element goes right after the
// user's copy of its preceding shipped sibling, so the file keeps the
// shipped order.
//
// The menu is the exception, since a pick is known by its place: a menu of
// an earlier version gets the shipped entries it lacks at their shipped
// places, its own entries (with the user's texts) move to where those
// commands are now, and the counts are raised, so the user sees every
// command of the new version. The number of top-level items is raised to
// the shipped number.
//
// Returns the number of changes: elements added at the top of each copied
// branch, menu entries added, and one for a raised number of items.
int MergeCatalogue(QDomDocument& user, const QDomDocument& shipped);

enum class TMergeResult {
    Unchanged,       // the user's file lacked nothing
    Merged,          // elements were added and the file saved
    UserUnreadable,  // the user's file is missing or not XML: left alone
    ShippedUnreadable,
    SaveFailed,      // the user's file is left as it was
};

// The merge on files, through the program's XML layer: the user's file is
// saved in the encoding its declaration names, atomically, and only when
// something was added. `added` receives the count of added elements.
TMergeResult MergeCatalogueFile(const QString& userPath, const QString& shippedPath, int* added = nullptr);
