#include "link/SafeWrite.h"
#include "link/Backups.h"
#include "link/ExchangeGuards.h"
#include "link/ImageCodec.h"
#include "link/SerialLine.h"
#include "link/SpanProgress.h"
#include "link/StationRecord.h"
#include <QCoreApplication>
#include <QDateTime>
#include <algorithm>

namespace {

constexpr int IconStopped = 0;
constexpr int IconSaved = 3;
constexpr int IconProgress = 5;
constexpr int IconError = 6;

using Outcome = TSafeWriteResult::Outcome;
using Verify = TSafeWriteResult::Verify;

QString OffsetList(const QList<int>& offsets)
{
    QStringList texts;
    for (int offset : offsets)
        texts << QString::number(offset);
    return texts.join(QStringLiteral(", "));
}

// Puts the line's cancel check in place for one run, and the old one back.
class CancelInstalled {
public:
    CancelInstalled(TSerialLine& line, const std::function<bool()>& check)
        : line(line), previous(line.CancelCheck()), replaced(bool(check))
    {
        if (replaced)
            line.SetCancelCheck(check);
    }
    ~CancelInstalled()
    {
        if (replaced)
            line.SetCancelCheck(previous);
    }
    CancelInstalled(const CancelInstalled&) = delete;
    CancelInstalled& operator=(const CancelInstalled&) = delete;

private:
    TSerialLine& line;
    std::function<bool()> previous;
    bool replaced;
};

} // namespace

QString TSafeWriteResult::OutcomeName(Outcome outcome)
{
    switch (outcome) {
    case Outcome::Written: return QStringLiteral("written");
    case Outcome::AlreadyHeld: return QStringLiteral("unchanged");
    case Outcome::OpenFailed: return QStringLiteral("open-failed");
    case Outcome::ReadFailed: return QStringLiteral("read-failed");
    case Outcome::BackupFailed: return QStringLiteral("backup-failed");
    case Outcome::BadImage: return QStringLiteral("bad-image");
    case Outcome::WriteFailed: return QStringLiteral("write-failed");
    case Outcome::VerifyFailed: return QStringLiteral("verify-failed");
    case Outcome::VerifyUnread: return QStringLiteral("verify-unread");
    case Outcome::BaseMismatch: return QStringLiteral("base-mismatch");
    case Outcome::Declined: return QStringLiteral("declined");
    case Outcome::Refused: return QStringLiteral("refused");
    case Outcome::Stopped: return QStringLiteral("stopped");
    }
    return QString();
}

QString TSafeWriteResult::VerifyName(Verify verify)
{
    switch (verify) {
    case Verify::NotRun: return QStringLiteral("not-run");
    case Verify::Passed: return QStringLiteral("passed");
    case Verify::PassedAfterFullWrite: return QStringLiteral("passed-after-full-write");
    case Verify::Failed: return QStringLiteral("failed");
    }
    return QString();
}

namespace {

// Line time of the phases in characters, for the progress: an image read
// (identify and the 1024 bytes) and a written byte (request and echo).
constexpr int ReadWeight = 4 + 3 + StationImageSize;
constexpr int ByteWeight = 5 + 1;

QList<int> EveryOffset()
{
    QList<int> offsets;
    for (int i = 0; i < StationImageSize; ++i)
        offsets << i;
    return offsets;
}

} // namespace

// One run of the safe write: the open port, the link's steps and what has
// happened so far.
class TSafeWrite::Exchange {
public:
    Exchange(TSafeWrite& owner, TTransferProgress* progress)
        : owner(owner), link(owner.line, owner.choice, owner.journal), span(progress), shown(progress)
    {
    }

    TSafeWriteResult Run(const BuildImage& build)
    {
        const TConnectionChoice chosen = owner.choice();
        if (!link.OpenChosenPort())
            return Finish(Outcome::OpenFailed);
        TPortSession session(owner.line);

        Log(IconProgress, QCoreApplication::translate("SafeWrite", "Чтение данных станции для резервной копии..."));
        span.Start(ReadWeight, ByteWeight * StationImageSize + ReadWeight);
        QByteArray station;
        if (!link.ReadImage(&span, station)) {
            if (link.LastReadFault() == TStationLink::ReadFault::Stopped)
                return Stop(TStationLink::TextStopped());
            Log(IconError, link.ReadFaultText(true));
            return Finish(Outcome::ReadFailed);
        }
        if (owner.check) {
            const QStringList problems = owner.check(station);
            if (!problems.isEmpty()) {
                Log(IconError, QCoreApplication::translate("SafeWrite", "Конфигурация не подходит к станции: %1. Запись не выполнялась.")
                                   .arg(problems.join(QStringLiteral("; "))));
                return Finish(Outcome::Refused);
            }
        }

        QString reason;
        result.backupPath = Backups::Save(owner.backupFolder, station, QDateTime::currentDateTime(),
                                          chosen.portText, &reason);
        if (result.backupPath.isEmpty()) {
            Log(IconError, QCoreApplication::translate("SafeWrite", "Резервная копия не сохранена: %1. Запись не выполнялась.").arg(reason));
            return Finish(Outcome::BackupFailed);
        }
        Log(IconSaved, QCoreApplication::translate("SafeWrite", "Резервная копия: %1").arg(result.backupPath));
        if (owner.backupSaved)
            owner.backupSaved(result.backupPath);

        intended = build(station);
        if (intended.size() != StationImageSize) {
            Log(IconError, QCoreApplication::translate("SafeWrite", "Ошибка записи данных: образ не из %1 байт. Запись не выполнялась.")
                               .arg(StationImageSize));
            return Finish(Outcome::BadImage);
        }
        const QList<int> changed = owner.everyByte ? EveryOffset() : Differences(station, intended);
        result.bytesToWrite = static_cast<int>(changed.size());
        if (changed.isEmpty()) {
            Log(IconProgress, QCoreApplication::translate("SafeWrite", "Станция уже содержит эту конфигурацию. Запись не требуется."));
            return Finish(Outcome::AlreadyHeld);
        }
        if (owner.confirm && !owner.confirm(station, intended))
            return Stop(QCoreApplication::translate("SafeWrite", "Запись отменена. В станцию ничего не записано."), Outcome::Declined);
        Log(IconProgress, QCoreApplication::translate("SafeWrite", "Байт к записи: %1 из %2.").arg(changed.size()).arg(StationImageSize));
        span.Start(ByteWeight * static_cast<int>(changed.size()), ReadWeight);
        if (!WriteAndFinish(changed))
            return result;

        span.Start(ReadWeight, 0);
        QList<int> differ;
        Readback back = Check(QCoreApplication::translate("SafeWrite", "Проверка"), differ);
        Verify passed = Verify::Passed;
        if (back == Readback::Different) {
            const QList<int> unwritten = Outside(differ, changed);
            if (!unwritten.isEmpty())
                return BaseWasWrong(unwritten);
            Log(IconProgress, QCoreApplication::translate("SafeWrite", "Повторная запись всех %1 байт.").arg(StationImageSize));
            span.Start(ByteWeight * StationImageSize, ReadWeight);
            if (!WriteAndFinish(EveryOffset()))
                return result;
            span.Start(ReadWeight, 0);
            back = Check(QCoreApplication::translate("SafeWrite", "Проверка после повторной записи"), differ);
            passed = Verify::PassedAfterFullWrite;
        }
        return Conclude(back, passed);
    }

private:
    void Log(int icon, const QString& text) { owner.journal(icon, text); }

    QString BackupNote() const
    {
        return QCoreApplication::translate("SafeWrite", " Восстановите станцию из резервной копии: %1").arg(result.backupPath);
    }

    TSafeWriteResult Finish(Outcome outcome)
    {
        result.outcome = outcome;
        return result;
    }

    TSafeWriteResult Stop(const QString& text, Outcome outcome = Outcome::Stopped)
    {
        Log(IconStopped, text);
        return Finish(outcome);
    }

    // A stop once bytes may have gone in: whether the station holds the
    // new configuration depends on whether the finish went out.
    TSafeWriteResult StopWrite()
    {
        if (result.finished)
            return Stop(TStationLink::TextStopped()
                        + QCoreApplication::translate("SafeWrite", " Все байты записаны, станция содержит новую конфигурацию; "
                                                                   "проверка не выполнялась. Резервная копия: %1")
                              .arg(result.backupPath));
        return Stop(TStationLink::TextWriteStopped() + QCoreApplication::translate("SafeWrite", " Резервная копия: %1").arg(result.backupPath));
    }

    TSafeWriteResult Fail(Outcome outcome, const QString& text)
    {
        Log(IconError, text + BackupNote());
        return Finish(outcome);
    }

    TSafeWriteResult Succeed()
    {
        Log(IconProgress, TStationLink::TextWriteDone());
        return Finish(Outcome::Written);
    }

    // The read-back differs where no byte was written: the station never
    // held the image the write was built on (a shifted or stale read), so
    // neither a full rewrite of it nor its backup can be trusted.
    TSafeWriteResult BaseWasWrong(const QList<int>& unwritten)
    {
        result.verify = Verify::Failed;
        result.backupSuspect = true;
        result.backupPath = Backups::MarkSuspect(result.backupPath);
        Log(IconError, QCoreApplication::translate("SafeWrite", "Проверка: отличаются и байты, которые не записывались (смещения %1): образ, "
                                                                "прочитанный до записи, не был образом станции. Повторная запись не "
                                                                "выполнялась. Резервная копия ненадёжна, не восстанавливайте из неё: %2")
                           .arg(OffsetList(unwritten.mid(0, NamedDifferences)), result.backupPath));
        return Finish(Outcome::BaseMismatch);
    }

    static QList<int> Outside(const QList<int>& offsets, const QList<int>& written)
    {
        QList<int> outside;
        for (int offset : offsets) {
            if (!std::binary_search(written.begin(), written.end(), offset))
                outside << offset;
        }
        return outside;
    }

    // Writes the intended bytes at the offsets and sends the finish request.
    // False, with the result set, when the write did not get through.
    bool WriteAndFinish(const QList<int>& offsets)
    {
        result.finished = false;
        const TStationLink::WriteEnd end = link.WriteBytes(intended, offsets, &span, &result.bytesWritten);
        if (end == TStationLink::WriteEnd::Stopped) {
            StopWrite();
            return false;
        }
        if (end == TStationLink::WriteEnd::Retries) {
            Fail(Outcome::WriteFailed, TStationLink::TextWriteRetries());
            return false;
        }
        link.FinishWrite();
        result.finished = true;
        return true;
    }

    enum class Readback { Equal, Different, Missing, Stopped };

    TSafeWriteResult Conclude(Readback back, Verify passed)
    {
        switch (back) {
        case Readback::Equal:
            result.verify = passed;
            return Succeed();
        case Readback::Stopped:
            return result;
        case Readback::Missing:
            result.verify = Verify::Failed;
            return Fail(Outcome::VerifyUnread,
                        QCoreApplication::translate("SafeWrite", "Ошибка проверки: %1").arg(VerifyReadFault()));
        case Readback::Different:
            break;
        }
        result.verify = Verify::Failed;
        return Fail(Outcome::VerifyFailed, QCoreApplication::translate("SafeWrite", "Станция записана с ошибками."));
    }

    QString VerifyReadFault() const
    {
        switch (link.LastReadFault()) {
        case TStationLink::ReadFault::LineBusy:
            return TStationLink::TextLineBusy();
        case TStationLink::ReadFault::Unreliable:
            return TStationLink::TextUnreliable();
        default:
            return QCoreApplication::translate("SafeWrite", "станция не ответила на чтение.");
        }
    }

    // Reads the station back and compares it with the intended image; logs
    // the outcome of a comparison, with the number of differing bytes and
    // the first offsets.
    Readback Check(const QString& step, QList<int>& differ)
    {
        QByteArray back;
        if (!link.ReadImage(&span, back, VerifyIdentifyMs)) {
            if (link.LastReadFault() != TStationLink::ReadFault::Stopped)
                return Readback::Missing;
            StopWrite();
            return Readback::Stopped;
        }
        differ = Differences(back, intended);
        result.differences = static_cast<int>(differ.size());
        result.firstDifferences = differ.mid(0, NamedDifferences);
        if (differ.isEmpty()) {
            Log(IconProgress, QCoreApplication::translate("SafeWrite", "%1: данные в станции совпадают с записанными.").arg(step));
            return Readback::Equal;
        }
        Log(IconError, QCoreApplication::translate("SafeWrite", "%1: не совпадает байт: %2 (смещения %3%4).")
                           .arg(step)
                           .arg(differ.size())
                                  .arg(OffsetList(result.firstDifferences))
                                  .arg(differ.size() > NamedDifferences ? QStringLiteral(", ...") : QString()));
        return Readback::Different;
    }

    TSafeWrite& owner;
    TStationLink link;
    TSpanProgress span;
    TProgressShown shown;
    QByteArray intended;
    TSafeWriteResult result;
};

TSafeWrite::TSafeWrite(TSerialLine& line, TStationLink::ChoiceSource choice, Journal journal, CancelCheck cancel)
    : line(line), choice(std::move(choice)), journal(std::move(journal)), cancel(std::move(cancel)),
      backupFolder(Backups::Folder())
{
    if (!this->journal)
        this->journal = [](int, const QString&) {};
}

TSafeWriteResult TSafeWrite::Run(const BuildImage& build, TTransferProgress* progress)
{
    CancelInstalled installed(line, cancel);
    Exchange exchange(*this, progress);
    return exchange.Run(build);
}

TSafeWrite::BuildImage TSafeWrite::FromRecord(const TTarnikPlus& record)
{
    return [record](const QByteArray& station) { return EncodeOverImage(record, station); };
}

TSafeWrite::BuildImage TSafeWrite::FixedImage(const QByteArray& image)
{
    return [image](const QByteArray&) { return image; };
}

QList<int> TSafeWrite::Differences(const QByteArray& a, const QByteArray& b)
{
    QList<int> offsets;
    const qsizetype size = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < size; ++i) {
        if (a.at(i) != b.at(i))
            offsets << static_cast<int>(i);
    }
    return offsets;
}
