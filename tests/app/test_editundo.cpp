// Unsaved work and undo: the "*" in the title, the question before a read,
// an open and a close with each of its answers, undo and redo of every kind
// of edit and of a whole read, load and CSV import, each putting the
// editors back byte for byte.
#include "tests/support/TestRegistry.h"
#include "app/EditHistory.h"
#include "editors/Fsetchannel.h"
#include "link/Fcomsettings.h"
#include "link/ImageCodec.h"
#include "tests/editors/ProgramWindows.h"
#include "widgets/Frbutton.h"
#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QUndoStack>
#include <functional>

namespace {
// The station image the editors would write: the channel list's and the
// settings page's SaveToRecord, encoded.
QByteArray Image()
{
    TTarnikPlus r;
    f_channels->SaveToRecord(r);
    f_settings->SaveToRecord(r);
    QByteArray image;
    EncodeImage(r, image);
    return image;
}

QUndoStack* Stack() { return f_main->History()->Stack(); }

QByteArray ReadAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void Settle()
{
    QApplication::processEvents();
    QApplication::processEvents();
}

// Answers the modal windows that come up, in order: the question box with
// the button of the given text, then any file dialog is cancelled. Notes
// the question's text and which windows came.
class Answers {
public:
    explicit Answers(const QString& button) : button(button)
    {
        SetSetAsideHandler({});   // the real question box
        QObject::connect(&timer, &QTimer::timeout, [this] { Poll(); });
        timer.start(10);
    }
    QString question;
    bool fileDialog = false;

private:
    void Poll()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            question = box->text();
            for (QAbstractButton* b : box->buttons())
                if (b->text() == button)
                    b->click();
        } else if (auto* files = qobject_cast<QFileDialog*>(modal)) {
            fileDialog = true;
            files->reject();
        }
    }
    QString button;
    QTimer timer;
};

// A configuration unlike the start-up state, in band 2.
TTarnikPlus Sample()
{
    TTarnikPlus r;
    r.channels.resize(100);
    for (int i = 0; i < 100; i += 7) {
        r.channels[i].enable = true;
        r.channels[i].RX = 41000 + 25 * i;
        r.channels[i].TX = 42000 + 25 * i;
        r.channels[i].CTCSSRX = i % 51;
        r.channels[i].CTCSSTX = 3;
    }
    r.lastChannel = 98;
    r.range = 2;
    r.volume = 3;
    r.deviation = 2;
    r.timeoutTime = 600;
    r.pwmPower = 200;
    r.scramblerOn = true;
    r.normalTxEnd = true;
    for (int i = 0; i < 10; ++i)
        r.noiseLevels[i] = static_cast<uint8_t>(20 * i);
    return r;
}
} // namespace

class TestEditUndo : public QObject {
    Q_OBJECT
private:
    QTemporaryDir tmp;

private slots:
    void initTestCase() { qApp->setQuitOnLastWindowClosed(false); }

    void titleShowsFileAndUnsavedWork()
    {
        ProgramWindows p;
        QVERIFY(p.started);
        QCOMPARE(f_main->windowTitle(), QStringLiteral("Программатор Tarnik"));
        channelRows[2]->CheckBox1->setChecked(true);
        Settle();
        QCOMPARE(f_main->windowTitle(), QStringLiteral("Программатор Tarnik*"));

        const QString path = tmp.filePath("title.vtr");
        QVERIFY(f_main->SaveProgrammerFile(path));
        QCOMPARE(f_main->windowTitle(), QStringLiteral("Программатор Tarnik — title.vtr"));
        f_settings->CheckBox3->setChecked(true);
        Settle();
        QCOMPARE(f_main->windowTitle(), QStringLiteral("Программатор Tarnik — title.vtr*"));
        f_main->undoAction->trigger();   // back to what was saved
        QCOMPARE(f_main->windowTitle(), QStringLiteral("Программатор Tarnik — title.vtr"));
        f_main->redoAction->trigger();
        QCOMPARE(f_main->windowTitle(), QStringLiteral("Программатор Tarnik — title.vtr*"));

        // A read names no file and counts as kept.
        TTarnikPlus r = Sample();
        f_main->ReadIntoEditors(r);
        QCOMPARE(f_main->windowTitle(), QStringLiteral("Программатор Tarnik"));
        // An edit that changes nothing is no unsaved work.
        f_settings->CheckBox3->setChecked(!f_settings->CheckBox3->isChecked());
        f_settings->CheckBox3->setChecked(!f_settings->CheckBox3->isChecked());
        Settle();
        QCOMPARE(f_main->windowTitle(), QStringLiteral("Программатор Tarnik"));
    }

    void questionBeforeReplacingOrClosing_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("answer");
        for (const char* command : {"read", "open", "close"})
            for (const char* answer : {"Сохранить", "Не сохранять", "Отмена"})
                QTest::newRow(qPrintable(QStringLiteral("%1, %2").arg(command, QString::fromUtf8(answer))))
                    << QString::fromLatin1(command) << QString::fromUtf8(answer);
    }
    void questionBeforeReplacingOrClosing()
    {
        QFETCH(QString, command);
        QFETCH(QString, answer);
        ProgramWindows p;
        QVERIFY(p.started);
        f_main->od->setOption(QFileDialog::DontUseNativeDialog);
        const QString path = tmp.filePath("asked-" + command + ".vtr");
        QVERIFY(f_main->SaveProgrammerFile(path));
        const QByteArray savedBefore = ReadAll(path);
        channelRows[5]->CheckBox1->setChecked(true);
        Settle();
        const QByteArray edited = Image();
        const int entries = p.Journal().size();

        Answers answers(answer);
        if (command == "read")
            f_main->read_btn->clicked();
        else if (command == "open")
            f_main->fr_button4->clicked();
        else
            f_main->close();
        // The question names the file "Сохранить" writes to.
        QVERIFY2(answers.question.contains(QStringLiteral("Сохранить изменения в файл asked-%1.vtr?").arg(command)),
                 qPrintable(answers.question));

        const bool saved = ReadAll(path) != savedBefore;
        QCOMPARE(saved, answer == "Сохранить");
        const bool went = answer != "Отмена";
        if (command == "read")   // no station: the read runs and fails
            QCOMPARE(p.Journal().size() > entries + (saved ? 1 : 0) || !p.errors.isEmpty(), went);
        else if (command == "open")
            QCOMPARE(answers.fileDialog, went);
        else
            QCOMPARE(f_main->isVisible(), !went);
        QCOMPARE(Image(), edited);   // nothing replaced the edits
        QCOMPARE(f_main->windowTitle().endsWith('*'), !saved);
    }

    void aCancelledSaveKeepsTheEdits()
    {
        // "Сохранить" with no file yet shows the save dialog; cancelling it
        // answers as "Отмена" would.
        ProgramWindows p;
        QVERIFY(p.started);
        f_main->sd->setOption(QFileDialog::DontUseNativeDialog);
        QVERIFY(f_main->CurrentFile().isEmpty());
        f_settings->CheckBox1->setChecked(true);
        Settle();
        Answers answers(QStringLiteral("Сохранить"));
        f_main->close();
        QCOMPARE(answers.question, QStringLiteral("Конфигурация изменена и не сохранена. Сохранить изменения?"));
        QVERIFY(answers.fileDialog);
        QVERIFY(f_main->isVisible());
        QVERIFY(f_main->windowTitle().endsWith('*'));
    }

    void undoAndRedoOfEveryEdit_data()
    {
        using Edit = std::function<void()>;
        QTest::addColumn<Edit>("edit");
        QTest::newRow("tick") << Edit([] { channelRows[4]->CheckBox1->setChecked(true); });
        QTest::newRow("tone") << Edit([] { channelRows[0]->ComboBox2->setCurrentIndex(7); });
        QTest::newRow("frequency step") << Edit([] {
            channelRows[0]->SpeedButton2MouseDown();
            channelRows[0]->SpeedButton2MouseUp();
        });
        QTest::newRow("typed frequency") << Edit([] {
            QLineEdit* edit = channelRows[0]->CSpinEdit1->Editor();
            edit->selectAll();
            QTest::keyClicks(edit, "33500000");
            QTest::keyClick(edit, Qt::Key_Return);
        });
        QTest::newRow("settings list") << Edit([] { f_settings->ComboBox5->setCurrentIndex(2); });
        QTest::newRow("band") << Edit([] {
            f_settings->ComboBox1->setCurrentIndex(2);
            emit f_settings->ComboBox1->activated(2);
        });
        QTest::newRow("flag") << Edit([] { f_settings->CheckBox4->setChecked(true); });
        QTest::newRow("track bar") << Edit([] { f_settings->TrackBar1->setValue(4000); });
        QTest::newRow("noise level") << Edit([] { f_settings->noiseLevelRows[3]->SpeedButton2Click(); });
        QTest::newRow("set-channel dialog") << Edit([] {
            QTimer::singleShot(0, [] {
                f_setchannel->CSpinEdit3->SetValue(9);
                f_setchannel->ComboBox1->setCurrentIndex(5);
                f_setchannel->fr_button1PClick();
            });
            f_main->fr_button2->clicked();
        });
    }
    void undoAndRedoOfEveryEdit()
    {
        QFETCH(std::function<void()>, edit);
        ProgramWindows p;
        QVERIFY(p.started);
        QApplication::setActiveWindow(f_main);
        channelRows[0]->CheckBox1->setChecked(true);
        Settle();
        const QByteArray before = Image();
        const QStringList shownBefore = EditorSnapshot();
        const int steps = Stack()->count();

        edit();
        Settle();
        const QByteArray after = Image();
        const QStringList shownAfter = EditorSnapshot();
        QVERIFY(after != before || shownAfter != shownBefore);
        QCOMPARE(Stack()->count(), steps + 1);   // one edit, one step

        QApplication::setActiveWindow(f_main);   // a dialog of the edit may have taken it
        QTest::keySequence(f_main, QKeySequence(Qt::CTRL | Qt::Key_Z));
        QCOMPARE(Image(), before);
        QCOMPARE(EditorSnapshot(), shownBefore);
        QTest::keySequence(f_main, QKeySequence(Qt::CTRL | Qt::Key_Y));
        QCOMPARE(Image(), after);
        QCOMPARE(EditorSnapshot(), shownAfter);
        f_main->undoAction->trigger();
        QTest::keySequence(f_main, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
        QCOMPARE(EditorSnapshot(), shownAfter);
    }

    void typingAndHoldingAreOneStepEach()
    {
        ProgramWindows p;
        QVERIFY(p.started);
        Tfr_reccord* row = channelRows[0];
        row->CheckBox1->setChecked(true);
        Settle();
        int steps = Stack()->count();

        QLineEdit* edit = row->CSpinEdit1->Editor();
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, "34000000");
        Settle();
        QCOMPARE(Stack()->count(), steps);   // nothing committed yet
        QTest::keyClick(edit, Qt::Key_Return);
        Settle();
        QCOMPARE(Stack()->count(), ++steps);

        // Held for a second: many repeats, one step at the release.
        const int start = row->CSpinEdit2->Value();
        QTest::mousePress(row->SpeedButton4, Qt::LeftButton);
        QTest::qWait(1000);
        Settle();
        QCOMPARE(Stack()->count(), steps);
        QTest::mouseRelease(row->SpeedButton4, Qt::LeftButton);
        QVERIFY(row->CSpinEdit2->Value() >= start + 3 * row->CSpinEdit2->Increment());
        QTRY_COMPARE(Stack()->count(), steps + 1);
        f_main->undoAction->trigger();
        QCOMPARE(row->CSpinEdit2->Value(), start);
    }

    // A key held down on a spin edit, a list or a track bar: the first
    // press and its auto-repeats (with the release/press pairs X11 sends
    // between them) are one step, as a held mouse button is; two separate
    // presses are two.
    void heldKeysAreOneStepEach_data()
    {
        QTest::addColumn<QString>("control");
        QTest::newRow("spin edit") << "spin edit";
        QTest::newRow("list") << "list";
        QTest::newRow("track bar") << "track bar";
    }
    void heldKeysAreOneStepEach()
    {
        QFETCH(QString, control);
        ProgramWindows p;
        QVERIFY(p.started);
        QApplication::setActiveWindow(f_main);
        Tfr_reccord* row = channelRows[0];
        row->CheckBox1->setChecked(true);
        Settle();
        QWidget* target = nullptr;
        int key = 0;
        std::function<int()> value;
        if (control == "spin edit") {
            f_main->PageControl1->setCurrentIndex(0);
            target = row->CSpinEdit1->Editor();
            key = Qt::Key_Up;
            value = [row] { return row->CSpinEdit1->Value(); };
        } else if (control == "list") {
            f_main->PageControl1->setCurrentIndex(1);
            f_settings->ComboBox5->setCurrentIndex(0);
            target = f_settings->ComboBox5;
            key = Qt::Key_Down;
            value = [] { return f_settings->ComboBox5->currentIndex(); };
        } else {
            f_main->PageControl1->setCurrentIndex(1);
            target = f_settings->TrackBar1;
            key = Qt::Key_Right;
            value = [] { return f_settings->TrackBar1->value(); };
        }
        target->setFocus();
        Settle();
        const int start = value();
        const int steps = Stack()->count();

        auto send = [&](QEvent::Type type, bool repeat) {
            QKeyEvent e(type, key, Qt::NoModifier, QString(), repeat);
            QApplication::sendEvent(target, &e);
            Settle();   // the history looks between the repeats
        };
        send(QEvent::KeyPress, false);
        for (int i = 0; i < 3; ++i) {
            send(QEvent::KeyRelease, true);
            send(QEvent::KeyPress, true);
        }
        send(QEvent::KeyRelease, false);
        QVERIFY2(value() != start, "the key changed nothing");
        const int held = value();
        QCOMPARE(Stack()->count(), steps + 1);
        f_main->undoAction->trigger();
        QCOMPARE(value(), start);
        f_main->redoAction->trigger();
        QCOMPARE(value(), held);

        // Two presses, each released: two steps.
        send(QEvent::KeyPress, false);
        send(QEvent::KeyRelease, false);
        send(QEvent::KeyPress, false);
        send(QEvent::KeyRelease, false);
        QCOMPARE(Stack()->count(), steps + 3);
        f_main->undoAction->trigger();
        f_main->undoAction->trigger();
        QCOMPARE(value(), held);
    }

    // A burst of more repeats than the history holds steps (a 15 s hold
    // makes about 450) keeps every earlier step.
    void aLongHoldKeepsTheHistory()
    {
        ProgramWindows p;
        QVERIFY(p.started);
        Tfr_reccord* row = channelRows[0];
        row->CheckBox1->setChecked(true);
        row->CheckBox1->setChecked(false);
        row->CheckBox1->setChecked(true);
        Settle();
        channelRows[1]->CheckBox1->setChecked(true);
        Settle();
        const int steps = Stack()->count();
        QLineEdit* edit = row->CSpinEdit1->Editor();
        edit->setFocus();
        const int start = row->CSpinEdit1->Value();
        QKeyEvent first(QEvent::KeyPress, Qt::Key_Up, Qt::NoModifier);
        QApplication::sendEvent(edit, &first);
        Settle();
        for (int i = 0; i < 310; ++i) {
            QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Up, Qt::NoModifier, QString(), true);
            QApplication::sendEvent(edit, &repeat);
            Settle();
        }
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_Up, Qt::NoModifier);
        QApplication::sendEvent(edit, &release);
        Settle();
        QCOMPARE(Stack()->count(), steps + 1);
        QCOMPARE(row->CSpinEdit1->Value(), start + 311 * row->CSpinEdit1->Increment());
        f_main->undoAction->trigger();
        QCOMPARE(row->CSpinEdit1->Value(), start);
        f_main->undoAction->trigger();
        QVERIFY(!channelRows[1]->CheckBox1->isChecked());
    }

    void undoOfAReadFromTheStation()
    {
        TestPorts ports;
        SimStation station;
        TTarnikPlus sample = Sample();
        QByteArray stationImage;
        EncodeImage(sample, stationImage);
        QVERIFY(station.SetImage(stationImage));
        QVERIFY(station.Start(19200, {}, &ports, 1));
        ProgramWindows p;
        QVERIFY(p.started);
        f_com->fr_combobox1->setCurrentIndex(f_com->fr_combobox1->findText(QStringLiteral("COM1")));
        f_com->fr_combobox2->setCurrentIndex(f_com->fr_combobox2->findText(QStringLiteral("19200")));

        channelRows[1]->CheckBox1->setChecked(true);
        channelRows[1]->CSpinEdit1->SetValue(34000000);
        f_settings->TrackBar2->setValue(17);
        QVERIFY(f_main->SaveProgrammerFile(tmp.filePath("before-read.vtr")));
        const QByteArray before = Image();
        const QStringList shownBefore = EditorSnapshot();

        f_main->read_btn->clicked();
        QVERIFY(p.JournalHas(QStringLiteral("Данные считаны успешно.")));
        const QByteArray read = Image();
        QCOMPARE(read, stationImage);
        QCOMPARE(f_main->windowTitle(), QStringLiteral("Программатор Tarnik"));

        // Undo gives back the saved file's document, named as it was; redo
        // the unnamed one that was read.
        f_main->undoAction->trigger();
        QCOMPARE(Image(), before);
        QCOMPARE(EditorSnapshot(), shownBefore);
        QCOMPARE(f_main->windowTitle(), QStringLiteral("Программатор Tarnik — before-read.vtr"));
        QCOMPARE(f_main->CurrentFile(), tmp.filePath("before-read.vtr"));
        f_main->redoAction->trigger();
        QCOMPARE(Image(), read);
        QCOMPARE(f_main->windowTitle(), QStringLiteral("Программатор Tarnik"));
        QVERIFY(f_main->CurrentFile().isEmpty());
    }

    void undoOfAFileLoad()
    {
        ProgramWindows p;
        QVERIFY(p.started);
        TTarnikPlus sample = Sample();
        f_main->ReadIntoEditors(sample);
        const QString path = tmp.filePath("load.vtr");
        QVERIFY(f_main->SaveProgrammerFile(path));
        const QStringList saved = EditorSnapshot();

        f_settings->ComboBox1->setCurrentIndex(0);
        emit f_settings->ComboBox1->activated(0);
        channelRows[3]->CheckBox1->setChecked(true);
        Settle();
        const QByteArray before = Image();
        const QStringList shownBefore = EditorSnapshot();
        const int steps = Stack()->count();

        QVERIFY(f_main->LoadProgrammerFile(path));
        QCOMPARE(Stack()->count(), steps + 1);
        QCOMPARE(EditorSnapshot(), saved);
        f_main->undoAction->trigger();
        QCOMPARE(Image(), before);
        QCOMPARE(EditorSnapshot(), shownBefore);
        f_main->redoAction->trigger();
        QCOMPARE(EditorSnapshot(), saved);
    }

    void channelTableThroughCsv()
    {
        ProgramWindows p;
        QVERIFY(p.started);
        TTarnikPlus sample = Sample();
        f_main->ReadIntoEditors(sample);
        const QString path = tmp.filePath("table.csv");
        QVERIFY(f_main->ExportChannelCsv(path));

        // Importing what was exported changes nothing and is no step.
        const QStringList shown = EditorSnapshot();
        const int steps = Stack()->count();
        QVERIFY(f_main->ImportChannelCsv(path));
        QCOMPARE(EditorSnapshot(), shown);
        QCOMPARE(Stack()->count(), steps);
        QVERIFY(!f_main->windowTitle().endsWith('*'));

        // One bad row among good ones: nothing is taken, the row is named.
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QList<QByteArray> lines = file.readAll().split('\n');
        file.close();
        lines[3] = "2,1,41000000,41000000,71.9,";
        lines[6] = "5,1,99000000,41000000,,";
        QFile bad(tmp.filePath("bad.csv"));
        QVERIFY(bad.open(QIODevice::WriteOnly));
        bad.write(lines.join('\n'));
        bad.close();
        QVERIFY(!f_main->ImportChannelCsv(bad.fileName()));
        QCOMPARE(p.errors.size(), 1);
        QVERIFY2(p.errors[0].contains(QStringLiteral("строка 7: канал 5")), qPrintable(p.errors[0]));
        QCOMPARE(EditorSnapshot(), shown);

        // A good file is one step, and undo puts the table back.
        lines[6] = "5,1,41050000,41075000,,100.0";
        QVERIFY(bad.open(QIODevice::WriteOnly));
        bad.write(lines.join('\n'));
        bad.close();
        const QByteArray before = Image();
        QVERIFY(f_main->ImportChannelCsv(bad.fileName()));
        QCOMPARE(Stack()->count(), steps + 1);
        QCOMPARE(channelRows[5]->CSpinEdit2->Value(), 41075000);
        QCOMPARE(channelRows[5]->ComboBox2->currentIndex(), 13);
        QCOMPARE(channelRows[2]->ComboBox1->currentIndex(), 3);
        QVERIFY(f_main->windowTitle().endsWith('*'));
        f_main->undoAction->trigger();
        QCOMPARE(Image(), before);
        QCOMPARE(EditorSnapshot(), shown);
    }
};

TARNIK_TEST_MAIN(TestEditUndo)
#include "test_editundo.moc"
