#pragma once
#include <QByteArray>
#include <QElapsedTimer>
#include <QString>
#include <functional>
#include <memory>

// A record of every byte a serial line sends and receives, for diagnosing a
// connection with a real adapter. Times are milliseconds since the port
// was opened, the start of the exchange with the station; each request
// with its answer is one group of lines, and an empty line parts the
// groups:
//
//   # COM3: /dev/ttyUSB0, 4800 бод
//     12.408 > 11 39 01
//     12.602 < 01
//
//     14.020 > 11 39 02
//     14.310 < FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF
//
// ">" is sent, "<" received, in hex; received bytes go sixteen to a line,
// and a line starts anew when a byte comes after a pause, with the time of
// its first byte. Lines with "#" say what else happened: an answer that
// stopped short, bytes thrown away because they came outside an answer,
// the port closed. The line hands each finished line of text to the writer.
class TLineTrace {
public:
    using Writer = std::function<void(const QByteArray& text)>;
    // The gap, at the least, after which received bytes start a new line.
    static constexpr int PauseMs = 5;
    static constexpr int BytesPerLine = 16;

    explicit TLineTrace(Writer writer);
    ~TLineTrace();
    TLineTrace(const TLineTrace&) = delete;
    TLineTrace& operator=(const TLineTrace&) = delete;

    // The port is open: the clock starts. label names the port ("COM3"),
    // or is empty for a device given by its path.
    void Opened(const QString& label, const QString& device, int baud);
    void Sent(const QByteArray& bytes);
    void Received(char byte);
    // An answer of expected bytes that stopped after received of them.
    void Missing(int received, int expected, int waitedMs);
    // Bytes that came outside an answer and were thrown away.
    void Dropped(const QByteArray& bytes);
    void Closed();

    // The time of the next line, as it is written: "  12.408".
    static QString TimeText(double ms);

private:
    double Now() const;
    void Note(const QString& text);
    void StartGroup();
    void FlushReceived();
    void Write(const QString& line);

    Writer writer;
    QElapsedTimer clock;
    int charMs = 1;           // a character's time at the open rate, rounded up
    bool inGroup = false;     // a group has lines
    QByteArray pending;       // received bytes of the line not yet written
    double pendingAt = 0;     // the time of its first byte
    double lastByteAt = 0;
};

// The environment variable naming the file the window program traces its
// line to.
constexpr const char* TraceVariable = "TARNIK_TRACE";

// A trace written to the file (created anew, or emptied): every line is
// handed to the system as soon as it is complete, so a program killed in
// the middle leaves what it did. Null, with the reason in words, when the
// file cannot be opened.
std::shared_ptr<TLineTrace> OpenTraceFile(const QString& path, QString* reason);

// The file a trace of one of several ports goes to: "{port}" in the path
// becomes the port's name, or the name goes before the extension
// (trace.txt -> trace-COM3.txt).
QString TraceFileForPort(const QString& path, const QString& port);
