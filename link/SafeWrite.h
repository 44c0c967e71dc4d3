#pragma once
#include "link/StationLink.h"
#include <QByteArray>
#include <QList>
#include <QString>
#include <functional>

class TSerialLine;
class TTransferProgress;
struct TTarnikPlus;

// What a safe write did, for the window's journal and for a command line to
// print.
struct TSafeWriteResult {
    enum class Outcome {
        Written,        // the changed bytes were written and the verify passed
        AlreadyHeld,    // the station held the intended image: nothing written
        OpenFailed,     // the port could not be opened: nothing sent
        ReadFailed,     // no station, or its image did not arrive: nothing written
        BackupFailed,   // the backup could not be saved: nothing written
        BadImage,       // the intended image is not 1024 bytes: nothing written
        WriteFailed,    // a byte stayed unconfirmed: the station is partly written
        VerifyFailed,   // the station does not hold the intended image
        VerifyUnread,   // written, but the station's image could not be read back
        BaseMismatch,   // the read-back differs where nothing was written: the
                        // image read before the write was not the station's
        Declined,       // the user declined what the write would change: nothing written
        Refused,        // the intended image does not fit the station's: nothing written
        Stopped,        // stopped by the user
    };
    enum class Verify {
        NotRun,
        Passed,                 // at the first verify
        PassedAfterFullWrite,   // the first failed, the full write mended it
        Failed,                 // also after the full write, or no read-back
    };

    Outcome outcome = Outcome::OpenFailed;
    Verify verify = Verify::NotRun;
    int bytesToWrite = 0;          // bytes that differed from the station's image
    int bytesWritten = 0;          // bytes confirmed, those of a full write included
    int differences = 0;           // bytes that differed at the last verify
    QList<int> firstDifferences;   // their first offsets
    QString backupPath;            // empty when no backup was saved
    bool backupSuspect = false;    // the backup is not the station's image (BaseMismatch)
    bool finished = false;         // every byte confirmed and the finish request sent

    bool Succeeded() const { return outcome == Outcome::Written || outcome == Outcome::AlreadyHeld; }
    // The backup to restore the station from, when there is one to trust.
    QString RestoreFrom() const { return backupSuspect ? QString() : backupPath; }
    // Whether a byte of the station may have been changed.
    bool StationTouched() const { return bytesWritten > 0 || outcome == Outcome::WriteFailed; }
    static QString OutcomeName(Outcome outcome);   // "written", "unchanged", ...
    static QString VerifyName(Verify verify);      // "passed", "not-run", ...
};

// The safe write of a station, in one exchange on one open port: identify
// and read the station's image (on a quiet line, and only an image the line
// stays quiet after); save it as a backup, on the disk before anything is
// written; build the intended image from it; write only the bytes that
// differ, in ascending order, each confirmed by its echo; finish; read the
// image back and compare. When the verify finds a difference only where
// bytes were written, the whole intended image is written once more and
// verified again; a difference where nothing was written means the image
// read first was not the station's, and the write stops there. Every step
// is logged in the journal; "Данные записаны успешно." only after a verify
// that passed. One progress position spans the read, the write and the
// verify.
//
// Uses no window and no global state: a command line may run one per port,
// each on its own thread with its own line. A stop asked for through the
// cancel check ends the exchange after the byte in progress, without a
// finish request.
class TSafeWrite {
public:
    // Builds the intended image from the station's current image.
    using BuildImage = std::function<QByteArray(const QByteArray& stationImage)>;
    using Journal = TStationLink::Journal;
    using CancelCheck = std::function<bool()>;

    // How long the verify's identification is tried after the finish.
    static constexpr int VerifyIdentifyMs = 2000;
    // How many differing offsets a failed verify names.
    static constexpr int NamedDifferences = 8;

    // The line's own cancel check serves when cancel is empty.
    TSafeWrite(TSerialLine& line, TStationLink::ChoiceSource choice, Journal journal, CancelCheck cancel = {});

    // Backups go to Backups::Folder() unless another folder is set.
    void SetBackupFolder(const QString& folder) { backupFolder = folder; }
    // Called with the backup's path as soon as it is saved.
    void OnBackupSaved(std::function<void(const QString& path)> saved) { backupSaved = std::move(saved); }
    // Writes all 1024 bytes of the intended image rather than those that
    // differ (still over the station's own image, with backup and verify).
    void SetWriteEveryByte(bool every) { everyByte = every; }
    // Asked, once the backup is saved and before the first write request,
    // with the station's image and the intended one when they differ; the
    // write goes on only when it answers true.
    using Confirm = std::function<bool(const QByteArray& stationImage, const QByteArray& intended)>;
    void SetConfirm(Confirm ask) { confirm = std::move(ask); }
    // Asked with the station's image as soon as it is read, before the
    // backup: the reasons the intended image cannot be built on it (a
    // channel table whose frequencies the station's band does not hold).
    // Any reason refuses the write: the reasons are logged and nothing is
    // written (Outcome::Refused).
    using Check = std::function<QStringList(const QByteArray& stationImage)>;
    void SetCheck(Check check) { this->check = std::move(check); }

    TSafeWriteResult Run(const BuildImage& build, TTransferProgress* progress);

    // The editors' configuration over the station's own bytes
    // (EncodeOverImage).
    static BuildImage FromRecord(const TTarnikPlus& record);
    // A whole image as it stands, whatever the station holds (a restore).
    static BuildImage FixedImage(const QByteArray& image);

    // The offsets at which two images of the same size differ.
    static QList<int> Differences(const QByteArray& a, const QByteArray& b);

private:
    class Exchange;

    TSerialLine& line;
    TStationLink::ChoiceSource choice;
    Journal journal;
    CancelCheck cancel;
    QString backupFolder;
    std::function<void(const QString&)> backupSaved;
    Confirm confirm;
    Check check;
    bool everyByte = false;
};
