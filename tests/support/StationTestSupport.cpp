#include "tests/support/StationTestSupport.h"
#include "link/ImageCodec.h"
#include "link/PortSurvey.h"
#include "link/StationRecord.h"
#include <QElapsedTimer>
#include <QFile>

namespace {
constexpr int StartTimeoutMs = 5000;
}

SimStation::~SimStation()
{
    Stop();
}

QString SimStation::ImagePath() const { return dir.filePath(QStringLiteral("station.img")); }
QString SimStation::LogPath() const { return dir.filePath(QStringLiteral("requests.log")); }

QByteArray SimStation::Image() const
{
    QFile f(ImagePath());
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QStringList SimStation::Log() const
{
    QFile f(LogPath());
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromLatin1(f.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

bool SimStation::SetImage(const QByteArray& image) const
{
    QFile f(ImagePath());
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(image) == image.size();
}

PortHolder::~PortHolder()
{
    Release();
}

bool PortHolder::Hold(const QString& device)
{
    Release();
    process = std::make_unique<QProcess>();
    process->start(QStringLiteral(TARNIK_BIN_DIR "/tarnik-port-holder"), {device});
    if (!process->waitForStarted(StartTimeoutMs))
        return false;
    QElapsedTimer t;
    t.start();
    while (!process->canReadLine() && t.elapsed() < StartTimeoutMs) {
        if (!process->waitForReadyRead(100) && process->state() != QProcess::Running)
            return false;
    }
    return process->readLine().trimmed() == "HELD";
}

qint64 PortHolder::Pid() const
{
    return process ? process->processId() : 0;
}

void PortHolder::Release()
{
    if (!process)
        return;
    process->closeWriteChannel();
    if (!process->waitForFinished(StartTimeoutMs)) {
        process->kill();
        process->waitForFinished(StartTimeoutMs);
    }
    process.reset();
}

TPortSurvey AdapterSurvey()
{
    TPortEntry adapter;
    adapter.number = 9;
    adapter.device = QStringLiteral("/dev/ttyUSB0");
    adapter.state = TSerialLine::OpenResult::Opened;
    adapter.usb = {true, QStringLiteral("FTDI"), QStringLiteral("FT232R USB UART"), QStringLiteral("A50285BI"),
                   0x0403, 0x6001};
    TPortEntry held = adapter;
    held.number = 10;
    held.device = QStringLiteral("/dev/ttyUSB1");
    held.state = TSerialLine::OpenResult::Busy;
    held.usb.serialNumber = QStringLiteral("A9K3XQ2L");
    held.holders = {{812, QStringLiteral("ModemManager")}};
    TPortSurvey survey;
    survey.entries = {adapter, held};
    return survey;
}

QString LogLine(const QByteArray& request)
{
    return QString::fromLatin1(request.toHex(' ').toUpper());
}

QString WriteLogLine(int offset, quint8 data)
{
    static const char pages[] = {0x03, 0x13, 0x23, 0x33};
    return LogLine(QByteArray("\x11\x39", 2) + char(pages[(offset / 256) & 3]) + char(offset % 256) + char(data));
}

void PutSlotCodes(QByteArray& image, int channel, int txCode, int rxCode, int toneRx, int toneTx)
{
    const int o = 5 * channel;
    image[o] = char(((txCode >> 8) << 4) | (rxCode >> 8));
    image[o + 1] = char(txCode & 0xFF);
    image[o + 2] = char(rxCode & 0xFF);
    image[o + 3] = char(toneRx);
    image[o + 4] = char(toneTx);
}

QByteArray OffGridImage()
{
    TTarnikPlus r;
    r.channels.resize(100);
    r.range = 1;
    r.volume = 3;
    r.pwmPower = 100;
    r.lastChannel = 4;
    QByteArray image;
    EncodeImage(r, image);
    PutSlotCodes(image, 0, 1, 1);
    PutSlotCodes(image, 1, 2, 2, 5, 5);
    PutSlotCodes(image, 2, 3, 3);
    PutSlotCodes(image, 4, 6, 10, 1, 2);
    return image;
}

QByteArray RandomImage(quint32 seed)
{
    QByteArray image(1024, 0);
    for (char& c : image) {
        seed = seed * 1103515245u + 12345u;
        c = char(seed >> 16);
    }
    return image;
}
