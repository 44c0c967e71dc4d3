// Files that are no files, and messages in the program's own words: a FIFO,
// a device and a huge file chosen for the CSV import, the restore or a
// programmer file are refused within a second while the window goes on
// painting; long error lists are cut; no library's text reaches a box.
#include "tests/support/TestRegistry.h"
#include "document/Convert.h"
#include "widgets/ErrorBox.h"
#include "document/FileRead.h"
#include "tests/editors/ProgramWindows.h"
#include "widgets/Frbutton.h"
#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>
#include <atomic>
#include <fcntl.h>
#include <functional>
#include <new>
#include <stdexcept>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {
// Counts the paint events of a widget.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* w) : widget(w) { w->installEventFilter(this); }
    ~PaintCounter() override { widget->removeEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint)
            ++paints;
        return false;
    }

private:
    QWidget* widget;
};

// A FIFO that nobody writes into. A reader that waits on it would wait for
// ever; after a few seconds a writer comes, puts a line in and goes, so
// such a reader ends late (and the test fails on the time) instead of
// hanging the test.
class Fifo {
public:
    explicit Fifo(const QString& path) : path(path)
    {
        made = ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
        writer = std::thread([this] {
            for (int i = 0; i < 300 && !done; ++i)
                ::usleep(10000);
            const int fd = ::open(QFile::encodeName(this->path).constData(), O_WRONLY | O_NONBLOCK);
            if (fd >= 0) {
                const char line[] = "channel,enabled\n";
                (void)!::write(fd, line, sizeof line - 1);
                ::close(fd);
            }
        });
    }
    ~Fifo()
    {
        done = true;
        writer.join();
        QFile::remove(path);
    }
    QString path;
    bool made = false;

private:
    std::atomic<bool> done{false};
    std::thread writer;
};

// Runs the command from the event loop as a click would, and waits up to a
// second for its message (from the error box or the journal) and for the
// main window to paint after it started. Returns the time it took, or -1.
qint64 AnswerWithinASecond(const std::function<void()>& command, const std::function<bool()>& answered)
{
    PaintCounter paints(f_main);
    QTimer repaint;
    QObject::connect(&repaint, &QTimer::timeout, f_main, qOverload<>(&QWidget::update));
    repaint.start(20);
    QElapsedTimer clock;
    clock.start();
    QTimer::singleShot(0, command);
    const bool came = QTest::qWaitFor(answered, 1000);
    const bool painted = came && QTest::qWaitFor([&] { return paints.paints > 0; }, 1000 - clock.elapsed());
    return came && painted && clock.elapsed() < 1000 ? clock.elapsed() : -1;
}

bool WriteAll(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

// A file of 50 MB that takes no room on the disk.
bool MakeHuge(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.resize(50LL * 1024 * 1024);
}

// Texts of libraries and of the system that must never reach the user.
bool Foreign(const QString& message)
{
    for (const char* word : {"std::", "bad_alloc", "vector", "error occurred", "Premature", "unexpected",
                             "No such file", "is not a valid", "Cannot open"})
        if (message.contains(QLatin1String(word), Qt::CaseInsensitive))
            return true;
    return false;
}
} // namespace

class TestFileRefusals : public QObject {
    Q_OBJECT
private:
    QTemporaryDir tmp;

private slots:
    void initTestCase() { qApp->setQuitOnLastWindowClosed(false); }

    void filesThatAreNoFiles_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("kind");
        for (const char* command : {"csv", "restore", "vtr"})
            for (const char* kind : {"fifo", "device", "huge"})
                QTest::newRow(qPrintable(QStringLiteral("%1 %2").arg(command, kind)))
                    << QString::fromLatin1(command) << QString::fromLatin1(kind);
    }
    void filesThatAreNoFiles()
    {
        QFETCH(QString, command);
        QFETCH(QString, kind);
        ProgramWindows p;
        QVERIFY(p.started);
        std::unique_ptr<Fifo> fifo;
        QString path;
        if (kind == "fifo") {
            fifo = std::make_unique<Fifo>(tmp.filePath("fifo-" + command));
            QVERIFY(fifo->made);
            path = fifo->path;
        } else if (kind == "device") {
            path = QStringLiteral("/dev/zero");
        } else {
            path = tmp.filePath("huge-" + command);
            QVERIFY(MakeHuge(path));
        }
        const QStringList before = EditorSnapshot();
        const int entries = p.Journal().size();

        qint64 took = -1;
        if (command == "csv")
            took = AnswerWithinASecond([&] { f_main->ImportChannelCsv(path); }, [&] { return !p.errors.isEmpty(); });
        else if (command == "restore")
            took = AnswerWithinASecond([&] { f_main->RestoreImageFile(path); }, [&] { return !p.errors.isEmpty(); });
        else
            took = AnswerWithinASecond([&] { f_main->LoadProgrammerFile(path); },
                                       [&] { return p.Journal().size() > entries; });
        QVERIFY2(took >= 0, "no message within a second, or the window did not paint");
        QCOMPARE(EditorSnapshot(), before);
        QVERIFY(!f_main->StationBusy());

        if (command == "vtr") {
            QCOMPARE(p.Journal().last(), QStringLiteral("Ошибка чтения файла: ") + path);
            QVERIFY(p.errors.isEmpty());
            return;
        }
        QCOMPARE(p.errors.size(), 1);
        const QString& message = p.errors.first();
        QVERIFY2(!Foreign(message), qPrintable(message));
        QVERIFY2(message.contains(path), qPrintable(message));
        if (command == "restore" && kind == "huge")
            QVERIFY2(message.contains(QStringLiteral("ровно 1024 байта")), qPrintable(message));
        else if (kind == "huge")
            QVERIFY2(message.contains(QStringLiteral("файл больше 64 КБ")), qPrintable(message));
        else
            QVERIFY2(message.contains(QStringLiteral("это не обычный файл")), qPrintable(message));
    }

    // A CSV with many bad rows: the box names the first 20 and counts the
    // rest; a file within the size but of thousands of lines still answers
    // at once.
    void longErrorListsAreCut()
    {
        ProgramWindows p;
        QVERIFY(p.started);
        QByteArray text = "channel,enabled,rx_hz,tx_hz,ctcss_rx_hz,ctcss_tx_hz\n";
        for (int i = 0; i < 3000; ++i)
            text += "x,1,0,0,,\n";
        QVERIFY(text.size() < 64 * 1024);
        const QString path = tmp.filePath("bad-rows.csv");
        QVERIFY(WriteAll(path, text));
        QVERIFY(AnswerWithinASecond([&] { f_main->ImportChannelCsv(path); }, [&] { return !p.errors.isEmpty(); })
                >= 0);
        const QStringList lines = p.errors.first().split('\n');
        QCOMPARE(lines.size(), 1 + 20 + 1);
        QVERIFY2(lines[1].startsWith(QStringLiteral("строка 2: ")), qPrintable(lines[1]));
        QVERIFY2(lines[20].startsWith(QStringLiteral("строка 21: ")), qPrintable(lines[20]));
        QCOMPARE(lines[21], QStringLiteral("и ещё 2980"));
    }

    // What escapes a command is shown in the program's words: its own
    // errors as they are, a lack of memory and a library's exception in
    // words of its own, never the library's text.
    void noLibraryTextInTheErrorBox()
    {
        QStringList shown;
        SetErrorBoxHandler([&](const QString& m) { shown << m; });
        QVERIFY(!Guarded([] { throw std::bad_alloc(); }));
        QVERIFY(!Guarded([] { throw std::out_of_range("vector::_M_range_check: __n >= this->size()"); }));
        QVERIFY(!Guarded([] { throw 42; }));
        QVERIFY(!Guarded([] { StrToInt(QStringLiteral("12a")); }));
        QVERIFY(!Guarded([] { throw EProgramError(QStringLiteral("Своё сообщение.")); }));
        SetErrorBoxHandler({});
        QCOMPARE(shown.size(), 5);
        QVERIFY(shown[0].contains(QStringLiteral("Не хватило памяти")));
        QVERIFY(shown[1].contains(QStringLiteral("Внутренняя ошибка программы")));
        QCOMPARE(shown[2], shown[1]);
        QCOMPARE(shown[3], QStringLiteral("\"12a\" не является целым числом"));
        QCOMPARE(shown[4], QStringLiteral("Своё сообщение."));
        for (const QString& m : shown)
            QVERIFY2(!Foreign(m), qPrintable(m));
    }

    // A catalogue that is no XML stops the start with the place of the
    // fault, without the parser's English message.
    void brokenCatalogueInTheProgramsWords()
    {
        ProgramWindows p(QByteArray("<?xml version=\"1.0\"?>\n<settings>\n  <mainmenu>\n</settings>\n"));
        QTRY_COMPARE(p.errors.size(), 1);
        QVERIFY2(p.errors[0].contains(QStringLiteral("не XML (ошибка в строке ")), qPrintable(p.errors[0]));
        QVERIFY2(!Foreign(p.errors[0]), qPrintable(p.errors[0]));
    }

    // The bounded reader says what is wrong in its own words, with a size
    // that fits the cap.
    void refusalsOfTheBoundedReader()
    {
        QByteArray bytes;
        bool tooLarge = true;
        QCOMPARE(ReadRegularFile(tmp.filePath("none"), 10, bytes, &tooLarge), QStringLiteral("файл не найден"));
        QVERIFY(!tooLarge);
        QCOMPARE(ReadRegularFile(QStringLiteral("/dev/null"), 10, bytes), QStringLiteral("это не обычный файл"));
        QCOMPARE(ReadRegularFile(tmp.path(), 10, bytes), QStringLiteral("это папка, а не файл"));
        const QString path = tmp.filePath("eleven");
        QVERIFY(WriteAll(path, "01234567890"));
        QCOMPARE(ReadRegularFile(path, 10, bytes, &tooLarge), QStringLiteral("файл больше 10 байт"));
        QVERIFY(tooLarge);
        QVERIFY(bytes.isEmpty());
        QCOMPARE(ReadRegularFile(path, 11, bytes, &tooLarge), QString());
        QVERIFY(!tooLarge);
        QCOMPARE(bytes, QByteArray("01234567890"));
        QCOMPARE(SizeText(64 * 1024), QStringLiteral("64 КБ"));
        QCOMPARE(SizeText(16 * 1024 * 1024), QStringLiteral("16 МБ"));
        QCOMPARE(SizeText(1024), QStringLiteral("1024 байт"));
    }

    // A picture that is a FIFO holds nothing up: the button goes without
    // it, as for a missing picture.
    void aPictureThatIsAFifoIsSkipped()
    {
        Fifo fifo(tmp.filePath("picture.bmp"));
        QVERIFY(fifo.made);
        Tfr_button button;
        QElapsedTimer clock;
        clock.start();
        button.SetPicture(fifo.path);
        QVERIFY(clock.elapsed() < 1000);
        QVERIFY(!button.HasPicture());
    }
};

TARNIK_TEST_MAIN(TestFileRefusals)
#include "test_filerefusals.moc"
