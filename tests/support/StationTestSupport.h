#pragma once
// Helpers of the tests that talk to ports and stations: the simulated
// station as a child process, a ports directory that fixes what every COM
// number means, and a second program that holds a port.
#include <QByteArray>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

// A ports directory made the process's TARNIK_PORTS for the object's
// lifetime. Every number COM1..COM32 starts as an entry that leads nowhere,
// so no default device of the machine shows through.
//
// Under Wine (the Windows build's tests) it is the folder that the Wine
// prefix's COM1..COM32 lead into (tests/windows/run-under-wine sets it up):
// a station registered there is the system's COMn. Link and Remove are not
// available there.
class TestPorts {
public:
    TestPorts();
    ~TestPorts();
    TestPorts(const TestPorts&) = delete;
    TestPorts& operator=(const TestPorts&) = delete;

    QString Dir() const;
    QString Entry(int number) const;
    // Makes COM<number> a link to the target (replacing what was there).
    bool Link(int number, const QString& target) const;
    // Removes the entry, so the default device of the number applies.
    bool Remove(int number) const;

private:
    QTemporaryDir dir;
    QByteArray previous;
    bool hadPrevious;
};

// One run of tarnik-station. The log and image files live in a temporary
// folder of the object. Under Wine the station is started and stopped by
// tarnik-station-broker, and Device() is the Windows name of its COM port.
class SimStation {
public:
    SimStation();
    ~SimStation();
    SimStation(const SimStation&) = delete;
    SimStation& operator=(const SimStation&) = delete;

    // Starts the station at the baud rate with the extra options; with a
    // ports directory and a number it registers itself as that COM port.
    // Waits for its READY line.
    bool Start(int baud, const QStringList& extra = {}, const TestPorts* ports = nullptr, int com = 0);
    // Ends it (SIGTERM) and waits; the image file is written back then.
    bool Stop();
    // Waits for the station to end by itself (a vanishing station).
    bool WaitFinished(int ms);

    QString Device() const { return device; }
    QString ImagePath() const;
    QString LogPath() const;
    QString ErrorText();

    // The image file as the station wrote it last, and the request log.
    QByteArray Image() const;
    QStringList Log() const;
    // Puts an image into the file the next Start loads.
    bool SetImage(const QByteArray& image) const;

private:
    QString JobFile(const char* ext) const;

    QTemporaryDir dir;
    std::unique_ptr<QProcess> process;
    QString device;
    QString job;   // under Wine: the broker's name for the running station
};

// Another program holding a device open (the test helper
// tarnik-port-holder, which opens it the way the programmer does).
class PortHolder {
public:
    ~PortHolder();
    bool Hold(const QString& device);
    void Release();
    qint64 Pid() const;

private:
    std::unique_ptr<QProcess> process;
};

// Why a port held by another program cannot be shown here, or empty when
// it can: Wine lets a second program open a COM port, which Windows itself
// refuses.
QString PortHoldingUntestable();

// The journal's line after a failed open of a port the holder holds: on
// Linux it names the program, on Windows the system does not tell.
QString HeldByText(const QString& portText, const PortHolder& holder);
// The device the journal names for a station's port: the pseudo-terminal
// on Linux, the system's port under Wine.
QString JournalDevice(const SimStation& station);
// The journal's reason for a COM number with no device behind it. Under
// Wine a port that leads nowhere opens as a device that is no port.
QString MissingPortText(const QString& portText);

// Another program holding a device open without any lock, as a terminal
// program or ModemManager does: "sleep" with the device as its standard
// input.
class PlainPortHolder {
public:
    ~PlainPortHolder();
    bool Hold(const QString& device);
    qint64 Pid() const;

private:
    std::unique_ptr<QProcess> process;
};

// A pseudo-terminal whose slave side serves as a port device; the test
// holds both ends.
struct TestPty {
    int master = -1;
    int slave = -1;
    QString path;   // the slave device
    TestPty();
    ~TestPty();
    TestPty(const TestPty&) = delete;
    TestPty& operator=(const TestPty&) = delete;
};

struct TPortSurvey;
// A survey as a machine with two FTDI adapters gives it: COM9
// (/dev/ttyUSB0) free, COM10 (/dev/ttyUSB1) held by ModemManager.
TPortSurvey AdapterSurvey();

// The request log line of a request: upper-case hex bytes with spaces.
QString LogLine(const QByteArray& request);
// The log line of the write request for an image byte.
QString WriteLogLine(int offset, quint8 data);

// Puts a channel slot with the given 12-bit frequency codes into an image.
void PutSlotCodes(QByteArray& image, int channel, int txCode, int rxCode, int toneRx = 0, int toneTx = 0);

// 1024 bytes of a simple generator from the seed: an image no programmer
// would write, the same for the same seed.
QByteArray RandomImage(quint32 seed);

// A station image in band 1 with channels off the 25 kHz grid: channels 0,
// 1 and 2 at codes 1, 2 and 3 (33 006.25, 33 012.5 and 33 018.75 kHz, read
// as 33 006, 33 012 and 33 018), channel 4 split between codes 6 and 10;
// every other byte as the program encodes it.
QByteArray OffGridImage();

// The path of a file that exists but that open() refuses even to the
// privileged user (a read-only kernel attribute), or empty.
QString RefusedDevice();
