#include "cli/ConfigFormats.h"
#include "cli/JsonConfig.h"
#include "document/FileRead.h"
#include "document/ProgrammerFile.h"
#include "document/RecordMapping.h"
#include "document/U_xml.h"
#include "editors/StationCatalogue.h"
#include "editors/StationFrequencyCheck.h"
#include "link/ImageCodec.h"
#include <QDomDocument>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>

namespace {
constexpr int ChannelCount = 100;
// A .bin holds 1024 bytes and a .json a few kilobytes: anything near these
// caps is no configuration, and is refused without being read whole.
constexpr qint64 MaxBinFile = 64 * 1024;
constexpr qint64 MaxJsonFile = 1024 * 1024;

bool Fail(QString* reason, const QString& why)
{
    if (reason)
        *reason = why;
    return false;
}

// What keeps the station from holding the record's channels, without the
// window program's closing words about the write.
QString FrequencyProblem(const TTarnikPlus& record)
{
    QString problem = StationFrequencyProblem(record);
    problem.remove(QStringLiteral(" Запись не выполнена."));
    return problem;
}

bool WriteBytes(const QString& path, const QByteArray& bytes, QString* reason)
{
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size() || !f.commit())
        return Fail(reason, f.errorString());
    return true;
}
} // namespace

TConfigFormat FormatOfPath(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("bin"))
        return TConfigFormat::Bin;
    if (suffix == QLatin1String("vtr"))
        return TConfigFormat::Vtr;
    if (suffix == QLatin1String("json"))
        return TConfigFormat::Json;
    return TConfigFormat::Unknown;
}

bool ReadBinBytes(const QByteArray& bytes, TConfig& config, QString* reason)
{
    TConfig read;
    if (!DecodeImage(bytes, read.record))
        return Fail(reason, QStringLiteral("образ станции должен занимать %1 байта, а не %2")
                                .arg(StationImageSize)
                                .arg(bytes.size()));
    read.image = bytes;
    config = read;
    return true;
}

bool ReadJsonBytes(const QByteArray& bytes, TConfig& config, QString* reason)
{
    TConfig read;
    if (!RecordFromJson(bytes, read.record, reason))
        return false;
    const QString problem = FrequencyProblem(read.record);
    if (!problem.isEmpty())
        return Fail(reason, problem);
    config = read;
    return true;
}

namespace {
bool ReadVtr(const QString& path, const TStationCatalogue& catalogue, const TTarnikPlus* base, TConfig& config,
             QString* reason)
{
    QDomDocument doc;
    TXMLFile xml(&doc);
    TProgrammerFile file;
    if (!ReadProgrammerFile(xml, path, ChannelCount, file, reason))
        return false;
    TConfig read;
    if (!RecordFromProgrammerFile(file, base, read.record, reason))
        return false;
    read.lacksExtras = LacksStationExtras(file);
    read.vtr = file;
    QString problem = CatalogueProblem(read.record, catalogue);
    if (problem.isEmpty())
        problem = FrequencyProblem(read.record);
    if (!problem.isEmpty())
        return Fail(reason, problem);
    config = read;
    return true;
}
} // namespace

bool ReadVtrFile(const QString& path, const TStationCatalogue& catalogue, TConfig& config, QString* reason)
{
    return ReadVtr(path, catalogue, nullptr, config, reason);
}

bool ReadVtrBytes(const QByteArray& bytes, const TStationCatalogue& catalogue, TConfig& config, QString* reason)
{
    QTemporaryFile f;
    if (!f.open() || f.write(bytes) != bytes.size() || !f.flush())
        return Fail(reason, f.errorString());
    return ReadVtr(f.fileName(), catalogue, nullptr, config, reason);
}

bool ReadConfigFile(const QString& path, const TStationCatalogue* catalogue, TConfig& config, QString* reason,
                    const TTarnikPlus* base)
{
    const TConfigFormat format = FormatOfPath(path);
    if (format == TConfigFormat::Unknown)
        return Fail(reason, QStringLiteral("неизвестный формат: нужен файл .bin, .vtr или .json"));
    if (format == TConfigFormat::Vtr) {
        if (!catalogue)
            return Fail(reason, QStringLiteral("для файла .vtr нужен каталог Settings.xml"));
        // The XML loader reads through the bounded reader too.
        return ReadVtr(path, *catalogue, base, config, reason);
    }
    // Regular files only, read with a cap: a FIFO or a device is refused at
    // once instead of being waited on or read without end.
    QByteArray bytes;
    const QString error = ReadRegularFile(path, format == TConfigFormat::Bin ? MaxBinFile : MaxJsonFile, bytes);
    if (!error.isEmpty())
        return Fail(reason, error);
    return format == TConfigFormat::Bin ? ReadBinBytes(bytes, config, reason) : ReadJsonBytes(bytes, config, reason);
}

QByteArray ConfigImage(const TConfig& config)
{
    if (!config.image.isEmpty())
        return config.image;
    QByteArray image;
    EncodeImage(config.record, image);
    return image;
}

bool WriteImageFile(const QString& path, const QByteArray& image, QString* reason)
{
    TTarnikPlus record;
    switch (FormatOfPath(path)) {
    case TConfigFormat::Bin:
        return WriteBytes(path, image, reason);
    case TConfigFormat::Json:
        if (!DecodeImage(image, record))
            return Fail(reason, QStringLiteral("образ не 1024 байта"));
        return WriteBytes(path, RecordToJson(record), reason);
    case TConfigFormat::Vtr: {
        if (!DecodeImage(image, record))
            return Fail(reason, QStringLiteral("образ не 1024 байта"));
        QDomDocument doc;
        TXMLFile xml(&doc);
        if (!WriteProgrammerFile(xml, path, ProgrammerFileFromRecord(record)))
            return Fail(reason, QStringLiteral("файл не записан"));
        return true;
    }
    case TConfigFormat::Unknown:
        break;
    }
    return Fail(reason, QStringLiteral("неизвестный формат: нужен файл .bin, .vtr или .json"));
}

QStringList TConfig::MissingKeys() const
{
    QStringList keys;
    if (!vtr)
        return keys;
    if (!vtr->pwmPower)
        keys << QStringLiteral("pwmPower");
    if (!vtr->normalPowerOff)
        keys << QStringLiteral("normalPowerOff");
    if (!vtr->normalTxEnd)
        keys << QStringLiteral("normalTxEnd");
    return keys;
}

TTarnikPlus RecordOverBase(const TConfig& config, const TTarnikPlus& base)
{
    TTarnikPlus record = config.record;
    if (config.vtr && config.lacksExtras)
        RecordFromProgrammerFile(*config.vtr, &base, record);
    return record;
}
