// The commands that talk to stations: read, write, verify. Each takes one
// port or a fleet of them; a fleet runs one thread per port.
#include "cli/CliContext.h"
#include "cli/Commands.h"
#include "cli/ConfigFormats.h"
#include "cli/ExitCodes.h"
#include "cli/FileArguments.h"
#include "cli/Fleet.h"
#include "cli/Output.h"
#include "cli/Progress.h"
#include "cli/StationSession.h"
#include "cli/StationTargets.h"
#include "cli/StopSignals.h"
#include "editors/StationCatalogue.h"
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

// The configuration file of write and verify (standard input for "-"),
// read and checked whole before any port is opened. A channel table needs
// the catalogue: its rows are checked against the station's band.
bool ReadInput(TCliContext& cx, TConfig& config, const TStationCatalogue*& catalogue, int& exitCode)
{
    if (cx.args.positional.size() != 1) {
        exitCode = cx.InputError(QCoreApplication::translate("CmdStation", "нужен ровно один файл конфигурации"));
        return false;
    }
    TConfigFormat named = TConfigFormat::Unknown;
    if (!NamedFormat(cx, named, exitCode) || !LoadInput(cx, cx.args.positional.first(), named, config, exitCode))
        return false;
    catalogue = cx.Catalogue(config.IsChannelTable());
    if (config.IsChannelTable() && !catalogue) {
        exitCode = cx.InputError(QCoreApplication::translate("CmdStation", "%1: таблицу каналов проверить не по чему: нет каталога")
                                     .arg(cx.args.positional.first()));
        return false;
    }
    return true;
}

// A .bin or .json about to be written: checked as a programmer file's
// load checks it (the catalogue's bands, lists and tones; for an image also
// the bits no setting uses). Refused, with every reason, unless --force.
// A .vtr is checked whole by its reader, a channel table against the
// station's band once its image is read.
bool CheckBeforeWrite(TCliContext& cx, const QString& path, const TConfig& config, int& exitCode)
{
    if (config.vtr || config.IsChannelTable())
        return true;
    const bool force = cx.args.Has(QStringLiteral("--force"));
    const TStationCatalogue* catalogue = cx.Catalogue(!force);
    QStringList problems;
    if (!catalogue)
        problems << QCoreApplication::translate("CmdStation", "нет каталога, проверить не по чему");
    else
        problems = config.image.isEmpty() ? CatalogueProblems(config.record, *catalogue)
                                          : ImageProblems(config.image, *catalogue);
    if (problems.isEmpty())
        return true;
    const QString list = QStringLiteral("  ") + ProblemListText(problems, 20).replace(QLatin1Char('\n'), QStringLiteral("\n  "));
    if (force) {
        PrintErr(QCoreApplication::translate("CmdStation", "tarnik-cli: предупреждение: %1 не прошёл проверку, записывается (--force):\n%2")
                     .arg(path, list));
        return true;
    }
    exitCode = cx.InputError(QCoreApplication::translate("CmdStation", "%1: не прошёл проверку, на станцию ничего не отправлено:\n%2\n"
                                                                       "Записать всё равно: --force")
                                 .arg(path, list));
    return false;
}

// Runs the job on every port, prints the summary (for a fleet, or with
// --json) and gives the exit code. A stop signal stops every station after
// the byte in progress; each says what became of it, and the exit code is
// 128 + the signal.
int RunAndReport(TCliContext& cx, const TStationTargets& targets,
                 const std::function<TStationResult(const TLineSetup&, TProgressBoard&)>& job)
{
    StopSignals::Install();
    QList<TStationResult> results;
    {
        TProgressBoard board(targets.Ports(), ErrIsTerminal(), cx.quiet);
        results = RunFleet(targets.Ports(), [&](const QString& port) { return job(targets.Setup(port), board); });
    }
    const bool fleet = targets.Ports().size() > 1;
    if (cx.json)
        PrintOut(QString::fromUtf8(SummaryJson(results)));
    else if (fleet)
        PrintOut(SummaryTable(results));
    if (const int signal = StopSignals::Caught())
        return ExitSignalBase + signal;
    if (fleet) {
        for (const TStationResult& r : results) {
            if (!r.Ok())
                return ExitFleetFailed;
        }
        return ExitOk;
    }
    return results.first().code;
}

// The file a station is read into: "{port}" in the name becomes the port's
// name; a folder (an existing one, or a name ending in "/") gets
// <port>.<format>. On Windows a name may end in "\" too, and as COM1 to COM9
// are device names there whatever the extension, their files are named
// station-COMn.<format>.
bool NamesFolder(const QString& pattern)
{
#ifdef Q_OS_WIN
    if (pattern.endsWith(QLatin1Char('\\')))
        return true;
#endif
    return pattern.endsWith(QLatin1Char('/'));
}

QString OutputFor(const QString& pattern, const QString& port, const QString& format)
{
    QString name = port;
    if (name.startsWith(QLatin1Char('/')))
        name = name.mid(1).replace(QLatin1Char('/'), QLatin1Char('-'));
    if (pattern.contains(QLatin1String("{port}")))
        return QString(pattern).replace(QLatin1String("{port}"), name);
    if (NamesFolder(pattern) || QFileInfo(pattern).isDir()) {
#ifdef Q_OS_WIN
        if (name.size() == 4 && name.startsWith(QLatin1String("COM"), Qt::CaseInsensitive) && name[3].isDigit())
            name = QStringLiteral("station-") + name;
#endif
        return QDir(pattern).filePath(name + QLatin1Char('.') + format);
    }
    return pattern;
}

int Read(TCliContext& cx)
{
    int code = ExitOk;
    TStationTargets targets;
    TConfigFormat named = TConfigFormat::Unknown;
    if (!NamedFormat(cx, named, code) || !targets.Collect(cx, code))
        return code;
    if (!cx.args.positional.isEmpty())
        return cx.InputError(QCoreApplication::translate("CmdStation", "read: лишнее слово %1").arg(cx.args.positional.first()));
    const QString pattern = cx.args.Value(QStringLiteral("--output"));
    if (pattern.isEmpty())
        return cx.InputError(QCoreApplication::translate("CmdStation", "read: не указан файл (-o FILE, или -o - для стандартного вывода)"));
    const bool toStdout = IsStandardOutput(pattern);
    if (toStdout && targets.Ports().size() > 1)
        return cx.InputError(QCoreApplication::translate("CmdStation", "-o -: на стандартный вывод читается одна станция; для нескольких "
                                                                       "укажите папку DIR/ или имя с {port}"));
    if (toStdout && cx.json)
        return cx.InputError(QCoreApplication::translate("CmdStation", "--json и -o - вместе не указываются: стандартный вывод занят файлом"));
    const QString folderFormat = named == TConfigFormat::Unknown ? QStringLiteral("bin") : FormatName(named);
    QStringList outputs;
    for (const QString& port : targets.Ports()) {
        const QString out = toStdout ? pattern : OutputFor(pattern, port, folderFormat);
        if (OutputFormat(out, named, TConfigFormat::Json) == TConfigFormat::Unknown)
            return cx.InputError(QCoreApplication::translate("CmdStation", "%1: формат не ясен из имени: нужно расширение .bin, .vtr, .json "
                                                                           "или .csv, или --format")
                                     .arg(out));
        if (outputs.contains(out))
            return cx.InputError(QCoreApplication::translate("CmdStation", "-o %1: у нескольких портов один файл; укажите папку или {port}").arg(pattern));
        outputs << out;
    }
    if (NamesFolder(pattern))
        QDir().mkpath(pattern);
    return RunAndReport(cx, targets, [&](const TLineSetup& line, TProgressBoard& board) {
        const QString out = toStdout ? pattern : OutputFor(pattern, line.port, folderFormat);
        return ReadJob(line, out, OutputFormat(out, named, TConfigFormat::Json), board);
    });
}

int Write(TCliContext& cx)
{
    int code = ExitOk;
    TStationTargets targets;
    TConfig config;
    const TStationCatalogue* catalogue = nullptr;
    if (!targets.Collect(cx, code) || !ReadInput(cx, config, catalogue, code))
        return code;
    TWriteOptions options;
    options.full = cx.args.Has(QStringLiteral("--full"));
    options.blind = cx.args.Has(QStringLiteral("--blind"));
    options.verify = !cx.args.Has(QStringLiteral("--no-verify"));
    if (!options.verify && !options.blind)
        return cx.InputError(QCoreApplication::translate("CmdStation", "--no-verify допускается только вместе с --blind"));
    if (options.blind && options.full)
        return cx.InputError(QCoreApplication::translate("CmdStation", "--blind и --full вместе не указываются: --blind уже пишет все байты"));
    const QString path = cx.args.positional.first();
    if (options.blind && config.image.isEmpty())
        return cx.InputError(QCoreApplication::translate("CmdStation", "%1: --blind пишет только полный образ .bin").arg(path));
    if (!CheckBeforeWrite(cx, path, config, code))
        return code;
    return RunAndReport(cx, targets, [&](const TLineSetup& line, TProgressBoard& board) {
        return WriteJob(line, config, catalogue, options, board);
    });
}

int Verify(TCliContext& cx)
{
    int code = ExitOk;
    TStationTargets targets;
    TConfig config;
    const TStationCatalogue* catalogue = nullptr;
    if (!targets.Collect(cx, code) || !ReadInput(cx, config, catalogue, code))
        return code;
    return RunAndReport(cx, targets, [&](const TLineSetup& line, TProgressBoard& board) {
        return VerifyJob(line, config, catalogue, board);
    });
}

} // namespace

QList<TCommand> StationCommands()
{
    const QList<TOptionRule> ports = StationLineOptions();
    const TOptionRule inputFormat{QStringLiteral("--format"), QStringLiteral("F"),
                                  QCoreApplication::translate("CmdStation", "формат файла без расширения или со stdin: bin, vtr, json, csv")};
    return {
        {QStringLiteral("read"), QCoreApplication::translate("CmdStation", "читает станцию в файл .bin, .vtr, .json или .csv"),
         QStringLiteral("read --port P [--baud B] -o FILE | -o DIR/ | -o NAME{port}.EXT | -o - [--format F]"),
         ports + QList<TOptionRule>{{QStringLiteral("--output"), QStringLiteral("FILE"),
                                     QCoreApplication::translate("CmdStation", "файл; для нескольких портов папка DIR/ или имя с {port}; "
                                                                               "- - стандартный вывод"),
                                     false, QStringLiteral("-o")},
                                    {QStringLiteral("--format"), QStringLiteral("F"),
                                     QCoreApplication::translate("CmdStation", "формат файлов в папке (bin по умолчанию), без расширения или "
                                                                               "на stdout (json по умолчанию): bin, vtr, json, csv")}},
         Read},
        {QStringLiteral("write"),
         QCoreApplication::translate("CmdStation", "записывает конфигурацию из файла в станцию: резервная копия, изменённые байты, проверка"),
         QStringLiteral("write --port P [--baud B] [--full | --blind [--no-verify]] [--force] FILE"),
         ports + QList<TOptionRule>{{QStringLiteral("--full"), QString(),
                                     QCoreApplication::translate("CmdStation", "запись всех 1024 байт поверх образа станции "
                                                                               "(резервная копия и проверка остаются)")},
                                    {QStringLiteral("--blind"), QString(),
                                     QCoreApplication::translate("CmdStation", "запись всех 1024 байт образа .bin без чтения станции "
                                                                               "(без резервной копии)")},
                                    {QStringLiteral("--no-verify"), QString(),
                                     QCoreApplication::translate("CmdStation", "без проверки чтением (только с --blind)")},
                                    {QStringLiteral("--force"), QString(),
                                     QCoreApplication::translate("CmdStation", "записать .bin или .json, не прошедший проверку по каталогу")},
                                    inputFormat},
         Write},
        {QStringLiteral("verify"), QCoreApplication::translate("CmdStation", "сравнивает станцию с файлом; 0, если совпадает"),
         QStringLiteral("verify --port P [--baud B] FILE"), ports + QList<TOptionRule>{inputFormat}, Verify},
    };
}
