#pragma once
#include "cli/ConfigFormats.h"
#include <QString>

class TProgressBoard;
struct TConfig;
struct TLineSetup;
struct TStationCatalogue;

// What became of one station: the line of the summary table.
struct TStationResult {
    QString port;
    int code = 0;            // an ExitCode: ExitOk, ExitDiffers or ExitStation;
                             // 128 + the signal when a stop signal stopped it
    QString result;          // in words
    int bytesWritten = -1;   // -1: nothing was to be written
    QString verify;          // "совпадает", "N байт отличаются", or empty
    QString backup;          // the backup file, when one was made
    QString file;            // the file read into
    double seconds = 0;

    bool Ok() const { return code == 0; }
};

struct TWriteOptions {
    bool full = false;     // all 1024 bytes, still over the station's own image (backup, verify)
    bool blind = false;    // all 1024 bytes of a .bin without reading the station first
    bool verify = true;    // read back and compare afterwards (the blind write only)
};

// The station jobs; each opens its own port and line, so the fleet runs
// one per thread. A channel table goes over the station's own image,
// checked against its band by the catalogue (which the others do not
// need: it may be null for them).
TStationResult ReadJob(const TLineSetup& line, const QString& outPath, TConfigFormat format, TProgressBoard& board);
TStationResult WriteJob(const TLineSetup& line, const TConfig& config, const TStationCatalogue* catalogue,
                        const TWriteOptions& options, TProgressBoard& board);
TStationResult VerifyJob(const TLineSetup& line, const TConfig& config, const TStationCatalogue* catalogue,
                         TProgressBoard& board);
