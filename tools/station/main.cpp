// tarnik-station: a simulated Tarnik station on a pseudo-terminal or a
// serial device, for testing the programmer without a real station.
#include "tools/station/FactoryImage.h"
#include "tools/station/OpenWatch.h"
#include "tools/station/PortLink.h"
#include "tools/station/RequestLog.h"
#include "tools/station/SerialLine.h"
#include "tools/station/StationEngine.h"
#include "tools/station/StationImage.h"
#include "tools/station/StationLoop.h"
#include "tools/station/StationOptions.h"
#include "tools/station/StopSignals.h"
#include <QFileInfo>
#include <cstdio>
#include <random>

using namespace station;

namespace {

// How long a vanishing station waits for the programmer to read the rest of
// its last answer before it cuts the line.
constexpr Nanos VanishDrainLimit = 3 * NanosPerSecond;

int Fail(const std::string& message)
{
    std::fprintf(stderr, "tarnik-station: %s\n", message.c_str());
    return 1;
}

// The image the station starts with: the file's when it exists, else the
// factory image, which then becomes the file.
bool InitialImage(const StationOptions& options, QByteArray& image, std::string& error)
{
    const QString path = QString::fromStdString(options.imagePath);
    QString message;
    if (!path.isEmpty() && QFileInfo::exists(path)) {
        if (LoadImageFile(path, image, message))
            return true;
        error = message.toStdString();
        return false;
    }
    image = FactoryImage();
    if (!path.isEmpty() && !SaveImageFile(path, image, message)) {
        error = message.toStdString();
        return false;
    }
    return true;
}

// 1024 bytes from the seed: the same image for the same seed everywhere.
QByteArray RandomImage(unsigned seed)
{
    std::mt19937 generator(seed);
    QByteArray image(StationImage::Size, '\0');
    for (char& b : image)
        b = static_cast<char>(generator() & 0xFF);
    return image;
}

// Sets the bits no setting uses: byte 503 and the spare bits of the
// settings bytes, in a pattern the programmer never writes.
void PutUnmodelledBits(QByteArray& image)
{
    image[503] = static_cast<char>(0xA5);
    for (int offset : {504, 505, 506, 507, 508, 511})
        image[offset] = static_cast<char>((image[offset] & 0x1F) | 0xA0);
    image[514] = static_cast<char>((image[514] & 0x03) | 0x54);
}

bool OpenLine(const StationOptions& options, SerialLine& line, std::string& error)
{
    if (options.devicePath.empty())
        return line.OpenPty(options.baud, error);
    return line.OpenDevice(options.devicePath, options.baud, error);
}

} // namespace

int main(int argc, char** argv)
{
    StationOptions options;
    std::string error;
    if (!ParseStationOptions(std::vector<std::string>(argv + 1, argv + argc), options, error)) {
        std::fprintf(stderr, "tarnik-station: %s\nTry 'tarnik-station --help'.\n", error.c_str());
        return 2;
    }
    if (options.help) {
        std::fputs(StationUsage().c_str(), stdout);
        return 0;
    }
    if (!StopSignals::Install(error))
        return Fail(error);

    QByteArray bytes;
    if (!InitialImage(options, bytes, error))
        return Fail(error);
    if (options.randomSeed)
        bytes = RandomImage(*options.randomSeed);
    if (options.reservedPattern)
        PutReservedPattern(bytes);
    if (options.unmodelledBits)
        PutUnmodelledBits(bytes);
    StationImage image(bytes);

    RequestLog log;
    if (!options.logPath.empty() && !log.Open(options.logPath, error))
        return Fail(error);

    SerialLine line;
    if (!OpenLine(options, line, error))
        return Fail(error);

    PortLink link;
    if (!options.portsDir.empty() && !link.Register(options.portsDir, options.com, line.DevicePath(), error))
        return Fail(error);

    auto saveImage = [&]() {
        if (options.imagePath.empty())
            return true;
        QString message;
        if (SaveImageFile(QString::fromStdString(options.imagePath), image.Bytes(), message))
            return true;
        std::fprintf(stderr, "tarnik-station: %s\n", qPrintable(message));
        return false;
    };

    OpenWatch openWatch;
    if (options.faults.staleBytes > 0 && line.IsPty() && !openWatch.Start(line.DevicePath(), error))
        return Fail(error);

    StationEngine engine(image, FaultPlan(options.faults));
    LoopSettings settings;
    settings.baud = options.baud;
    settings.vanishAfter = options.faults.vanishAfter;
    settings.latency = options.latencyMs * NanosPerMs;
    settings.exactPace = options.exactPace;
    settings.staleBytes = options.faults.staleBytes;
    settings.openWatchFd = openWatch.Fd();
    settings.opened = [&openWatch] { return openWatch.Opened(); };
    StationLoop loop(line, engine, log, settings, [&]() { saveImage(); });

    StationLoop::Outcome outcome = StationLoop::Outcome::Stopped;
    if (!StopSignals::Flag()) {
        std::printf("READY %s\n", line.DevicePath().c_str());
        std::fflush(stdout);
        outcome = loop.Run(StopSignals::Flag(), StopSignals::WakeFd(), error);
    }

    // Closing: the line goes dead first, then the port name, then the image
    // is kept. A station that vanishes has sent its last answer in full.
    if (outcome == StationLoop::Outcome::Vanished)
        line.Drain(VanishDrainLimit);
    line.Close();
    link.Remove();
    const bool saved = saveImage();
    if (outcome == StationLoop::Outcome::Failed)
        return Fail(error);
    return saved ? 0 : 1;
}
