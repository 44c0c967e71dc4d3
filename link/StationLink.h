#pragma once
#include <QByteArray>
#include <QList>
#include <QString>
#include <QtGlobal>
#include <functional>

class TSerialLine;
class TTransferProgress;
struct TTarnikPlus;

// The connection choice an operation starts with: the port entry's text
// ("COM" and the number, or a device path such as /dev/ttyUSB0) and the
// speed entry's text (the baud rate).
struct TConnectionChoice {
    QString portText;
    QString speedText;
};

// The station protocol over the serial link: identification, reading the
// whole image, writing it byte by byte with confirmation, and writing the
// PWM power alone. The operations report their outcome in the journal
// themselves (icon 5 success, 6 error, 0 stopped by the user); callers only
// look at the result. A read or write stops after the byte in progress once
// the line's cancel check says so.
class TStationLink {
public:
    using Journal = std::function<void(int icon, const QString& text)>;
    using ChoiceSource = std::function<TConnectionChoice()>;

    static constexpr int WriteAttempts = 4;
    static constexpr int FinishPauseMs = 500;

    // Why the last identification or image read came to nothing.
    enum class ReadFault {
        None,
        NoAnswer,     // no station, or not the identify answer
        ShortImage,   // the image stopped short
        LineBusy,     // the line never went quiet before the request
        Unreliable,   // twice, more bytes came after the image than it has
        Stopped,      // the line's cancel check stopped it
    };

    // How a run of byte writes ended.
    enum class WriteEnd {
        Written,    // every byte confirmed
        Retries,    // a byte stayed unconfirmed after its attempts
        Stopped,    // the line's cancel check stopped it
    };

    // The choice is asked for anew when each operation starts.
    TStationLink(TSerialLine& line, ChoiceSource choice, Journal journal);

    // The port must be open. Waits for a quiet line first (discarding
    // what a station still sends of an earlier answer), then sends the
    // request. True when the station answered 0x01.
    bool Identify();

    // Reads the image and decodes it into the record; the record is left
    // untouched unless the whole image arrived.
    bool ReadStation(TTransferProgress* progress, TTarnikPlus& record);

    // One write-byte request (the port must be open): true when the
    // station's echo arrived and equals the data byte.
    bool WriteByte(quint8 data, int address, int page);

    // The finish request, then the station's pause.
    bool FinishWrite();

    // Reads the station's 1024 bytes as they are, in an exchange of its
    // own; image is left untouched unless the whole image arrived.
    bool ReadStationImage(TTransferProgress* progress, QByteArray& image);

    // Writes the record's image, every byte confirmed by its echo.
    bool WriteStation(TTransferProgress* progress, const TTarnikPlus& record);

    // Writes all 1024 bytes as given, every byte confirmed by its echo, in
    // an exchange of its own. confirmed counts the bytes written.
    bool WriteImage(TTransferProgress* progress, const QByteArray& image, int* confirmed = nullptr);

    // Writes the PWM power byte alone.
    bool WritePwmPower(int power);

    // The steps the operations are made of, for the safe write. The port
    // must be open for all but the first; none of them writes the journal
    // except OpenChosenPort.

    // Opens the chosen port; logs the open error when it cannot.
    bool OpenChosenPort();

    // Identifies the station and reads its whole image. When identifyForMs
    // is given, a failed identification is tried again until that much time
    // has passed (a station busy after a write). The line must stay quiet
    // after the 1024 bytes: more bytes make the image unreliable, and the
    // line is drained and the image read once more. False (LastReadFault()
    // says why) when the station did not identify, the image stopped short
    // or was unreliable twice, or the transfer was stopped.
    bool ReadImage(TTransferProgress* progress, QByteArray& image, int identifyForMs = 0);
    ReadFault LastReadFault() const { return readFault; }
    // The journal text of the last read fault, for a read (writing false)
    // or the read before a write.
    QString ReadFaultText(bool writing) const;

    // Writes the image's bytes at the offsets, in the given order, each with
    // up to WriteAttempts attempts; the progress position runs over the
    // offsets, and window messages are processed before each byte. Stops at
    // the first byte not confirmed. confirmed counts the bytes written.
    WriteEnd WriteBytes(const QByteArray& image, const QList<int>& offsets, TTransferProgress* progress,
                        int* confirmed = nullptr);

    // True once the line's cancel check has stopped the exchange.
    bool Stopped() const;

    // The journal texts the operations share with the safe write.
    static QString TextOpenFailed();
    static QString TextReadFailed();
    static QString TextWriteRetries();
    static QString TextWriteDone();
    static QString TextStopped();        // a read or anything before a write
    static QString TextWriteStopped();   // a write: the station may be partly written
    static QString TextLineBusy();       // the line never went quiet
    static QString TextUnreliable();     // bytes after the image

    // The port number of an entry text: the text from its fourth character
    // on. Throws EConvertError for a text without a number (no port).
    static int PortNumber(const QString& portText);

    // A port text that names a device rather than a COM number.
    static bool IsDevicePath(const QString& portText);

private:
    // Opens the chosen port; on failure runs beforeReport, then logs the
    // open error.
    bool OpenChosenPort(const TConnectionChoice& choice, const std::function<void()>& beforeReport);
    bool WriteConfirmed(quint8 data, int address, int page);
    // Logs the error, or the stop when the user asked for one.
    void LogFailure(const QString& error, const QString& stopped);
    // Identifies the station, trying again until identifyForMs has passed.
    bool IdentifyWithin(int identifyForMs);
    // The journal text of a failed identification before a plain write.
    QString WriteIdentifyFailure() const;

    TSerialLine& line;
    ReadFault readFault = ReadFault::None;
    ChoiceSource choice;
    Journal journal;
};
