// Fuzz targets of the command line's file readers (.bin, .json, .vtr): each
// input is read; one that reads is written back in the same format and
// must read back to the same station image. Registered with the fuzz
// harnesses in tools/fuzz/CMakeLists.txt; the seeds are in tests/fuzz-seeds/cli-*/.
#include "cli/ConfigFormats.h"
#include "cli/JsonConfig.h"
#include "editors/StationCatalogue.h"
#include "link/ImageCodec.h"
#include "tools/fuzz/FuzzTargets.h"
#include <QFile>

namespace {

// The shipped catalogue's lists and bands, fixed so that no file is read.
const TStationCatalogue& Catalogue()
{
    static const TStationCatalogue c = [] {
        TStationCatalogue k;
        k.lists.bands = QStringList{"33000 - 41000", "41000 - 49000", "49000 - 56975"};
        k.lists.volume = QStringList(8, "v");
        k.lists.squelch = QStringList(10, "s");
        k.lists.deviation = QStringList(10, "d");
        k.lists.levels = QStringList(16, "l");
        k.lists.analogSql = 16;
        k.bands = {{33000000, 41000000, 25000}, {41000000, 49000000, 25000}, {49000000, 56975000, 25000}};
        return k;
    }();
    return c;
}

// Writes the configuration's image in the format and reads it back: the
// file holds the image's decoded record, so what comes back is that record
// encoded (the same image for frequencies on the 25 kHz grid; the codec
// drops a kilohertz fraction of others).
void RoundTrip(const TConfig& config, const QString& name)
{
    const QByteArray image = ConfigImage(config);
    TTarnikPlus decoded;
    FuzzRequire(DecodeImage(image, decoded), "a configuration's image is not 1024 bytes");
    QByteArray expected;
    EncodeImage(decoded, expected);
    const QString path = FuzzScratchFile(name, nullptr, 0);
    QString why;
    FuzzRequire(WriteImageFile(path, image, &why), "a configuration that was read cannot be written");
    TConfig back;
    FuzzRequire(ReadConfigFile(path, &Catalogue(), back, &why), "a written file does not read");
    FuzzRequire(ConfigImage(back) == expected, "a written file reads back different");
}

} // namespace

int FuzzCliBin(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    TConfig config;
    const bool read = ReadBinBytes(bytes, config, nullptr);
    FuzzRequire(read == (size == 1024), "an image is read exactly when it has 1024 bytes");
    if (read)
        FuzzRequire(ConfigImage(config) == bytes, "an image does not stand for its own bytes");
    return 0;
}

int FuzzCliJson(const uint8_t* data, size_t size)
{
    TConfig config;
    if (!ReadJsonBytes(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)), config, nullptr))
        return 0;
    RoundTrip(config, QStringLiteral("back.json"));
    return 0;
}

int FuzzCliVtr(const uint8_t* data, size_t size)
{
    TConfig config;
    if (!ReadVtrBytes(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)), Catalogue(),
                      config, nullptr))
        return 0;
    RoundTrip(config, QStringLiteral("back.vtr"));
    return 0;
}
