// The commands that talk to stations: read, write, verify. Each takes one
// port or a fleet of them; a fleet runs one thread per port.
#include "cli/CliContext.h"
#include "cli/Commands.h"
#include "cli/ConfigFormats.h"
#include "cli/ExitCodes.h"
#include "cli/Fleet.h"
#include "cli/Output.h"
#include "cli/Progress.h"
#include "cli/StopSignals.h"
#include "editors/StationCatalogue.h"
#include <QDir>
#include <QFileInfo>

namespace {

const TOptionRule PortOption{QStringLiteral("--port"), QStringLiteral("P"),
                             QStringLiteral("порт: COMn или путь к устройству; можно несколько раз"), true};
const TOptionRule PortsOption{QStringLiteral("--ports"), QStringLiteral("COMa-COMb"),
                              QStringLiteral("диапазон портов, например COM1-COM8"), true};
const TOptionRule BaudSpec{QStringLiteral("--baud"), QStringLiteral("B"),
                           QStringLiteral("скорость: 4800 (по умолчанию), 9600 или 19200")};
const TOptionRule JsonSpec{QStringLiteral("--json"), QString(), QStringLiteral("итог в JSON на stdout")};

// The ports and the line rate of a station command.
struct Target {
    QStringList ports;
    int baud = 4800;
};

bool ReadTarget(TCliContext& cx, Target& target, int& exitCode)
{
    QString reason;
    if (!BaudOption(cx.args, target.baud, &reason)
        || !CollectPorts(cx.args.Values(QStringLiteral("--port")), cx.args.Values(QStringLiteral("--ports")),
                         target.ports, &reason)) {
        exitCode = cx.InputError(reason);
        return false;
    }
    if (target.ports.isEmpty()) {
        exitCode = cx.InputError(QStringLiteral("не указан порт (--port P или --ports COMa-COMb)"));
        return false;
    }
    return true;
}

// The configuration file of write and verify, read and checked whole
// before any port is opened.
bool ReadInput(TCliContext& cx, TConfig& config, int& exitCode)
{
    if (cx.args.positional.size() != 1) {
        exitCode = cx.InputError(QStringLiteral("нужен ровно один файл конфигурации"));
        return false;
    }
    const QString path = cx.args.positional.first();
    const TStationCatalogue* catalogue = FormatOfPath(path) == TConfigFormat::Vtr ? cx.Catalogue(true) : nullptr;
    QString reason;
    if (!ReadConfigFile(path, catalogue, config, &reason)) {
        exitCode = cx.InputError(QStringLiteral("%1: %2").arg(path, reason));
        return false;
    }
    return true;
}

// The ports and the configuration file of write and verify.
bool ReadTargetAndInput(TCliContext& cx, Target& target, TConfig& config, int& exitCode)
{
    return ReadTarget(cx, target, exitCode) && ReadInput(cx, config, exitCode);
}

// A .bin or .json about to be written: checked as a programmer file's
// load checks it (the catalogue's bands, lists and tones; for an image also
// the bits no setting uses). Refused, with every reason, unless --force.
bool CheckBeforeWrite(TCliContext& cx, const QString& path, const TConfig& config, int& exitCode)
{
    if (config.vtr)
        return true;   // checked whole by its reader
    const bool force = cx.args.Has(QStringLiteral("--force"));
    const TStationCatalogue* catalogue = cx.Catalogue(!force);
    QStringList problems;
    if (!catalogue)
        problems << QStringLiteral("нет каталога, проверить не по чему");
    else
        problems = config.image.isEmpty() ? CatalogueProblems(config.record, *catalogue)
                                          : ImageProblems(config.image, *catalogue);
    if (problems.isEmpty())
        return true;
    const QString list = QStringLiteral("  ") + ProblemListText(problems, 20).replace(QLatin1Char('\n'), QStringLiteral("\n  "));
    if (force) {
        PrintErr(QStringLiteral("tarnik-cli: предупреждение: %1 не прошёл проверку, записывается (--force):\n%2")
                     .arg(path, list));
        return true;
    }
    exitCode = cx.InputError(QStringLiteral("%1: не прошёл проверку, на станцию ничего не отправлено:\n%2\n"
                                            "Записать всё равно: --force")
                                 .arg(path, list));
    return false;
}

// Runs the job on every port, prints the summary (for a fleet, or with
// --json) and gives the exit code. A stop signal stops every station after
// the byte in progress; each says what became of it, and the exit code is
// 128 + the signal.
int RunAndReport(TCliContext& cx, const Target& target,
                 const std::function<TStationResult(const QString&, TProgressBoard&)>& job)
{
    StopSignals::Install();
    QList<TStationResult> results;
    {
        TProgressBoard board(target.ports, ErrIsTerminal());
        results = RunFleet(target.ports, [&](const QString& port) { return job(port, board); });
    }
    const bool fleet = target.ports.size() > 1;
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
    Target target;
    if (!ReadTarget(cx, target, code))
        return code;
    if (!cx.args.positional.isEmpty())
        return cx.InputError(QStringLiteral("read: лишнее слово %1").arg(cx.args.positional.first()));
    const QString pattern = cx.args.Value(QStringLiteral("-o"));
    if (pattern.isEmpty())
        return cx.InputError(QStringLiteral("read: не указан файл (-o FILE)"));
    const QString format = cx.args.Value(QStringLiteral("--format"), QStringLiteral("bin"));
    if (FormatOfPath(QStringLiteral("x.") + format) == TConfigFormat::Unknown)
        return cx.InputError(QStringLiteral("--format %1: нужен bin, vtr или json").arg(format));
    QStringList outputs;
    for (const QString& port : target.ports) {
        const QString out = OutputFor(pattern, port, format);
        if (FormatOfPath(out) == TConfigFormat::Unknown)
            return cx.InputError(QStringLiteral("%1: неизвестный формат: нужен файл .bin, .vtr или .json").arg(out));
        if (outputs.contains(out))
            return cx.InputError(QStringLiteral("-o %1: у нескольких портов один файл; укажите папку или {port}").arg(pattern));
        outputs << out;
    }
    if (NamesFolder(pattern))
        QDir().mkpath(pattern);
    return RunAndReport(cx, target, [&](const QString& port, TProgressBoard& board) {
        return ReadJob(port, target.baud, OutputFor(pattern, port, format), board);
    });
}

int Write(TCliContext& cx)
{
    int code = ExitOk;
    Target target;
    TConfig config;
    if (!ReadTargetAndInput(cx, target, config, code))
        return code;
    TWriteOptions options;
    options.full = cx.args.Has(QStringLiteral("--full"));
    options.blind = cx.args.Has(QStringLiteral("--blind"));
    options.verify = !cx.args.Has(QStringLiteral("--no-verify"));
    if (!options.verify && !options.blind)
        return cx.InputError(QStringLiteral("--no-verify допускается только вместе с --blind"));
    if (options.blind && options.full)
        return cx.InputError(QStringLiteral("--blind и --full вместе не указываются: --blind уже пишет все байты"));
    const QString path = cx.args.positional.first();
    if (options.blind && config.image.isEmpty())
        return cx.InputError(QStringLiteral("%1: --blind пишет только полный образ .bin").arg(path));
    if (!CheckBeforeWrite(cx, path, config, code))
        return code;
    return RunAndReport(cx, target, [&](const QString& port, TProgressBoard& board) {
        return WriteJob(port, target.baud, config, options, board);
    });
}

int Verify(TCliContext& cx)
{
    int code = ExitOk;
    Target target;
    TConfig config;
    if (!ReadTargetAndInput(cx, target, config, code))
        return code;
    return RunAndReport(cx, target, [&](const QString& port, TProgressBoard& board) {
        return VerifyJob(port, target.baud, config, board);
    });
}

} // namespace

QList<TCommand> StationCommands()
{
    const QList<TOptionRule> ports{PortOption, PortsOption, BaudSpec, JsonSpec};
    return {
        {QStringLiteral("read"), QStringLiteral("читает станцию в файл .bin, .vtr или .json"),
         QStringLiteral("read --port P [--baud B] -o FILE | -o DIR/ | -o NAME{port}.EXT [--format bin|vtr|json]"),
         ports + QList<TOptionRule>{{QStringLiteral("-o"), QStringLiteral("FILE"),
                                     QStringLiteral("файл; для нескольких портов папка DIR/ или имя с {port}")},
                                    {QStringLiteral("--format"), QStringLiteral("F"),
                                     QStringLiteral("формат файлов в папке: bin (по умолчанию), vtr, json")}},
         Read},
        {QStringLiteral("write"),
         QStringLiteral("записывает конфигурацию из файла в станцию: резервная копия, изменённые байты, проверка"),
         QStringLiteral("write --port P [--baud B] [--full | --blind [--no-verify]] [--force] FILE"),
         ports + QList<TOptionRule>{{QStringLiteral("--full"), QString(),
                                     QStringLiteral("запись всех 1024 байт поверх образа станции "
                                                    "(резервная копия и проверка остаются)")},
                                    {QStringLiteral("--blind"), QString(),
                                     QStringLiteral("запись всех 1024 байт образа .bin без чтения станции "
                                                    "(без резервной копии)")},
                                    {QStringLiteral("--no-verify"), QString(),
                                     QStringLiteral("без проверки чтением (только с --blind)")},
                                    {QStringLiteral("--force"), QString(),
                                     QStringLiteral("записать .bin или .json, не прошедший проверку по каталогу")}},
         Write},
        {QStringLiteral("verify"), QStringLiteral("сравнивает станцию с файлом; 0, если совпадает"),
         QStringLiteral("verify --port P [--baud B] FILE"), ports, Verify},
    };
}
