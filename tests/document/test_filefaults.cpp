// Files that are not what a reader expects (a directory, a FIFO, a file
// that cannot be read, 100 MB of garbage) and a full filesystem during a
// save and during the backup of a safe write: a clear error, no hang, the
// earlier file intact, no success.
#include "tests/support/TestRegistry.h"
#include "document/Catalogue.h"
#include "document/Convert.h"
#include "document/ProgrammerFile.h"
#include "document/U_xml.h"
#include "link/SafeWrite.h"
#include "link/SerialLine.h"
#include "link/StationRecord.h"
#include "tests/support/StationTestSupport.h"
#include "tests/support/TestRunDir.h"
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QByteArray ReadAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Bytes that are no document: a simple generator, the same on every run.
QByteArray Garbage(qint64 size)
{
    QByteArray block(1024 * 1024, Qt::Uninitialized);
    quint32 x = 2463534242u;
    for (char& c : block) {
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        c = char(x);
    }
    QByteArray all;
    while (all.size() < size)
        all += block.left(size - all.size());
    return all;
}

bool WriteAll(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

// The reason each reader gives for the file, or "read" when it reads.
QString ProgrammerFileReason(const QString& path)
{
    QDomDocument doc;
    TXMLFile xml(&doc);
    TProgrammerFile file;
    QString why;
    return ReadProgrammerFile(xml, path, 100, file, &why) ? QStringLiteral("read") : why;
}

QString CatalogueReason(const QString& path)
{
    QDomDocument doc;
    TXMLFile xml(&doc);
    try {
        ReadCatalogue(xml, path, {});
    } catch (const EConvertError& e) {
        return e.Message();
    }
    return QStringLiteral("read");
}

// A small tmpfs mounted for the lifetime of the object.
class SmallFilesystem {
public:
    explicit SmallFilesystem(const QString& at)
        : path(at)
    {
        mounted = QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=256k", "tarnik-full", at}) == 0;
    }
    ~SmallFilesystem()
    {
        if (mounted)
            QProcess::execute("umount", {path});
    }
    bool Mounted() const { return mounted; }

    // Writes fillers until the filesystem refuses even one more byte.
    bool Fill() const
    {
        const QByteArray chunk(4096, 'x');
        for (int n = 0;; ++n) {
            QFile filler(path + QStringLiteral("/filler%1").arg(n));
            if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
                return n > 0;
            while (filler.write(chunk) == chunk.size()) {
            }
            if (filler.write("x", 1) != 1 && filler.size() == 0)
                return true;   // not even a new file's first byte fits
        }
    }

private:
    QString path;
    bool mounted = false;
};

} // namespace

const char* const NoMount = "a small tmpfs cannot be mounted here: that needs root (CI runs as root)";

class TestFileFaults : public QObject {
    Q_OBJECT
    QTemporaryDir tmp;

private slots:
    void filesThatAreNoDocumentsAreRefusedAtOnce_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("reason");
        QTest::newRow("directory") << "directory" << "это папка, а не файл";
        QTest::newRow("fifo") << "fifo" << "это не обычный файл";
        QTest::newRow("missing") << "missing" << "файл не найден";
        QTest::newRow("read error") << "read error" << "ошибка чтения файла";
        QTest::newRow("100 MB of garbage") << "huge" << "файл больше 1 МБ";
        QTest::newRow("1 MB of garbage") << "garbage" << "не XML";
    }
    void filesThatAreNoDocumentsAreRefusedAtOnce()
    {
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        QString path = tmp.filePath(kind);
        if (kind == "directory")
            QVERIFY(QDir().mkpath(path));
        else if (kind == "fifo")
            QVERIFY(QFile::exists(path) || ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
        else if (kind == "read error")
            path = "/proc/self/mem";   // a regular file whose first byte cannot be read
        else if (kind == "huge")
            QVERIFY(WriteAll(path, Garbage(100 * 1024 * 1024)));
        else if (kind == "garbage")
            QVERIFY(WriteAll(path, Garbage(1024 * 1024)));
        // A FIFO without a writer would block an ordinary open for ever.
        const QString programmerFile = ProgrammerFileReason(path);
        QVERIFY2(programmerFile.startsWith(reason), qPrintable(programmerFile));
        const QString catalogue = CatalogueReason(path);
        QVERIFY2(catalogue.contains(QStringLiteral("не загружен: ") + reason), qPrintable(catalogue));
        if (kind == "huge")
            QFile::remove(path);
    }

    void fileWithoutReadPermissionIsRefused()
    {
        if (::geteuid() == 0)
            QSKIP("root reads a file without read permission; the read error case covers a failed read");
        const QString path = tmp.filePath("locked.vtr");
        QVERIFY(WriteAll(path, "<document/>"));
        QVERIFY(QFile::setPermissions(path, QFileDevice::WriteOwner));
        QCOMPARE(ProgrammerFileReason(path), QStringLiteral("нет прав на чтение файла"));
    }

    void fullFilesystemFailsTheSaveAndKeepsTheEarlierFile()
    {
        const QString mountPoint = tmp.filePath("small");
        QVERIFY(QDir().mkpath(mountPoint));
        SmallFilesystem fs(mountPoint);
        if (!fs.Mounted())
            QSKIP(NoMount);

        // The earlier files, then nothing left.
        QDomDocument doc;
        TXMLFile xml(&doc);
        const QString vtr = mountPoint + "/station.vtr";
        TProgrammerFile file;
        QVERIFY(WriteProgrammerFile(xml, vtr, file));
        const QString catalogue = mountPoint + "/Settings.xml";
        QVERIFY(WriteAll(catalogue, ShippedSettings()));
        const QByteArray earlier = ReadAll(vtr);
        QVERIFY(fs.Fill());

        for (int i = 0; i < 100; ++i)
            file.channels.append(TProgrammerChannel{true, 33000000, 33000000, 0, 0});
        QVERIFY(!WriteProgrammerFile(xml, vtr, file));
        QCOMPARE(ReadAll(vtr), earlier);
        QVERIFY(!WriteCatalogueChoices(xml, catalogue, {5, 5, false, false}));
        QCOMPARE(ReadAll(catalogue), ShippedSettings());
        // No temporary file left behind.
        QCOMPARE(QDir(mountPoint).entryList({"station.vtr*", "Settings.xml*"}, QDir::Files).size(), 2);
    }

    void fullFilesystemStopsTheSafeWriteAtItsBackup()
    {
        const QString mountPoint = tmp.filePath("backups");
        QVERIFY(QDir().mkpath(mountPoint));
        SmallFilesystem fs(mountPoint);
        if (!fs.Mounted())
            QSKIP(NoMount);
        QVERIFY(fs.Fill());

        constexpr int Baud = 19200;
        TestPorts ports;
        SimStation station;
        QVERIFY(station.Start(Baud, {}, &ports, 3));
        const QByteArray before = station.Image();
        TSerialLine line;
        QStringList journal;
        TSafeWrite write(
            line, [] { return TConnectionChoice{QStringLiteral("COM3"), QString::number(Baud)}; },
            [&journal](int icon, const QString& text) { journal << QString::number(icon) + " " + text; });
        write.SetBackupFolder(mountPoint);
        TTarnikPlus record;
        record.channels.resize(100);
        record.range = 1;
        const TSafeWriteResult result = write.Run(TSafeWrite::FromRecord(record), nullptr);
        QCOMPARE(int(result.outcome), int(TSafeWriteResult::Outcome::BackupFailed));
        QVERIFY(!result.Succeeded() && !result.StationTouched());
        QVERIFY2(journal.last().startsWith("6 "), qPrintable(journal.join('\n')));
        QVERIFY(!journal.join('\n').contains(QStringLiteral("Данные записаны успешно.")));
        QVERIFY(station.Stop());
        QCOMPARE(station.Image(), before);
    }
};

TARNIK_TEST_GUILESS_MAIN(TestFileFaults)
#include "test_filefaults.moc"
