#pragma once
#include <QString>
#include <QStringList>

// Where the catalogue is looked for, in order: the path given with
// --catalogue, Settings/Settings.xml under the current directory, the
// installed copy, the copy in the build's run directory. On Windows: the
// given path, the current directory's, the window program's working folder
// and the copy shipped beside the program.
QStringList CatalogueCandidates(const QString& given);

// The first candidate that exists; empty when none does. With a path
// given, only that one counts.
QString ChooseCatalogue(const QString& given);

// The catalogue the command line names (--catalogue PATH or
// --catalogue=PATH, before any "--"), read before the words are parsed so
// that the catalogue's language holds from the first line printed; empty
// when none is named.
QString GivenCatalogue(const QStringList& words);
