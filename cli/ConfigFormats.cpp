#include "cli/ConfigFormats.h"
#include "cli/JsonConfig.h"
#include "document/ChannelCsv.h"
#include "document/FileRead.h"
#include "document/FileWrite.h"
#include "document/ProgrammerFile.h"
#include "document/RecordMapping.h"
#include "document/U_xml.h"
#include "editors/StationCatalogue.h"
#include "editors/StationFrequencyCheck.h"
#include "link/ImageCodec.h"
#include <QCoreApplication>
#include <QDomDocument>
#include <QFileInfo>
#include <QStringDecoder>
#include <limits>

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

QString UnknownFormat()
{
    return QCoreApplication::translate("ConfigFormats", "неизвестный формат: нужен файл .bin, .vtr, .json или .csv");
}

// What keeps the station from holding the record's channels, without the
// window program's closing words about the write.
QString FrequencyProblem(const TTarnikPlus& record)
{
    return StationFrequencyProblems(record).value(0);
}

bool IsUtf8Text(const QByteArray& bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder.decode(bytes);
    return !decoder.hasError();
}

bool SameChannel(const TProgrammerChannel& a, const TProgrammerChannel& b)
{
    return a.enable == b.enable && a.rxHz == b.rxHz && a.txHz == b.txHz && a.ctcssRx == b.ctcssRx
        && a.ctcssTx == b.ctcssTx;
}

// The channel table's rows over the image's channels.
bool TableOverImage(const QByteArray& csv, const QByteArray& image, const TStationCatalogue* catalogue,
                    QByteArray& out, QStringList& problems)
{
    TTarnikPlus base;
    if (!DecodeImage(image, base)) {
        problems << QCoreApplication::translate("ConfigFormats", "образ должен занимать %1 байта").arg(StationImageSize);
        return false;
    }
    if (!catalogue) {
        problems << QCoreApplication::translate("ConfigFormats", "нет каталога: частоты таблицы проверить не по чему");
        return false;
    }
    if (base.range < 1 || base.range > catalogue->bands.size()) {
        problems << QCoreApplication::translate("ConfigFormats", "в образе диапазон %1, его нет в каталоге: частоты таблицы проверить не по чему")
                        .arg(base.range);
        return false;
    }
    const QVector<TProgrammerChannel> held = ProgrammerFileFromRecord(base).channels;
    const TChannelCsvImport table = ReadChannelCsv(csv, catalogue->bands[base.range - 1], held);
    if (!table.errors.isEmpty()) {
        problems << table.errors;
        return false;
    }
    // Only the channels the table changes are touched: the rest keep the
    // image's own values, so a table of the image itself gives the image
    // back.
    TTarnikPlus record = base;
    bool switched = false;
    for (int i = 0; i < ChannelCount; ++i) {
        const TProgrammerChannel& c = table.channels[i];
        if (SameChannel(c, held[i]))
            continue;
        switched = switched || c.enable != held[i].enable;
        record.channels[i] = c.enable ? TTarnikRec{true, c.txHz / 1000, c.rxHz / 1000, c.ctcssTx, c.ctcssRx}
                                      : TTarnikRec();
    }
    // The last channel follows the table once it switches channels on or
    // off, as the window program sets it.
    if (switched) {
        record.lastChannel = 0;
        for (int i = 0; i < ChannelCount; ++i) {
            if (record.channels[i].enable)
                record.lastChannel = static_cast<uint8_t>(i);
        }
    }
    const QStringList station = StationFrequencyProblems(record);
    if (!station.isEmpty()) {
        problems << station;
        return false;
    }
    out = EncodeOverImage(record, image);
    return true;
}
} // namespace

TConfigFormat FormatOfPath(const QString& path)
{
    return FormatNamed(QFileInfo(path).suffix().toLower());
}

TConfigFormat FormatNamed(const QString& name)
{
    if (name == QLatin1String("bin"))
        return TConfigFormat::Bin;
    if (name == QLatin1String("vtr"))
        return TConfigFormat::Vtr;
    if (name == QLatin1String("json"))
        return TConfigFormat::Json;
    if (name == QLatin1String("csv"))
        return TConfigFormat::Csv;
    return TConfigFormat::Unknown;
}

QString FormatName(TConfigFormat format)
{
    switch (format) {
    case TConfigFormat::Bin: return QStringLiteral("bin");
    case TConfigFormat::Vtr: return QStringLiteral("vtr");
    case TConfigFormat::Json: return QStringLiteral("json");
    case TConfigFormat::Csv: return QStringLiteral("csv");
    case TConfigFormat::Unknown: break;
    }
    return QString();
}

TConfigFormat FormatOfBytes(const QByteArray& bytes)
{
    // A station image is no UTF-8 text in practice (its empty slots and
    // reserved bytes are 0xFF), so text is looked at only when it is text.
    if (IsUtf8Text(bytes)) {
        QByteArray text = bytes;
        if (text.startsWith("\xEF\xBB\xBF"))
            text.remove(0, 3);
        text = text.trimmed();
        if (text.startsWith('{'))
            return TConfigFormat::Json;
        if (text.startsWith('<'))
            return TConfigFormat::Vtr;
        if (text.left(8).toLower().replace('"', "").startsWith("channel"))
            return TConfigFormat::Csv;
    }
    return bytes.size() == StationImageSize ? TConfigFormat::Bin : TConfigFormat::Unknown;
}

qint64 MaxFileSize(TConfigFormat format)
{
    switch (format) {
    case TConfigFormat::Bin: return MaxBinFile;
    case TConfigFormat::Vtr: return TXMLFile::MaxFileSize;
    case TConfigFormat::Csv: return MaxChannelCsvSize;
    case TConfigFormat::Json:
    case TConfigFormat::Unknown: break;
    }
    return MaxJsonFile;
}

bool ReadBinBytes(const QByteArray& bytes, TConfig& config, QString* reason)
{
    TConfig read;
    if (!DecodeImage(bytes, read.record))
        return Fail(reason, QCoreApplication::translate("ConfigFormats", "образ станции должен занимать %1 байта, а не %2")
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

bool ReadVtrBytes(const QByteArray& bytes, const TStationCatalogue& catalogue, TConfig& config, QString* reason,
                  const TTarnikPlus* base)
{
    QDomDocument doc;
    TXMLFile xml(&doc);
    TProgrammerFile file;
    if (!ReadProgrammerBytes(xml, bytes, ChannelCount, file, reason))
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

bool ReadCsvBytes(const QByteArray& bytes, TConfig& config, QString* reason)
{
    // The rows' form is checked now, against a band that takes any
    // frequency; the band of the image the table goes over comes later.
    const TBandLimits anyBand{0, std::numeric_limits<int>::max(), 0};
    const TChannelCsvImport table = ReadChannelCsv(bytes, anyBand, QVector<TProgrammerChannel>(ChannelCount));
    if (!table.errors.isEmpty())
        return Fail(reason, QCoreApplication::translate("ConfigFormats", "таблица каналов не прочитана:\n%1").arg(ProblemListText(table.errors, 20)));
    TConfig read;
    read.csv = bytes;
    config = read;
    return true;
}

bool ReadConfigBytes(TConfigFormat format, const QByteArray& bytes, const TStationCatalogue* catalogue,
                     TConfig& config, QString* reason, const TTarnikPlus* base)
{
    if (bytes.size() > MaxFileSize(format))
        return Fail(reason, QCoreApplication::translate("ConfigFormats", "файл больше %1").arg(SizeText(MaxFileSize(format))));
    switch (format) {
    case TConfigFormat::Bin:
        return ReadBinBytes(bytes, config, reason);
    case TConfigFormat::Json:
        return ReadJsonBytes(bytes, config, reason);
    case TConfigFormat::Csv:
        return ReadCsvBytes(bytes, config, reason);
    case TConfigFormat::Vtr:
        if (!catalogue)
            return Fail(reason, QCoreApplication::translate("ConfigFormats", "для файла .vtr нужен каталог Settings.xml"));
        return ReadVtrBytes(bytes, *catalogue, config, reason, base);
    case TConfigFormat::Unknown:
        break;
    }
    return Fail(reason, UnknownFormat());
}

bool ReadConfigFile(const QString& path, const TStationCatalogue* catalogue, TConfig& config, QString* reason,
                    const TTarnikPlus* base, TConfigFormat named)
{
    TConfigFormat format = FormatOfPath(path);
    if (format == TConfigFormat::Unknown)
        format = named;
    if (format == TConfigFormat::Unknown)
        return Fail(reason, UnknownFormat());
    if (format == TConfigFormat::Vtr && !catalogue)
        return Fail(reason, QCoreApplication::translate("ConfigFormats", "для файла .vtr нужен каталог Settings.xml"));
    // Regular files only, read with a cap: a FIFO or a device is refused at
    // once instead of being waited on or read without end.
    QByteArray bytes;
    const QString error = ReadRegularFile(path, MaxFileSize(format), bytes);
    if (!error.isEmpty())
        return Fail(reason, error);
    return ReadConfigBytes(format, bytes, catalogue, config, reason, base);
}

QByteArray ConfigImage(const TConfig& config)
{
    if (!config.image.isEmpty())
        return config.image;
    QByteArray image;
    EncodeImage(config.record, image);
    return image;
}

bool ConfigOverImage(const TConfig& config, const QByteArray& image, const TStationCatalogue* catalogue,
                     QByteArray& out, QStringList* problems)
{
    QStringList found;
    if (config.IsChannelTable()) {
        const bool built = TableOverImage(config.csv, image, catalogue, out, found);
        if (problems)
            *problems = found;
        return built;
    }
    // A .bin goes in as it stands; a .vtr or .json names fields, not the
    // unassigned bytes, which keep what the image has.
    if (!config.image.isEmpty()) {
        out = config.image;
        return true;
    }
    TTarnikPlus base;
    DecodeImage(image, base);
    out = EncodeOverImage(RecordOverBase(config, base), image);
    return true;
}

bool ImageFileBytes(TConfigFormat format, const QByteArray& image, QByteArray& bytes, QString* reason)
{
    TTarnikPlus record;
    if (format == TConfigFormat::Bin) {
        bytes = image;
        return true;
    }
    if (format == TConfigFormat::Unknown)
        return Fail(reason, UnknownFormat());
    if (!DecodeImage(image, record))
        return Fail(reason, QCoreApplication::translate("ConfigFormats", "образ не 1024 байта"));
    switch (format) {
    case TConfigFormat::Json:
        bytes = RecordToJson(record);
        return true;
    case TConfigFormat::Csv:
        bytes = WriteChannelCsvKHz(ProgrammerFileFromRecord(record).channels);
        return true;
    case TConfigFormat::Vtr: {
        QDomDocument doc;
        TXMLFile xml(&doc);
        if (!ProgrammerFileBytes(xml, ProgrammerFileFromRecord(record), bytes))
            return Fail(reason, xml.SaveError().isEmpty() ? QCoreApplication::translate("ConfigFormats", "файл не построен") : xml.SaveError());
        return true;
    }
    default:
        break;
    }
    return Fail(reason, UnknownFormat());
}

bool WriteImageFile(const QString& path, const QByteArray& image, QString* reason, TConfigFormat named)
{
    TConfigFormat format = FormatOfPath(path);
    if (format == TConfigFormat::Unknown)
        format = named;
    QByteArray bytes;
    if (!ImageFileBytes(format, image, bytes, reason))
        return false;
    const QString error = WriteFileAtomically(path, bytes);
    return error.isEmpty() || Fail(reason, error);
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
