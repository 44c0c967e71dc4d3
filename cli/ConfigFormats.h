#pragma once
#include "document/ProgrammerFile.h"
#include "link/StationRecord.h"
#include <QByteArray>
#include <QString>
#include <QStringList>

struct TStationCatalogue;

// The kinds of configuration file: the raw station image (.bin), the window
// program's programmer file (.vtr), the decoded record (.json) and the
// channel table (.csv), which holds the channels alone and stands for a
// configuration only over a station's image (a base image or the station's
// own).
enum class TConfigFormat { Unknown, Bin, Vtr, Json, Csv };

// By the file name's extension, in any letter case.
TConfigFormat FormatOfPath(const QString& path);
// By its name ("bin", "vtr", "json", "csv").
TConfigFormat FormatNamed(const QString& name);
QString FormatName(TConfigFormat format);
// By the bytes themselves, for standard input: text that opens with "{" is
// JSON, with "<" a programmer file, with "channel" a channel table; else
// 1024 bytes are an image. Unknown for anything else.
TConfigFormat FormatOfBytes(const QByteArray& bytes);
// The largest file of the format that is read: anything near it is no
// configuration, and is refused without being read whole.
qint64 MaxFileSize(TConfigFormat format);

// A configuration read from a file.
struct TConfig {
    TTarnikPlus record;
    QByteArray image;           // a .bin's bytes as they are; empty otherwise
    bool lacksExtras = false;   // a .vtr without PWM power or shutdown flags
    // A .vtr's own values, so that what it lacks can be taken from a base
    // (the station) later.
    std::optional<TProgrammerFile> vtr;
    // A channel table's text; record holds nothing of it until it is put
    // over an image (ChannelTableOverImage).
    QByteArray csv;

    bool IsChannelTable() const { return !csv.isEmpty(); }
    // The settings (by their .json keys) a .vtr of an earlier version does
    // not carry: the record holds no value of theirs, only a stand-in.
    QStringList MissingKeys() const;
};

// The record with what a .vtr lacks taken from base.
TTarnikPlus RecordOverBase(const TConfig& config, const TTarnikPlus& base);

// The readers: plain functions from bytes (or a path) to a configuration or
// a reason. A .vtr's values must all be ones the catalogue holds; a .json's
// or .vtr's enabled channels must be frequencies the station can hold; a
// channel table's rows must be well formed (header, numbers, flags, tones:
// its frequencies are checked against the band of the image it goes over).
bool ReadBinBytes(const QByteArray& bytes, TConfig& config, QString* reason);
bool ReadJsonBytes(const QByteArray& bytes, TConfig& config, QString* reason);
bool ReadVtrBytes(const QByteArray& bytes, const TStationCatalogue& catalogue, TConfig& config, QString* reason,
                  const TTarnikPlus* base = nullptr);
bool ReadCsvBytes(const QByteArray& bytes, TConfig& config, QString* reason);
// The reader of the format; catalogue may be null unless it is a .vtr.
bool ReadConfigBytes(TConfigFormat format, const QByteArray& bytes, const TStationCatalogue* catalogue,
                     TConfig& config, QString* reason, const TTarnikPlus* base = nullptr);

// Reads the file by its extension (or as the format named, for a file
// without one), through the bounded reader: regular files only, sizes
// capped. catalogue may be null unless the file is a .vtr. base gives a
// .vtr's missing PWM power and shutdown flags.
bool ReadConfigFile(const QString& path, const TStationCatalogue* catalogue, TConfig& config, QString* reason,
                    const TTarnikPlus* base = nullptr, TConfigFormat named = TConfigFormat::Unknown);

// The 1024 bytes the configuration stands for: a .bin's own bytes, or the
// record encoded into a fresh image (unassigned bytes 0xFF), as the window
// program writes it. Not for a channel table.
QByteArray ConfigImage(const TConfig& config);

// The image of a configuration written over an image the station holds
// (or a base image): the record's channels and settings over the image's
// own bytes, a .vtr's missing values taken from it; for a channel table
// its rows over the image's channels, checked as the window program's
// import checks them against the band the image selects, everything else
// as the image has it. False, with every problem, when the table does not
// fit; nothing is built then.
bool ConfigOverImage(const TConfig& config, const QByteArray& image, const TStationCatalogue* catalogue,
                     QByteArray& out, QStringList* problems);

// The bytes of the station image as a file of the format: the image
// itself, its record as JSON, as a programmer file, or its channel table.
bool ImageFileBytes(TConfigFormat format, const QByteArray& image, QByteArray& bytes, QString* reason);

// Writes the station image to the file in the format its extension names
// (or the format named, for a file without one), atomically.
bool WriteImageFile(const QString& path, const QByteArray& image, QString* reason,
                    TConfigFormat named = TConfigFormat::Unknown);
