// The commands on files, without a station: decode, encode, diff, show.
#include "cli/CliContext.h"
#include "cli/Commands.h"
#include "cli/ConfigDiff.h"
#include "cli/ConfigFormats.h"
#include "cli/ConfigTable.h"
#include "cli/ExitCodes.h"
#include "cli/JsonConfig.h"
#include "cli/Output.h"
#include "editors/StationCatalogue.h"

namespace {

const TOptionRule OutputSpec{QStringLiteral("-o"), QStringLiteral("FILE"), QStringLiteral("файл результата")};

// Reads one input file; the catalogue is required for a .vtr and used for
// words when it can be had.
bool Load(TCliContext& cx, const QString& path, TConfig& config, int& code)
{
    const bool vtr = FormatOfPath(path) == TConfigFormat::Vtr;
    const TStationCatalogue* catalogue = cx.Catalogue(vtr);
    QString reason;
    if (!ReadConfigFile(path, catalogue, config, &reason)) {
        code = cx.InputError(QStringLiteral("%1: %2").arg(path, reason));
        return false;
    }
    return true;
}

// What an older .vtr does not carry (the PWM power, the shutdown flags) is
// never made up: it comes from the image given with --base, or the
// conversion stops and says so.
bool TakeMissingFromBase(TCliContext& cx, const QString& in, TConfig& config, int& code)
{
    const QStringList missing = config.MissingKeys();
    const QString basePath = cx.args.Value(QStringLiteral("--base"));
    if (missing.isEmpty())
        return true;
    if (basePath.isEmpty()) {
        code = cx.InputError(QStringLiteral("%1: в файле нет значений %2 (файл прежней версии); "
                                            "их нужно взять из образа станции: --base ОБРАЗ.bin")
                                 .arg(in, missing.join(QStringLiteral(", "))));
        return false;
    }
    TConfig base;
    if (FormatOfPath(basePath) != TConfigFormat::Bin) {
        code = cx.InputError(QStringLiteral("--base %1: нужен образ станции .bin").arg(basePath));
        return false;
    }
    if (!Load(cx, basePath, base, code))
        return false;
    config.record = RecordOverBase(config, base.record);
    config.lacksExtras = false;
    config.vtr.reset();
    return true;
}

// decode and encode: one file to another.
int Convert(TCliContext& cx, TConfigFormat inputFormat, TConfigFormat outputFormat)
{
    if (cx.args.positional.size() != 1)
        return cx.InputError(QStringLiteral("нужен ровно один входной файл"));
    const QString in = cx.args.positional.first();
    const QString out = cx.args.Value(QStringLiteral("-o"));
    if (out.isEmpty())
        return cx.InputError(QStringLiteral("не указан файл результата (-o FILE)"));
    const QString anyFormat = QStringLiteral(".bin, .vtr или .json");
    auto formatProblem = [&](const QString& path, TConfigFormat wanted) {
        const TConfigFormat format = FormatOfPath(path);
        const bool ok = wanted == TConfigFormat::Unknown ? format != TConfigFormat::Unknown : format == wanted;
        return ok ? QString()
                  : QStringLiteral("%1: нужен файл %2").arg(path, wanted == TConfigFormat::Bin ? QStringLiteral(".bin") : anyFormat);
    };
    for (const QString& problem : {formatProblem(in, inputFormat), formatProblem(out, outputFormat)}) {
        if (!problem.isEmpty())
            return cx.InputError(problem);
    }
    int code = ExitOk;
    TConfig config;
    if (!Load(cx, in, config, code) || !TakeMissingFromBase(cx, in, config, code))
        return code;
    if (FormatOfPath(out) == TConfigFormat::Vtr) {
        // The window program shows no selection for a value its catalogue
        // lacks; the file is written all the same, with a warning.
        if (const TStationCatalogue* catalogue = cx.Catalogue(false)) {
            const QString problem = CatalogueProblem(config.record, *catalogue);
            if (!problem.isEmpty())
                PrintErr(QStringLiteral("tarnik-cli: предупреждение: %1: %2").arg(in, problem));
        }
    }
    QString reason;
    if (!WriteImageFile(out, ConfigImage(config), &reason))
        return cx.InputError(QStringLiteral("%1: %2").arg(out, reason));
    cx.Note(QStringLiteral("записан ") + out);
    return ExitOk;
}

int Decode(TCliContext& cx) { return Convert(cx, TConfigFormat::Bin, TConfigFormat::Unknown); }
int Encode(TCliContext& cx) { return Convert(cx, TConfigFormat::Unknown, TConfigFormat::Bin); }

int Diff(TCliContext& cx)
{
    if (cx.args.positional.size() != 2)
        return cx.InputError(QStringLiteral("diff: нужны два файла"));
    int code = ExitOk;
    TConfig a, b;
    if (!Load(cx, cx.args.positional[0], a, code) || !Load(cx, cx.args.positional[1], b, code))
        return code;
    const QStringList lines = ConfigDifferences(a, b, cx.Catalogue(false));
    if (!lines.isEmpty())
        PrintOut(lines.join(QLatin1Char('\n')));
    return lines.isEmpty() ? ExitOk : ExitDiffers;
}

int Show(TCliContext& cx)
{
    if (cx.args.positional.size() != 1)
        return cx.InputError(QStringLiteral("show: нужен один файл"));
    const QString format = cx.args.Value(QStringLiteral("--format"), QStringLiteral("text"));
    if (format != QLatin1String("text") && format != QLatin1String("csv") && format != QLatin1String("json"))
        return cx.InputError(QStringLiteral("--format %1: нужен text, csv или json").arg(format));
    int code = ExitOk;
    TConfig config;
    if (!Load(cx, cx.args.positional.first(), config, code))
        return code;
    if (format == QLatin1String("json"))
        PrintOut(QString::fromUtf8(RecordToJson(config.record, config.MissingKeys())).trimmed());
    else if (format == QLatin1String("csv"))
        PrintOut(ChannelsCsv(config.record));
    else
        PrintOut(ConfigText(config.record, cx.Catalogue(false), config.MissingKeys()));
    return ExitOk;
}

} // namespace

QList<TCommand> FileCommands()
{
    return {
        {QStringLiteral("decode"), QStringLiteral("образ .bin в файл .vtr или .json (или .bin)"),
         QStringLiteral("decode IMAGE.bin -o FILE"), {OutputSpec}, Decode},
        {QStringLiteral("encode"), QStringLiteral("файл .vtr, .json или .bin в образ .bin"),
         QStringLiteral("encode FILE -o IMAGE.bin [--base STATION.bin]"),
         {OutputSpec,
          {QStringLiteral("--base"), QStringLiteral("IMAGE"),
           QStringLiteral("образ станции, из которого берутся значения, которых нет в старом файле .vtr")}},
         Encode},
        {QStringLiteral("diff"), QStringLiteral("различия двух конфигураций; 0, если равны, 1, если различаются"),
         QStringLiteral("diff A B"), {}, Diff},
        {QStringLiteral("show"), QStringLiteral("конфигурация таблицей"),
         QStringLiteral("show FILE [--format text|csv|json]"),
         {{QStringLiteral("--format"), QStringLiteral("F"), QStringLiteral("text (по умолчанию), csv (каналы) или json")}},
         Show},
    };
}
