#include "cli/StationJobs.h"
#include "cli/ConfigFormats.h"
#include "cli/ExitCodes.h"
#include "cli/FileArguments.h"
#include "cli/ImageCompare.h"
#include "cli/Progress.h"
#include "cli/StationSession.h"
#include "cli/StopSignals.h"
#include "link/ImageCodec.h"
#include <QCoreApplication>
#include <QElapsedTimer>

namespace {

// One station's job: its own line and protocol, its progress on the board,
// its time, and how it ended.
class JobRun {
public:
    JobRun(const TLineSetup& line, TProgressBoard& board)
        : session(line), progress(board, line.port), board(board)
    {
        result.port = line.port;
        timer.start();
        // The backup's path is printed the moment it is on the disk: the
        // one thing a technician needs if the program is killed next.
        session.SafeWrite().OnBackupSaved([this](const QString& path) {
            result.backup = path;
            this->board.Note(result.port, QCoreApplication::translate("StationJobs", "резервная копия: %1").arg(path));
        });
    }

    // Starts step index of steps.
    void Step(int index, int steps, const QString& what) { board.Step(result.port, index, steps, what); }

    // Reads the station's image; false when it did not arrive.
    bool ReadStation(QByteArray& image) { return session.Link().ReadStationImage(&progress, image); }

    // The exchange failed: a stop signal, or the station's error with its
    // reason (and the backup, where the journal names one).
    TStationResult StationFailed()
    {
        if (session.Stopped())
            return Interrupted();
        const QString errors = session.Errors();
        return Fail(ExitStation, errors.isEmpty() ? QCoreApplication::translate("StationJobs", "Ошибка обмена со станцией.") : errors);
    }

    TStationResult Interrupted()
    {
        QString text = session.StopText();
        if (text.isEmpty())
            text = TStationLink::TextStopped();
        if (!result.backup.isEmpty() && !text.contains(result.backup))
            text += QCoreApplication::translate("StationJobs", " Резервная копия: %1").arg(result.backup);
        return Fail(ExitSignalBase + StopSignals::Caught(), text);
    }

    TStationResult Fail(int code, const QString& why)
    {
        result.code = code;
        result.result = why;
        return End();
    }
    TStationResult Succeed(const QString& what)
    {
        result.code = ExitOk;
        result.result = what;
        return End();
    }

    TStationResult result;
    TStationSession session;
    TBoardProgress progress;

private:
    TStationResult End()
    {
        result.seconds = static_cast<double>(timer.elapsed()) / 1000.0;
        board.Done(result.port, result.result, result.Ok());
        return result;
    }

    TProgressBoard& board;
    QElapsedTimer timer;
};

QString Matches() { return QCoreApplication::translate("StationJobs", "совпадает"); }

// The comparison in words: Matches(), or how many bytes differ from where.
QString Comparison(const QByteArray& expected, const QByteArray& station)
{
    int first = -1;
    const int differences = CountDifferences(expected, station, &first);
    if (differences == 0)
        return Matches();
    return QCoreApplication::translate("StationJobs", "%1 байт отличаются (первый по адресу 0x%2)").arg(differences).arg(first, 3, 16, QLatin1Char('0'));
}

// Reads the station back and compares it with what it should hold.
bool VerifyAgainst(const QByteArray& expected, JobRun& run)
{
    QByteArray image;
    if (!run.ReadStation(image))
        return false;
    run.result.verify = Comparison(expected, image);
    return true;
}

// The blind write: all 1024 bytes of a complete image, each confirmed,
// without reading the station first (no backup), then (unless told
// otherwise) a read-back that must match.
TStationResult WriteBlind(const TConfig& config, const TWriteOptions& options, JobRun& run)
{
    const int steps = 1 + (options.verify ? 1 : 0);
    const QByteArray image = ConfigImage(config);
    run.Step(0, steps, QCoreApplication::translate("StationJobs", "запись всех байт без чтения станции"));
    int confirmed = 0;
    const bool written = run.session.Link().WriteImage(&run.progress, image, &confirmed);
    run.result.bytesWritten = confirmed;
    if (!written)
        return run.StationFailed();
    if (options.verify) {
        run.Step(1, steps, QCoreApplication::translate("StationJobs", "проверка"));
        if (!VerifyAgainst(image, run))
            return run.StationFailed();
        if (run.result.verify != Matches())
            return run.Fail(ExitDiffers, QCoreApplication::translate("StationJobs", "записано, проверка не прошла: %1").arg(run.result.verify));
    }
    return run.Succeed(QCoreApplication::translate("StationJobs", "записано"));
}

// The safe write of the window program: backup, the changed bytes (or with
// --full every byte), verify. What the file does not say (the bytes no
// setting uses, and a .vtr's missing PWM power and shutdown flags) stays as
// the station has it; a .bin goes in as it stands.
TStationResult WriteSafely(const TConfig& config, const TStationCatalogue* catalogue, const TWriteOptions& options,
                           JobRun& run)
{
    run.Step(0, 1, options.full ? QCoreApplication::translate("StationJobs", "резервная копия, запись всех байт, проверка")
                                : QCoreApplication::translate("StationJobs", "резервная копия, запись изменённых байт, проверка"));
    // A channel table is checked against the station's band the moment its
    // image is in: a row that does not fit refuses the write before the
    // backup, and nothing is written.
    QStringList refused;
    run.session.SafeWrite().SetCheck([&](const QByteArray& station) {
        QByteArray unused;
        ConfigOverImage(config, station, catalogue, unused, &refused);
        return refused;
    });
    const TSafeWrite::BuildImage build = [&](const QByteArray& station) {
        QByteArray intended;
        ConfigOverImage(config, station, catalogue, intended, nullptr);
        return intended;
    };
    run.session.SafeWrite().SetWriteEveryByte(options.full);
    const TSafeWriteResult r = run.session.SafeWrite().Run(build, &run.progress);
    run.result.bytesWritten = r.bytesWritten;
    run.result.backup = r.backupPath;
    switch (r.verify) {
    case TSafeWriteResult::Verify::NotRun: break;
    case TSafeWriteResult::Verify::Passed: run.result.verify = Matches(); break;
    case TSafeWriteResult::Verify::PassedAfterFullWrite: run.result.verify = QCoreApplication::translate("StationJobs", "совпадает (после полной записи)"); break;
    case TSafeWriteResult::Verify::Failed:
        run.result.verify = r.differences > 0 ? QCoreApplication::translate("StationJobs", "%1 байт отличаются").arg(r.differences)
                                              : QCoreApplication::translate("StationJobs", "не прочитано");
        break;
    }
    switch (r.outcome) {
    case TSafeWriteResult::Outcome::Written:
        return run.Succeed(QCoreApplication::translate("StationJobs", "записано"));
    case TSafeWriteResult::Outcome::AlreadyHeld:
        run.result.verify = Matches();
        return run.Succeed(QCoreApplication::translate("StationJobs", "без изменений"));
    case TSafeWriteResult::Outcome::VerifyFailed:
    case TSafeWriteResult::Outcome::BaseMismatch:
        return run.Fail(ExitDiffers, QCoreApplication::translate("StationJobs", "записано, проверка не прошла: %1").arg(run.session.Errors()));
    case TSafeWriteResult::Outcome::BadImage:
        return run.Fail(ExitUsage, QCoreApplication::translate("StationJobs", "образ не 1024 байта"));
    case TSafeWriteResult::Outcome::Refused:
        return run.Fail(ExitUsage, QCoreApplication::translate("StationJobs", "таблица не подходит к станции, ничего не записано: %1")
                                       .arg(refused.join(QStringLiteral("; "))));
    default:
        return run.StationFailed();
    }
}

} // namespace

TStationResult ReadJob(const TLineSetup& line, const QString& outPath, TConfigFormat format, TProgressBoard& board)
{
    JobRun run(line, board);
    run.Step(0, 1, QCoreApplication::translate("StationJobs", "чтение"));
    QByteArray image;
    if (!run.ReadStation(image))
        return run.StationFailed();
    QString reason;
    if (!WriteOutput(outPath, format, image, &reason))
        return run.Fail(ExitUsage, QStringLiteral("%1: %2").arg(outPath, reason));
    if (IsStandardOutput(outPath))
        return run.Succeed(QCoreApplication::translate("StationJobs", "считано на стандартный вывод"));
    run.result.file = outPath;
    return run.Succeed(QCoreApplication::translate("StationJobs", "считано в %1").arg(outPath));
}

TStationResult WriteJob(const TLineSetup& line, const TConfig& config, const TStationCatalogue* catalogue,
                        const TWriteOptions& options, TProgressBoard& board)
{
    JobRun run(line, board);
    return options.blind ? WriteBlind(config, options, run) : WriteSafely(config, catalogue, options, run);
}

TStationResult VerifyJob(const TLineSetup& line, const TConfig& config, const TStationCatalogue* catalogue,
                         TProgressBoard& board)
{
    JobRun run(line, board);
    run.Step(0, 1, QCoreApplication::translate("StationJobs", "чтение для проверки"));
    QByteArray stationImage;
    if (!run.ReadStation(stationImage))
        return run.StationFailed();
    QByteArray expected;
    QStringList problems;
    if (!ConfigOverImage(config, stationImage, catalogue, expected, &problems))
        return run.Fail(ExitUsage, QCoreApplication::translate("StationJobs", "таблица не подходит к станции: %1").arg(problems.join(QStringLiteral("; "))));
    run.result.verify = Comparison(expected, stationImage);
    if (run.result.verify == Matches())
        return run.Succeed(QCoreApplication::translate("StationJobs", "станция содержит файл"));
    return run.Fail(ExitDiffers, QCoreApplication::translate("StationJobs", "станция содержит другое: %1").arg(run.result.verify));
}
