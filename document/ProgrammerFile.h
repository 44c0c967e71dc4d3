#pragma once
#include <QByteArray>
#include <QString>
#include <QVector>
#include <array>
#include <optional>

class TXMLFile;

// One channel in the editors' terms, as a programmer file and a channel row
// hold it: frequencies in hertz, tones as item indexes of the tone lists
// (-1 for none). The station record's channel (TTarnikRec) stays a type of
// its own: whole kilohertz, transmit first, as the station image has it.
struct TProgrammerChannel {
    bool enable = false;
    int rxHz = 0;
    int txHz = 0;
    int ctcssRx = 0;
    int ctcssTx = 0;
    bool operator==(const TProgrammerChannel& o) const
    {
        return enable == o.enable && rxHz == o.rxHz && txHz == o.txHz && ctcssRx == o.ctcssRx
            && ctcssTx == o.ctcssTx;
    }
};

// Every value of a programmer file (.vtr), in the terms of the editors:
// list selections as 0-based indexes (-1 for none), the five feature
// flags, the time-out, the ten noise levels and the channel table.
struct TProgrammerFile {
    // value1..value9: band, deviation, volume, microphone sensitivity,
    // squelch, receive gain, analogue SQL, CTCSS transmit and receive level.
    std::array<int, 9> lists{};
    // value10..value14: scrambler on, scrambler fitted, push-to-talk
    // time-out, busy-channel lock-out, repeater.
    std::array<bool, 5> flags{};
    int timeout = 0;                      // value15
    std::array<int, 10> noiseLevels{};    // value16..value25
    // value26..value28: PWM power and the station's two shutdown flags
    // ("Нормальное выключение", "Нормальное завершение передачи"). Files
    // of earlier versions lack them and readers of those versions ignore
    // them; a reader leaves a missing one unset, a writer writes a set one.
    std::optional<int> pwmPower;
    std::optional<bool> normalPowerOff;
    std::optional<bool> normalTxEnd;
    // The channel elements read or to be written; a writer writes their
    // number as channels/count.
    QVector<TProgrammerChannel> channels;
    // The count the file declared; a reader keeps at most as many channels
    // as the table has rows, so this may exceed channels.size().
    int declaredCount = 0;
};

// Builds the programmer file from nothing in the XML document and saves it
// (atomically: a failed save leaves an earlier file as it was). The head
// carries the author and the time and date of writing. False, with the
// reason in words when asked for, when building or saving failed.
bool WriteProgrammerFile(TXMLFile& xml, const QString& path, const TProgrammerFile& file,
                         QString* reason = nullptr);

// The bytes such a file holds, for a stream rather than a file.
bool ProgrammerFileBytes(TXMLFile& xml, const TProgrammerFile& file, QByteArray& bytes);

// Loads the file into the XML document and reads and checks every value a
// load applies: the nine list indexes, the five truth values, the time-out,
// the ten noise levels, the channel count and, for the first
// min(count, maxChannels) channels, each of their five values. Returns
// false, with a reason for the log or a test, when the file cannot be read
// or any of these is missing or not a number or truth value, or the count
// is negative. `file` is filled only on success.
bool ReadProgrammerFile(TXMLFile& xml, const QString& path, int maxChannels, TProgrammerFile& file,
                        QString* reason = nullptr);
// The same for a file's bytes already read (from standard input).
bool ReadProgrammerBytes(TXMLFile& xml, const QByteArray& bytes, int maxChannels, TProgrammerFile& file,
                         QString* reason = nullptr);
