// The commands on files, without a station: decode, encode, diff, show.
#include "cli/CliContext.h"
#include "cli/Commands.h"
#include "cli/ConfigDiff.h"
#include "cli/ConfigFormats.h"
#include "cli/ConfigTable.h"
#include "cli/ExitCodes.h"
#include "cli/FileArguments.h"
#include "cli/JsonConfig.h"
#include "cli/Output.h"
#include "editors/StationCatalogue.h"
#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

TOptionRule OutputOption()
{
    return {QStringLiteral("--output"), QStringLiteral("FILE"),
            QCoreApplication::translate("CmdFiles", "файл результата; - - стандартный вывод"), false, QStringLiteral("-o")};
}

// A channel table is no configuration by itself: the settings come from an
// image.
int TableAlone(TCliContext& cx, const QString& path)
{
    return cx.InputError(QCoreApplication::translate("CmdFiles", "%1: таблица каналов CSV без настроек станции; её принимают "
                                                                 "encode --base ОБРАЗ.bin и write")
                             .arg(path));
}

// Loads the image given with --base.
bool LoadBase(TCliContext& cx, TConfig& base, int& code)
{
    const QString path = cx.args.Value(QStringLiteral("--base"));
    const TConfigFormat format = FormatOfPath(path);
    if (format != TConfigFormat::Bin && !(format == TConfigFormat::Unknown && IsStandardInput(path))) {
        code = cx.InputError(QCoreApplication::translate("CmdFiles", "--base %1: нужен образ станции .bin").arg(path));
        return false;
    }
    return LoadInput(cx, path, TConfigFormat::Bin, base, code);
}

// What an older .vtr does not carry (the PWM power, the shutdown flags) is
// never made up: it comes from the image given with --base, or the
// conversion stops and says so.
bool TakeMissingFromBase(TCliContext& cx, const QString& in, TConfig& config, int& code)
{
    const QStringList missing = config.MissingKeys();
    if (missing.isEmpty())
        return true;
    if (!cx.args.Has(QStringLiteral("--base"))) {
        code = cx.InputError(QCoreApplication::translate("CmdFiles", "%1: в файле нет значений %2 (файл прежней версии); "
                                                                     "их нужно взять из образа станции: --base ОБРАЗ.bin")
                                 .arg(in, missing.join(QStringLiteral(", "))));
        return false;
    }
    TConfig base;
    if (!LoadBase(cx, base, code))
        return false;
    config.record = RecordOverBase(config, base.record);
    config.lacksExtras = false;
    config.vtr.reset();
    return true;
}

// A channel table over the --base image: the rows checked against the band
// the image selects; nothing is written when one is bad.
bool TableOverBase(TCliContext& cx, const QString& in, TConfig& config, int& code)
{
    if (!cx.args.Has(QStringLiteral("--base"))) {
        code = cx.InputError(QCoreApplication::translate("CmdFiles", "%1: таблица каналов CSV без настроек станции: они берутся из образа, "
                                                                     "укажите --base ОБРАЗ.bin")
                                 .arg(in));
        return false;
    }
    TConfig base;
    if (!LoadBase(cx, base, code))
        return false;
    QByteArray image;
    QStringList problems;
    if (!ConfigOverImage(config, base.image, cx.Catalogue(true), image, &problems)) {
        code = cx.InputError(QCoreApplication::translate("CmdFiles", "%1: таблица не подходит к образу %2, ничего не записано:\n%3")
                                 .arg(in, cx.args.Value(QStringLiteral("--base")), ProblemListText(problems, 20)));
        return false;
    }
    TConfig over;
    ReadBinBytes(image, over, nullptr);
    config = over;
    return true;
}

// The output of decode and encode: -o, its format, and whether --json may
// print the outcome (not when the output itself goes to standard output).
bool OutputTarget(TCliContext& cx, QString& out, int& code)
{
    out = cx.args.Value(QStringLiteral("--output"));
    if (out.isEmpty()) {
        code = cx.InputError(QCoreApplication::translate("CmdFiles", "не указан файл результата (-o FILE, или -o - для стандартного вывода)"));
        return false;
    }
    if (cx.json && IsStandardOutput(out)) {
        code = cx.InputError(QCoreApplication::translate("CmdFiles", "--json и -o - вместе не указываются: стандартный вывод занят файлом"));
        return false;
    }
    return true;
}

// Writes the result and says so: a note with --verbose, the outcome with --json.
int Finish(TCliContext& cx, const QString& in, const QString& out, TConfigFormat format, const QByteArray& image)
{
    QString reason;
    if (!WriteOutput(out, format, image, &reason))
        return cx.InputError(QStringLiteral("%1: %2").arg(out, reason));
    if (!IsStandardOutput(out))
        cx.Note(QCoreApplication::translate("CmdFiles", "записан %1").arg(out));
    if (cx.json)
        PrintOut(QString::fromUtf8(
            QJsonDocument(QJsonObject{{"ok", true}, {"input", in}, {"output", out}, {"format", FormatName(format)}})
                .toJson(QJsonDocument::Indented)).trimmed());
    return ExitOk;
}

// The one input file of a conversion, its output and the format --format
// names. False, with the message printed and the exit code set, when one
// is wrong.
bool InputAndOutput(TCliContext& cx, QString& in, QString& out, TConfigFormat& named, int& code)
{
    if (cx.args.positional.size() != 1) {
        code = cx.InputError(QCoreApplication::translate("CmdFiles", "нужен ровно один входной файл"));
        return false;
    }
    in = cx.args.positional.first();
    return OutputTarget(cx, out, code) && NamedFormat(cx, named, code);
}

int Decode(TCliContext& cx)
{
    QString in, out;
    TConfigFormat named = TConfigFormat::Unknown;
    int code = ExitOk;
    if (!InputAndOutput(cx, in, out, named, code))
        return code;
    const TConfigFormat inFormat = FormatOfPath(in);
    if (inFormat != TConfigFormat::Bin && inFormat != TConfigFormat::Unknown)
        return cx.InputError(QCoreApplication::translate("CmdFiles", "%1: нужен образ станции .bin").arg(in));
    const TConfigFormat format = OutputFormat(out, named, TConfigFormat::Json);
    if (format == TConfigFormat::Unknown)
        return cx.InputError(QCoreApplication::translate("CmdFiles", "%1: формат не ясен из имени: нужно расширение .bin, .vtr, .json "
                                                                     "или .csv, или --format")
                                 .arg(out));
    TConfig config;
    if (!LoadInput(cx, in, TConfigFormat::Bin, config, code))
        return code;
    if (format == TConfigFormat::Vtr) {
        // The window program shows no selection for a value its catalogue
        // lacks; the file is written all the same, with a warning.
        if (const TStationCatalogue* catalogue = cx.Catalogue(false)) {
            const QString problem = CatalogueProblem(config.record, *catalogue);
            if (!problem.isEmpty())
                PrintErr(QCoreApplication::translate("CmdFiles", "tarnik-cli: предупреждение: %1: %2").arg(in, problem));
        }
    }
    return Finish(cx, in, out, format, ConfigImage(config));
}

int Encode(TCliContext& cx)
{
    QString in, out;
    TConfigFormat named = TConfigFormat::Unknown;
    int code = ExitOk;
    if (!InputAndOutput(cx, in, out, named, code))
        return code;
    const TConfigFormat outFormat = FormatOfPath(out);
    if (outFormat != TConfigFormat::Bin && outFormat != TConfigFormat::Unknown)
        return cx.InputError(QCoreApplication::translate("CmdFiles", "%1: нужен файл .bin").arg(out));
    TConfig config;
    if (!LoadInput(cx, in, named, config, code))
        return code;
    if (config.IsChannelTable() ? !TableOverBase(cx, in, config, code) : !TakeMissingFromBase(cx, in, config, code))
        return code;
    return Finish(cx, in, out, TConfigFormat::Bin, ConfigImage(config));
}

int Diff(TCliContext& cx)
{
    if (cx.args.positional.size() != 2)
        return cx.InputError(QCoreApplication::translate("CmdFiles", "diff: нужны два файла"));
    int code = ExitOk;
    TConfig a, b;
    if (!LoadInput(cx, cx.args.positional[0], TConfigFormat::Unknown, a, code)
        || !LoadInput(cx, cx.args.positional[1], TConfigFormat::Unknown, b, code))
        return code;
    for (const TConfig* c : {&a, &b}) {
        if (c->IsChannelTable())
            return TableAlone(cx, cx.args.positional[c == &a ? 0 : 1]);
    }
    const QList<TDifference> differences = ConfigDifferences(a, b, cx.Catalogue(false));
    if (cx.json) {
        PrintOut(QString::fromUtf8(DifferencesJson(differences)).trimmed());
    } else if (!differences.isEmpty()) {
        QStringList lines;
        for (const TDifference& d : differences)
            lines << d.Line();
        PrintOut(lines.join(QLatin1Char('\n')));
    }
    return differences.isEmpty() ? ExitOk : ExitDiffers;
}

int Show(TCliContext& cx)
{
    if (cx.args.positional.size() != 1)
        return cx.InputError(QCoreApplication::translate("CmdFiles", "show: нужен один файл"));
    QString format = cx.args.Value(QStringLiteral("--format"), cx.json ? QStringLiteral("json") : QStringLiteral("text"));
    if (format != QLatin1String("text") && format != QLatin1String("csv") && format != QLatin1String("json"))
        return cx.InputError(QCoreApplication::translate("CmdFiles", "--format %1: нужен text, csv или json").arg(format));
    if (cx.json && format != QLatin1String("json"))
        return cx.InputError(QCoreApplication::translate("CmdFiles", "--json и --format %1 вместе не указываются").arg(format));
    int code = ExitOk;
    TConfig config;
    const QString path = cx.args.positional.first();
    if (!LoadInput(cx, path, TConfigFormat::Unknown, config, code))
        return code;
    if (config.IsChannelTable())
        return TableAlone(cx, path);
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
    const TOptionRule base{QStringLiteral("--base"), QStringLiteral("IMAGE"),
                           QCoreApplication::translate("CmdFiles", "образ станции: всё, кроме каналов таблицы CSV, и значения, "
                                                                   "которых нет в старом файле .vtr")};
    return {
        {QStringLiteral("decode"), QCoreApplication::translate("CmdFiles", "образ .bin в файл .vtr, .json или .csv (или .bin)"),
         QStringLiteral("decode IMAGE.bin -o FILE [--format bin|vtr|json|csv]"),
         {OutputOption(),
          {QStringLiteral("--format"), QStringLiteral("F"),
           QCoreApplication::translate("CmdFiles", "формат результата без расширения или на stdout: bin, vtr, json (по умолчанию), csv")}},
         Decode},
        {QStringLiteral("encode"), QCoreApplication::translate("CmdFiles", "файл .vtr, .json, .csv или .bin в образ .bin"),
         QStringLiteral("encode FILE -o IMAGE.bin [--base STATION.bin] [--format bin|vtr|json|csv]"),
         {OutputOption(), base,
          {QStringLiteral("--format"), QStringLiteral("F"),
           QCoreApplication::translate("CmdFiles", "формат входного файла без расширения или со stdin: bin, vtr, json, csv")}},
         Encode},
        {QStringLiteral("diff"), QCoreApplication::translate("CmdFiles", "различия двух конфигураций; 0, если равны, 1, если различаются"),
         QStringLiteral("diff A B [--json]"), {}, Diff},
        {QStringLiteral("show"), QCoreApplication::translate("CmdFiles", "конфигурация таблицей"),
         QStringLiteral("show FILE [--format text|csv|json | --json]"),
         {{QStringLiteral("--format"), QStringLiteral("F"), QCoreApplication::translate("CmdFiles", "text (по умолчанию), csv (каналы) или json")}},
         Show},
    };
}
