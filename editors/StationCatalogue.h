#pragma once
#include "document/Catalogue.h"
#include "editors/BandCatalogue.h"
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

class TXMLFile;
struct TTarnikPlus;

// What the catalogue says a station configuration may hold: the value
// lists of the settings and the limits of every band.
struct TStationCatalogue {
    QString path;
    TCatalogueLists lists;
    QVector<TBandLimits> bands;   // band N at position N - 1
};

// Reads the lists and every band's limits from the catalogue file. False,
// with the reason, when the file cannot give them.
bool LoadStationCatalogue(TXMLFile& xml, const QString& path, TStationCatalogue& catalogue,
                          QString* reason = nullptr);

// Every value of the record that the catalogue does not hold (a band it
// lacks, a list position beyond its list, a tone beyond the tone list, an
// enabled channel's frequency outside its band) or that the station cannot
// hold (StationFrequencyProblems), in words, one text each; empty when
// every value is one the catalogue and the station hold.
QStringList CatalogueProblems(const TTarnikPlus& record, const TStationCatalogue& catalogue);

// The first of them, or an empty text.
QString CatalogueProblem(const TTarnikPlus& record, const TStationCatalogue& catalogue);

// The check of a whole image before it goes into a station (a restore, a
// command-line write of an image): it must be 1024 bytes, its record must
// pass CatalogueProblems, and the bits that hold no setting (byte 503, the
// top bits of 504-508, the spare bits of 511 and 514) must be as the codec
// writes them.
QStringList ImageProblems(const QByteArray& image, const TStationCatalogue& catalogue);

// The problems as one text for a message: one per line, at most max of
// them, then how many more there are.
QString ProblemListText(const QStringList& problems, int max = 12);
