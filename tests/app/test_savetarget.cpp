// Where "Сохранить" writes and what the title says: the file the title
// names is the save target, after an open, a read, a restore, a write and a
// save, and through undo and redo of each.
#include "tests/support/TestRegistry.h"
#include "app/EditHistory.h"
#include "app/RestoreQuestions.h"
#include "link/Fcomsettings.h"
#include "link/ImageCodec.h"
#include "link/StationRecord.h"
#include "tests/editors/ProgramWindows.h"
#include "widgets/Frbutton.h"
#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTimer>

namespace {
const QString Program = QStringLiteral("Программатор Tarnik");

QString Title() { return f_main->windowTitle(); }
QString Named(const QString& file) { return Program + QStringLiteral(" — ") + file; }

void Settle()
{
    QApplication::processEvents();
    QApplication::processEvents();
}

QByteArray ReadAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Presses "Сохранить" and cancels a save dialog if one comes; true when it
// came (the document has no file to save to).
bool SaveAsks()
{
    bool asked = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
            asked = true;
            d->reject();
        }
    });
    poll.start(10);
    f_main->fr_button5->clicked();
    return asked;
}

// A configuration unlike the start-up state: band 2, some channels on.
TTarnikPlus Sample(int seed)
{
    TTarnikPlus r;
    r.channels.resize(100);
    for (int i = seed; i < 100; i += 9) {
        r.channels[i].enable = true;
        r.channels[i].RX = 41000 + 25 * i;
        r.channels[i].TX = 42000 + 25 * i;
        r.channels[i].CTCSSRX = (i + seed) % 51;
    }
    r.lastChannel = 98;
    r.range = 2;
    r.volume = seed % 4;
    r.timeoutTime = 60 * seed;
    return r;
}

QByteArray SampleImage(int seed)
{
    QByteArray image;
    TTarnikPlus r = Sample(seed);
    EncodeImage(r, image);
    return image;
}

// The station on COM1 at 19200 baud, chosen in the connection dialog.
struct Station {
    TestPorts ports;
    SimStation sim;
    bool Start(const QByteArray& image)
    {
        return sim.SetImage(image) && sim.Start(19200, {}, &ports, 1);
    }
    static void Choose()
    {
        f_com->fr_combobox1->setCurrentIndex(f_com->fr_combobox1->findText(QStringLiteral("COM1")));
        f_com->fr_combobox2->setCurrentIndex(f_com->fr_combobox2->findText(QStringLiteral("19200")));
    }
};
} // namespace

class TestSaveTarget : public QObject {
    Q_OBJECT
private:
    QTemporaryDir tmp;
    QString Path(const QString& name) const { return tmp.filePath(name); }

    // Puts the sample of the seed into the editors as edits (no read: the
    // station holds none of them) and saves it as the file, leaving the
    // editors named after it.
    void SaveSample(int seed, const QString& name)
    {
        TTarnikPlus r = Sample(seed);
        f_settings->LoadFromRecord(r);
        f_channels->LoadFromRecord(r);
        Settle();
        QVERIFY(f_main->SaveProgrammerFile(Path(name)));
    }

private slots:
    void initTestCase()
    {
        qApp->setQuitOnLastWindowClosed(false);
        // Backups of the safe writes go to a folder of the test.
        qputenv("XDG_DATA_HOME", QFile::encodeName(tmp.filePath("data")));
    }

    void saveTargetAfterOpenReadAndRestore()
    {
        Station station;
        QVERIFY(station.Start(SampleImage(4)));
        ProgramWindows p;
        QVERIFY(p.started);
        Station::Choose();
        f_main->sd->setOption(QFileDialog::DontUseNativeDialog);
        QVERIFY(SaveAsks());   // nothing named at start

        SaveSample(1, "a.vtr");
        SaveSample(2, "b.vtr");
        QVERIFY(f_main->LoadProgrammerFile(Path("a.vtr")));
        QCOMPARE(f_main->CurrentFile(), Path("a.vtr"));
        QCOMPARE(Title(), Named("a.vtr"));
        QVERIFY(!SaveAsks());
        QCOMPARE(p.Journal().last(), QStringLiteral("Сохранен: ") + Path("a.vtr"));

        f_main->read_btn->clicked();
        QVERIFY(p.JournalHas(QStringLiteral("Данные считаны успешно.")));
        QVERIFY(f_main->CurrentFile().isEmpty());
        QCOMPARE(Title(), Program);
        QVERIFY(SaveAsks());

        QVERIFY(f_main->LoadProgrammerFile(Path("b.vtr")));
        const QString image = Path("restore.bin");
        QFile file(image);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(SampleImage(5)) == StationImageSize);
        file.close();
        SetRestoreQuestionHandler([](TRestoreQuestion, const QString&) { return true; });
        f_main->RestoreImageFile(image);
        SetRestoreQuestionHandler({});
        QVERIFY(p.errors.isEmpty());
        QCOMPARE(p.Journal().last(), QStringLiteral("Данные записаны успешно."));
        QVERIFY(f_main->CurrentFile().isEmpty());
        QCOMPARE(Title(), Program);
        QVERIFY(SaveAsks());
        // Undo of the restore's step names the file again.
        f_main->undoAction->trigger();
        QCOMPARE(Title(), Named("b.vtr"));
    }

    // Save as b.vtr, load a.vtr: undo gives back b.vtr's document with
    // its name and no "*", redo a.vtr's.
    void titleThroughUndoAndRedoOfALoad()
    {
        ProgramWindows p;
        QVERIFY(p.started);
        SaveSample(1, "a.vtr");
        SaveSample(2, "b.vtr");
        QCOMPARE(Title(), Named("b.vtr"));
        QVERIFY(f_main->LoadProgrammerFile(Path("a.vtr")));
        QCOMPARE(Title(), Named("a.vtr"));
        channelRows[3]->CheckBox1->toggle();
        Settle();
        QCOMPARE(Title(), Named("a.vtr*"));

        f_main->undoAction->trigger();   // the edit
        QCOMPARE(Title(), Named("a.vtr"));
        f_main->undoAction->trigger();   // the load
        QCOMPARE(Title(), Named("b.vtr"));
        QCOMPARE(f_main->CurrentFile(), Path("b.vtr"));
        f_main->redoAction->trigger();
        QCOMPARE(Title(), Named("a.vtr"));
        f_main->redoAction->trigger();
        QCOMPARE(Title(), Named("a.vtr*"));
        QCOMPARE(f_main->CurrentFile(), Path("a.vtr"));

        // Loading a file whose values the editors already show still makes
        // it the document, undoably.
        QVERIFY(f_main->SaveProgrammerFile(Path("d.vtr")));
        QVERIFY(f_main->SaveProgrammerFile(Path("c.vtr")));
        QVERIFY(f_main->LoadProgrammerFile(Path("d.vtr")));
        QCOMPARE(Title(), Named("d.vtr"));
        f_main->undoAction->trigger();
        QCOMPARE(Title(), Named("c.vtr"));
    }

    void titleThroughUndoAndRedoOfARead()
    {
        Station station;
        QVERIFY(station.Start(SampleImage(4)));
        ProgramWindows p;
        QVERIFY(p.started);
        Station::Choose();
        SaveSample(1, "a.vtr");
        channelRows[2]->CheckBox1->toggle();
        Settle();
        QCOMPARE(Title(), Named("a.vtr*"));
        f_main->read_btn->clicked();   // "Не сохранять"
        QCOMPARE(p.questions, 1);
        QVERIFY(p.JournalHas(QStringLiteral("Данные считаны успешно.")));
        QCOMPARE(Title(), Program);

        f_main->undoAction->trigger();
        QCOMPARE(Title(), Named("a.vtr*"));   // the edit that was not saved
        QCOMPARE(f_main->CurrentFile(), Path("a.vtr"));
        f_main->undoAction->trigger();
        QCOMPARE(Title(), Named("a.vtr"));
        f_main->redoAction->trigger();
        f_main->redoAction->trigger();
        QCOMPARE(Title(), Program);
        QVERIFY(f_main->CurrentFile().isEmpty());
    }

    // A write keeps the name ("Сохранить" still writes to the file) and
    // counts as kept; undo and redo of the edits around it say what the
    // file and the station hold.
    void titleThroughUndoAndRedoAroundAWrite()
    {
        Station station;
        QVERIFY(station.Start(SampleImage(4)));
        ProgramWindows p;
        QVERIFY(p.started);
        Station::Choose();
        SaveSample(1, "a.vtr");
        channelRows[9]->CheckBox1->toggle();
        Settle();
        QCOMPARE(Title(), Named("a.vtr*"));
        f_main->write_btn->clicked();
        QVERIFY(p.errors.isEmpty());
        QTRY_COMPARE(Title(), Named("a.vtr"));
        QCOMPARE(f_main->CurrentFile(), Path("a.vtr"));

        f_main->undoAction->trigger();   // back to what a.vtr holds
        QCOMPARE(Title(), Named("a.vtr"));
        f_main->redoAction->trigger();   // what the station holds
        QCOMPARE(Title(), Named("a.vtr"));
        channelRows[10]->CheckBox1->toggle();
        Settle();
        QCOMPARE(Title(), Named("a.vtr*"));

        const QByteArray before = ReadAll(Path("a.vtr"));
        QVERIFY(!SaveAsks());
        QVERIFY(ReadAll(Path("a.vtr")) != before);
        QCOMPARE(Title(), Named("a.vtr"));
    }

    void titleThroughUndoAndRedoOfASave()
    {
        ProgramWindows p;
        QVERIFY(p.started);
        SaveSample(1, "a.vtr");
        SaveSample(2, "b.vtr");
        // Save as a new name: the loaded document takes it, also for redo.
        QVERIFY(f_main->LoadProgrammerFile(Path("a.vtr")));
        QVERIFY(f_main->SaveProgrammerFile(Path("c.vtr")));
        QCOMPARE(Title(), Named("c.vtr"));
        f_main->undoAction->trigger();
        QCOMPARE(Title(), Named("b.vtr"));
        f_main->redoAction->trigger();
        QCOMPARE(Title(), Named("c.vtr"));

        // Save as over b.vtr: undo gives back what b.vtr held before, which
        // no file holds now.
        QVERIFY(f_main->SaveProgrammerFile(Path("b.vtr")));
        f_main->undoAction->trigger();
        QCOMPARE(Title(), Named("b.vtr*"));
        f_main->redoAction->trigger();
        QCOMPARE(Title(), Named("b.vtr"));

        // An edit, saved, undone and redone.
        f_settings->CheckBox2->toggle();
        Settle();
        QVERIFY(!SaveAsks());
        QCOMPARE(Title(), Named("b.vtr"));
        f_main->undoAction->trigger();
        QCOMPARE(Title(), Named("b.vtr*"));
        f_main->redoAction->trigger();
        QCOMPARE(Title(), Named("b.vtr"));
    }
};

TARNIK_TEST_MAIN(TestSaveTarget)
#include "test_savetarget.moc"
