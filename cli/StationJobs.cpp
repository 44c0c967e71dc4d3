#include "cli/StationJobs.h"
#include "cli/ConfigFormats.h"
#include "cli/ExitCodes.h"
#include "cli/ImageCompare.h"
#include "cli/Progress.h"
#include "cli/StationSession.h"
#include "link/ImageCodec.h"
#include <QElapsedTimer>

namespace {

QString StationError(TStationSession& session)
{
    return session.LastError().isEmpty() ? QStringLiteral("Ошибка обмена со станцией.") : session.LastError();
}

// One station's job: its own line and protocol, its progress on the board,
// its time, and how it ended.
class JobRun {
public:
    JobRun(const QString& port, int baud, TProgressBoard& board)
        : session(port, baud), progress(board, port), board(board)
    {
        result.port = port;
        timer.start();
    }

    // Starts step index of steps.
    void Step(int index, int steps, const QString& what) { board.Step(result.port, index, steps, what); }

    // Reads the station's image; false when it did not arrive.
    bool ReadStation(QByteArray& image) { return session.Link().ReadStationImage(&progress, image); }

    TStationResult StationFailed() { return Fail(ExitStation, StationError(session)); }

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
        board.Done(result.port, result.result);
        return result;
    }

    TProgressBoard& board;
    QElapsedTimer timer;
};

const QString Matches = QStringLiteral("совпадает");

// The comparison in words: Matches, or how many bytes differ from where.
QString Comparison(const QByteArray& expected, const QByteArray& station)
{
    int first = -1;
    const int differences = CountDifferences(expected, station, &first);
    if (differences == 0)
        return Matches;
    return QStringLiteral("%1 байт отличаются (первый по адресу 0x%2)").arg(differences).arg(first, 3, 16, QLatin1Char('0'));
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

// The write of all 1024 bytes, each confirmed, as the window program
// writes, then (unless told otherwise) a read-back that must match.
TStationResult WriteFull(const TConfig& config, const TWriteOptions& options, JobRun& run)
{
    const bool needsBase = config.lacksExtras;
    const int steps = (needsBase ? 1 : 0) + 1 + (options.verify ? 1 : 0);
    int step = 0;
    QByteArray image = ConfigImage(config);
    if (needsBase) {
        // A programmer file of an earlier version has no PWM power and no
        // shutdown flags: the station keeps its own.
        run.Step(step++, steps, QStringLiteral("чтение значений, которых нет в файле"));
        QByteArray stationImage;
        TTarnikPlus base;
        if (!run.ReadStation(stationImage) || !DecodeImage(stationImage, base))
            return run.StationFailed();
        image.clear();
        EncodeImage(RecordOverBase(config, base), image);
    }
    run.Step(step++, steps, QStringLiteral("запись всех байт"));
    int confirmed = 0;
    const bool written = run.session.Link().WriteImage(&run.progress, image, &confirmed);
    run.result.bytesWritten = confirmed;
    if (!written)
        return run.StationFailed();
    if (options.verify) {
        run.Step(step++, steps, QStringLiteral("проверка"));
        if (!VerifyAgainst(image, run))
            return run.StationFailed();
        if (run.result.verify != Matches)
            return run.Fail(ExitDiffers, QStringLiteral("записано, проверка не прошла"));
    }
    return run.Succeed(QStringLiteral("записано"));
}

// The safe write of the window program: backup, the changed bytes only,
// verify. What the file does not say (the bytes no setting uses, and a
// .vtr's missing PWM power and shutdown flags) stays as the station has it.
TStationResult WriteSafely(const TConfig& config, JobRun& run)
{
    run.Step(0, 1, QStringLiteral("резервная копия, запись изменённых байт, проверка"));
    const TSafeWrite::BuildImage build = !config.image.isEmpty()
        ? TSafeWrite::FixedImage(config.image)
        : TSafeWrite::BuildImage([config](const QByteArray& station) {
              TTarnikPlus base;
              DecodeImage(station, base);
              return EncodeOverImage(RecordOverBase(config, base), station);
          });
    const TSafeWriteResult r = run.session.SafeWrite().Run(build, &run.progress);
    run.result.bytesWritten = r.bytesWritten;
    run.result.backup = r.backupPath;
    switch (r.verify) {
    case TSafeWriteResult::Verify::NotRun: break;
    case TSafeWriteResult::Verify::Passed: run.result.verify = Matches; break;
    case TSafeWriteResult::Verify::PassedAfterFullWrite: run.result.verify = Matches + QStringLiteral(" (после полной записи)"); break;
    case TSafeWriteResult::Verify::Failed: run.result.verify = QStringLiteral("%1 байт отличаются").arg(r.differences); break;
    }
    switch (r.outcome) {
    case TSafeWriteResult::Outcome::Written:
        return run.Succeed(QStringLiteral("записано"));
    case TSafeWriteResult::Outcome::AlreadyHeld:
        run.result.verify = Matches;
        return run.Succeed(QStringLiteral("без изменений"));
    case TSafeWriteResult::Outcome::VerifyFailed:
        return run.Fail(ExitDiffers, QStringLiteral("записано, проверка не прошла"));
    case TSafeWriteResult::Outcome::BadImage:
        return run.Fail(ExitUsage, QStringLiteral("образ не 1024 байта"));
    default:
        return run.StationFailed();
    }
}

} // namespace

TStationResult ReadJob(const QString& port, int baud, const QString& outPath, TProgressBoard& board)
{
    JobRun run(port, baud, board);
    run.Step(0, 1, QStringLiteral("чтение"));
    QByteArray image;
    if (!run.ReadStation(image))
        return run.StationFailed();
    QString reason;
    if (!WriteImageFile(outPath, image, &reason))
        return run.Fail(ExitUsage, QStringLiteral("%1: %2").arg(outPath, reason));
    run.result.file = outPath;
    return run.Succeed(QStringLiteral("считано в ") + outPath);
}

TStationResult WriteJob(const QString& port, int baud, const TConfig& config, const TWriteOptions& options,
                        TProgressBoard& board)
{
    JobRun run(port, baud, board);
    return options.full ? WriteFull(config, options, run) : WriteSafely(config, run);
}

TStationResult VerifyJob(const QString& port, int baud, const TConfig& config, TProgressBoard& board)
{
    JobRun run(port, baud, board);
    run.Step(0, 1, QStringLiteral("чтение для проверки"));
    QByteArray stationImage;
    if (!run.ReadStation(stationImage))
        return run.StationFailed();
    QByteArray expected = config.image;
    if (expected.isEmpty()) {
        // A .vtr or .json names fields, not the unassigned bytes: those are
        // compared as the station has them.
        TTarnikPlus base;
        DecodeImage(stationImage, base);
        expected = EncodeOverImage(RecordOverBase(config, base), stationImage);
    }
    run.result.verify = Comparison(expected, stationImage);
    if (run.result.verify == Matches)
        return run.Succeed(QStringLiteral("станция содержит файл"));
    return run.Fail(ExitDiffers, QStringLiteral("станция содержит другое: ") + run.result.verify);
}
