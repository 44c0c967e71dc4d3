#pragma once
#include "document/ProgrammerFile.h"
#include "link/StationRecord.h"
#include <QByteArray>
#include <QString>
#include <QStringList>

struct TStationCatalogue;

// The three kinds of configuration file: the raw station image (.bin), the
// window program's programmer file (.vtr) and the decoded record (.json).
enum class TConfigFormat { Unknown, Bin, Vtr, Json };

// By the file name's extension, in any letter case.
TConfigFormat FormatOfPath(const QString& path);

// A configuration read from a file.
struct TConfig {
    TTarnikPlus record;
    QByteArray image;           // a .bin's bytes as they are; empty otherwise
    bool lacksExtras = false;   // a .vtr without PWM power or shutdown flags
    // A .vtr's own values, so that what it lacks can be taken from a base
    // (the station) later.
    std::optional<TProgrammerFile> vtr;

    // The settings (by their .json keys) a .vtr of an earlier version does
    // not carry: the record holds no value of theirs, only a stand-in.
    QStringList MissingKeys() const;
};

// The record with what a .vtr lacks taken from base.
TTarnikPlus RecordOverBase(const TConfig& config, const TTarnikPlus& base);

// The readers: plain functions from bytes (or a path) to a configuration or
// a reason. A .vtr's values must all be ones the catalogue holds; a .json's
// or .vtr's enabled channels must be frequencies the station can hold.
bool ReadBinBytes(const QByteArray& bytes, TConfig& config, QString* reason);
bool ReadJsonBytes(const QByteArray& bytes, TConfig& config, QString* reason);
bool ReadVtrFile(const QString& path, const TStationCatalogue& catalogue, TConfig& config, QString* reason);
bool ReadVtrBytes(const QByteArray& bytes, const TStationCatalogue& catalogue, TConfig& config, QString* reason);

// Reads the file by its extension, through the bounded reader: regular
// files only, sizes capped. catalogue may be null unless the file is a
// .vtr. base gives a .vtr's missing PWM power and shutdown flags.
bool ReadConfigFile(const QString& path, const TStationCatalogue* catalogue, TConfig& config, QString* reason,
                    const TTarnikPlus* base = nullptr);

// The 1024 bytes the configuration stands for: a .bin's own bytes, or the
// record encoded into a fresh image (unassigned bytes 0xFF), as the window
// program writes it.
QByteArray ConfigImage(const TConfig& config);

// Writes the station image to the file in the format its extension names.
bool WriteImageFile(const QString& path, const QByteArray& image, QString* reason);
