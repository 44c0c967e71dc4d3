#pragma once
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

struct TTarnikPlus;
struct TStationCatalogue;

// One station setting as the command line names, shows and compares it.
struct TSettingField {
    QString key;       // the name in .json files
    QString caption;   // the name a technician reads
    int max = 255;     // values run from min to max
    int min = 0;
    bool truth = false;
    std::function<int(const TTarnikPlus&)> get;
    std::function<void(TTarnikPlus&, int)> set;
    // The catalogue's words for the values (item k for value k), or none.
    std::function<QStringList(const TStationCatalogue&)> words;
};

// Every setting of the record, the ten noise levels included, in the order
// of the settings page; the channel table is not among them.
const std::vector<TSettingField>& SettingFields();

// The value in words: the catalogue's item text with the number when the
// catalogue gives one, "да"/"нет" for a truth value, else the number.
QString SettingText(const TSettingField& field, int value, const TStationCatalogue* catalogue);

// A frequency in kHz and a tone item index as a technician reads them.
QString KHzText(int kHz);
QString ToneIndexText(int index);
