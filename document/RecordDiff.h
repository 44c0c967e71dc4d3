#pragma once
#include <QByteArray>
#include <QList>
#include <QStringList>
#include <optional>

struct TTarnikPlus;
struct TStationCatalogue;

// One difference between two configurations: a setting, one value of a
// channel, or (between two images) the bytes outside the record.
struct TDifference {
    enum class Kind { Setting, Channel, OtherBytes };
    Kind kind = Kind::Setting;
    // A setting's .json key, or the channel's value: "enable", "rxKHz",
    // "txKHz", "ctcssRx", "ctcssTx".
    QString key;
    QString name;            // "Уровень громкости", "Канал 3"
    int channel = -1;
    bool truth = false;      // the values are truth values (0, 1)
    // The values as numbers (kHz, tone item, setting value; the count of
    // differing bytes for OtherBytes); none where a file does not carry it.
    std::optional<int> oldValue;
    std::optional<int> newValue;
    int firstOffset = -1;    // OtherBytes: the first differing byte
    QString oldText;         // the values in words
    QString newText;

    // The line a technician reads: "Уровень громкости: 5 → 6".
    QString Line() const;
};

// The settings and channels in which b differs from a, in the words of the
// settings page and values a technician reads (frequencies in kHz, tones in
// Hz; the catalogue's words when one is given). A setting named (by its
// .json key) among a's or b's missing ones is not in that configuration at
// all: it shows as "нет в файле". Empty when they are equal.
QList<TDifference> RecordDifferenceList(const TTarnikPlus& a, const TTarnikPlus& b, const TStationCatalogue* catalogue,
                                        const QStringList& missingA = {}, const QStringList& missingB = {});

// The same for two station images, with one difference more for the bytes
// outside the record that differ.
QList<TDifference> ImageDifferenceList(const QByteArray& a, const QByteArray& b, const TStationCatalogue* catalogue);

// The same as lines, one per difference.
QStringList RecordDifferences(const TTarnikPlus& a, const TTarnikPlus& b, const TStationCatalogue* catalogue,
                              const QStringList& missingA = {}, const QStringList& missingB = {});
QStringList ImageDifferences(const QByteArray& a, const QByteArray& b, const TStationCatalogue* catalogue);
