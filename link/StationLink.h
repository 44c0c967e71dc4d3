#pragma once
#include <QByteArray>
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
// themselves (icon 5 success, 6 error); callers only look at the result.
class TStationLink {
public:
    using Journal = std::function<void(int icon, const QString& text)>;
    using ChoiceSource = std::function<TConnectionChoice()>;

    static constexpr int WriteAttempts = 4;
    static constexpr int FinishPauseMs = 500;

    // The choice is asked for anew when each operation starts.
    TStationLink(TSerialLine& line, ChoiceSource choice, Journal journal);

    // The port must be open. True when the station answered 0x01.
    bool Identify();

    // Reads the image and decodes it into the record; the record is left
    // untouched unless the whole image arrived.
    bool ReadStation(TTransferProgress* progress, TTarnikPlus& record);

    // Reads the station's 1024 bytes as they are; image is left untouched
    // unless the whole image arrived.
    bool ReadImage(TTransferProgress* progress, QByteArray& image);

    // One write-byte request (the port must be open): true when the
    // station's echo arrived and equals the data byte.
    bool WriteByte(quint8 data, int address, int page);

    // The finish request, then the station's pause.
    bool FinishWrite();

    // Writes the record's image, every byte confirmed by its echo.
    bool WriteStation(TTransferProgress* progress, const TTarnikPlus& record);

    // Writes the 1024 bytes as given, every byte confirmed by its echo.
    bool WriteImage(TTransferProgress* progress, const QByteArray& image);

    // How many bytes the last WriteImage or WriteStation had confirmed
    // when it ended.
    int BytesWritten() const { return bytesWritten; }

    // Writes the PWM power byte alone.
    bool WritePwmPower(int power);

    // The port number of an entry text: the text from its fourth character
    // on. Throws EConvertError for a text without a number (no port).
    static int PortNumber(const QString& portText);

    // A port text that names a device rather than a COM number.
    static bool IsDevicePath(const QString& portText);

private:
    // Opens the chosen port; on failure runs beforeReport, then logs the
    // open error.
    bool OpenChosenPort(const TConnectionChoice& choice, const std::function<void()>& beforeReport = {});
    bool WriteConfirmed(quint8 data, int address, int page);

    TSerialLine& line;
    ChoiceSource choice;
    Journal journal;
    int bytesWritten = 0;
};
