#pragma once
#include "app/Catalogue.h"
#include "editors/BandCatalogue.h"
#include <QString>
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

// The first value of the record that the catalogue does not hold (a band
// it lacks, a list position beyond its list, a tone beyond the tone list,
// an enabled channel's frequency outside its band), in words; empty when
// every value is one the catalogue holds.
QString CatalogueProblem(const TTarnikPlus& record, const TStationCatalogue& catalogue);
