#pragma once
#include "widgets/Tmmitem.h"
#include <QStringList>
#include <functional>

class TXMLFile;

// The value lists of the station settings, as the catalogue gives them.
struct TCatalogueLists {
    QStringList bands;       // "<min> - <max> кГц", one per band
    QStringList deviation;   // params/dev items
    QStringList levels;      // params/up items (microphone, gain, CTCSS levels)
    QStringList volume;      // params/loud items
    QStringList squelch;     // params/noise items
    int analogSql = 0;       // params/sql: the list shows 0 .. analogSql - 1
};

// Where the catalogue's values go, called in the order the catalogue is
// read. A receiver left empty is skipped.
struct TCatalogueReceivers {
    std::function<void(const TmmitemList&)> menu;
    std::function<void(int hintNumber, const QString&)> hint;   // 1 and 3 to 8
    std::function<void(int)> portIndex;
    std::function<void(int)> speedIndex;
    std::function<void(const TCatalogueLists&)> lists;
    std::function<void(bool)> commonFrequency;
    std::function<void(bool)> safeWrite;   // params/safewrite: missing or not a number = on
    std::function<void(const QString&)> language;   // params/lang: "ru", "en" or empty (the system's)
    std::function<void()> bandChange;    // select entry 0 everywhere, then the band change
    std::function<void()> loaded;        // the catalogue is complete
};

// Reads the catalogue and hands each value to its receiver. A file that
// cannot be loaded, a required integer that is missing or not a number, or
// a count that is negative or above what it feeds can hold throws
// EConvertError: what was handed on before stays, nothing after it is
// handed on. Reading never changes the document and costs time linear in
// the file.
void ReadCatalogue(TXMLFile& xml, const QString& path, const TCatalogueReceivers& to);

// The choices the program remembers from one run to the next.
struct TCatalogueChoices {
    int portIndex = 0;             // port/number
    int speedIndex = 0;            // port/speed
    bool commonFrequency = true;   // params/onefreq
    bool safeWrite = true;         // params/safewrite
    QString language;              // params/lang (LanguageSetting)
};

// Writes the remembered choices back; missing elements are created. A
// negative port or speed index (nothing selected, as when no port could be
// listed) leaves the remembered one as the file holds it. Nothing is
// written when the file cannot be loaded. Returns whether the file was
// saved.
bool WriteCatalogueChoices(TXMLFile& xml, const QString& path, const TCatalogueChoices& choices);
