#pragma once
#include "cli/ConfigFormats.h"
#include <QString>

class TCliContext;

// The files a command names: "-" (and the system's names for them,
// /dev/stdin and /dev/stdout) stands for standard input or output, whose
// format no extension says: --format names it, else the bytes of an input
// tell it and an output is JSON unless the command says otherwise.

bool IsStandardInput(const QString& path);
bool IsStandardOutput(const QString& path);

// The format of --format as the command's input or output format (bin,
// vtr, json, csv); Unknown when not given. False, with the message
// printed and the exit code set, for a name that is none of them.
bool NamedFormat(TCliContext& cx, TConfigFormat& format, int& code);

// Reads one input file, or standard input: the catalogue is taken when the
// input is a .vtr (required) and otherwise for words when it can be had.
// named is the format --format gives, for an input without an extension.
// False, with the message printed and the exit code set, when it cannot be
// read.
bool LoadInput(TCliContext& cx, const QString& path, TConfigFormat named, TConfig& config, int& code,
               const TTarnikPlus* base = nullptr);

// The format an output is written in: its extension, else named, else
// fallback for standard output. Unknown when none says it.
TConfigFormat OutputFormat(const QString& path, TConfigFormat named, TConfigFormat fallback);

// Writes the image as the file (atomically) or to standard output, in the
// format. False, with the reason, when it could not be written.
bool WriteOutput(const QString& path, TConfigFormat format, const QByteArray& image, QString* reason);
