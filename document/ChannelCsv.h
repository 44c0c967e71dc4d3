#pragma once
#include "document/ProgrammerFile.h"
#include "editors/BandCatalogue.h"
#include <QByteArray>
#include <QStringList>
#include <QVector>

// The channel table as a CSV text: a header line
//   channel,enabled,rx_hz,tx_hz,ctcss_rx_hz,ctcss_tx_hz
// then one line per channel: the number (0..99), 1 or 0, the two
// frequencies in hertz and the two tones as "67.0" (empty for none). UTF-8,
// lines ended by "\n". Works on plain data, so any front end can use it.
//
// The command line shows the table in kilohertz, as the station's record
// holds it, under the header
//   channel,enable,rx_khz,tx_khz,ctcss_rx_hz,ctcss_tx_hz
// with the frequencies and tones of a disabled channel left empty. Both
// forms are read back.

// The largest CSV file read. The table of 100 channels is about 3 KB; a
// spreadsheet may add quotes, blanks and line ends, but a file many times
// this size is no channel table.
constexpr qint64 MaxChannelCsvSize = 64 * 1024;

// The header line's columns, in hertz and in kilohertz.
extern const QStringList ChannelCsvColumns;
extern const QStringList ChannelCsvColumnsKHz;

// The text of the whole table, channel i on line i + 2. A tone index
// outside the tone list is written as no tone.
QByteArray WriteChannelCsv(const QVector<TProgrammerChannel>& channels);
// The same in kilohertz (frequencies divided by 1000, the rest dropped).
QByteArray WriteChannelCsvKHz(const QVector<TProgrammerChannel>& channels);

// The outcome of reading a CSV text against a channel table.
struct TChannelCsvImport {
    // The table with the file's rows put in; rows the file does not name keep
    // their values. Valid only when errors is empty.
    QVector<TProgrammerChannel> channels;
    // The channel numbers the file named, in file order.
    QVector<int> named;
    // One text per bad line ("строка 5: ..."), in file order; empty when the
    // whole file can be applied.
    QStringList errors;
};

// Reads a CSV text of either form and checks every row before anything is
// taken: the header, the channel number (within the table, each channel
// once), the enable flag, both frequencies inside the band and on its step
// from the band minimum (a frequency equal to the one the channel already
// holds is always taken: importing what was exported changes nothing; a
// row that disables its channel may leave a frequency empty, which keeps
// it), and both tones from the tone list. Accepts a byte order mark, "\r\n" line ends,
// blank lines, quoted fields, the ";" separator that spreadsheets of a
// Russian locale write back, and tones with a decimal comma (quoted, with
// the "," separator).
TChannelCsvImport ReadChannelCsv(const QByteArray& text, const TBandLimits& band,
                                 const QVector<TProgrammerChannel>& current);
