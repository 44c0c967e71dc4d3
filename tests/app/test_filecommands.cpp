// Programmer files from the main window: save and load against the real
// editors, the all-or-nothing load, failed saves, and the open, save and
// save-as commands with their dialogs.
#include "tests/support/TestRegistry.h"
#include "document/U_xml.h"
#include "link/StationRecord.h"
#include "tests/app/ProgramHarness.h"
#include "tests/support/TestRunDir.h"
#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>

using namespace harness;

namespace {
QByteArray ReadAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool WriteAll(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

// Puts the editors into a configuration that depends on the seed, with
// every value away from its start-up state and receive and transmit apart.
void FillEditors(int seed)
{
    QList<QComboBox*> lists = f_settings->Lists();
    lists[0]->setCurrentIndex(seed % lists[0]->count());
    f_settings->ComboBox1Change(f_main);
    for (int n = 1; n < lists.size(); ++n)
        lists[n]->setCurrentIndex((seed + n) % lists[n]->count());
    int k = 0;
    for (QCheckBox* box : {f_settings->CheckBox1, f_settings->CheckBox2, f_settings->CheckBox3,
                           f_settings->CheckBox4, f_settings->CheckBox5})
        box->setChecked((seed + k++) % 2 == 0);
    f_settings->TrackBar1->setValue(1000 * seed + 7);
    for (int r = 0; r < 10; ++r)
        f_settings->noiseLevelRows[r]->CSpinEdit1->SetValue((seed * 13 + r * 17) % 256);
    for (int i = 0; i < channelRows.size(); ++i) {
        Tfr_reccord* row = channelRows[i];
        const int min = row->CSpinEdit1->MinValue();
        row->CheckBox1->setChecked((i + seed) % 3 != 0);
        row->LoadFrequencies(min + 25000 * ((i + seed) % 200), min + 25000 * ((i * 7 + seed) % 200));
        row->ComboBox1->setCurrentIndex((i + seed) % 51);
        row->ComboBox2->setCurrentIndex((i * 3 + seed) % 51);
    }
}

// Replaces (or, with a null text, removes) one element of a saved file.
bool EditFile(const QString& path, const QString& parent, const QString& element, const QString& text)
{
    QDomDocument doc;
    if (!doc.setContent(ReadAll(path)))
        return false;
    QDomElement p = doc.documentElement();
    for (const QString& name : parent.split('/'))
        p = p.firstChildElement(name);
    QDomElement e = p.firstChildElement(element);
    if (e.isNull())
        return false;
    if (text.isNull())
        p.removeChild(e);
    else
        e.firstChild().setNodeValue(text);
    QByteArray bytes;
    return SerialiseDocument(doc, bytes) && WriteAll(path, bytes);
}

// Answers the next modal file dialog: accepts it with the name typed in
// the directory, or rejects it when the name is empty. A command that shows
// no dialog returns before the answer is due; Shown() then cancels it, so
// no answer is left over for a later command.
class DialogDriver {
public:
    DialogDriver()
    {
        timer.setSingleShot(true);
        QObject::connect(&timer, &QTimer::timeout, [this] { Answer(); });
    }
    void Arm(const QString& dir, const QString& name)
    {
        this->dir = dir;
        this->name = name;
        shown = nullptr;
        timer.start(0);
    }
    // The dialog that was answered, or null when none appeared.
    QFileDialog* Shown()
    {
        timer.stop();
        return shown;
    }

private:
    void Answer()
    {
        shown = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!shown)
            return;
        if (name.isEmpty()) {
            shown->reject();
            return;
        }
        // selectFile clears an earlier selection in the list but leaves the
        // name field alone while it has the focus; the name is then typed in.
        shown->setDirectory(dir);
        shown->selectFile(name);
        if (auto* edit = shown->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
            edit->setText(name);
        static_cast<QDialog*>(shown)->accept();   // QFileDialog's own accept is protected
    }

    QTimer timer;
    QString dir, name;
    QFileDialog* shown = nullptr;
};
} // namespace

class TestFileCommands : public QObject {
    Q_OBJECT
private:
    TestRunDir run;
    QTemporaryDir tmp;
    DialogDriver dialogs;
    QString Path(const QString& name) const { return tmp.filePath(name); }

    // The load failed, said so with the path and icon 6, and changed nothing.
    void CheckRefused(const QString& path, const QStringList& before)
    {
        QCOMPARE(LastText(), QStringLiteral("Ошибка чтения файла: ") + path);
        QCOMPARE(LastIcon(), 6);
        QCOMPARE(EditorSnapshot(), before);
        QVERIFY(ErrorBoxes().isEmpty());
    }

private slots:
    void initTestCase()
    {
        QVERIFY(run.IsValid());
        QVERIFY(StartProgram());
        f_main->od->setOption(QFileDialog::DontUseNativeDialog);
        f_main->sd->setOption(QFileDialog::DontUseNativeDialog);
        for (Tfr_reccord* row : channelRows)
            row->commonFrequency = true;
    }
    void cleanupTestCase() { StopProgram(); }
    // Every case starts with an unnamed document: what the editors hold,
    // as if just read from a station.
    void init()
    {
        TTarnikPlus shown;
        f_channels->SaveToRecord(shown);
        f_settings->SaveToRecord(shown);
        f_main->ReadIntoEditors(shown);
        QVERIFY(f_main->CurrentFile().isEmpty());
        ErrorBoxes().clear();
    }

    void saveThenLoadGivesBackEverything()
    {
        FillEditors(2);   // the second band
        const QStringList saved = EditorSnapshot();
        const QString path = Path("all.vtr");
        f_main->SaveProgrammerFile(path);
        QCOMPARE(LastText(), QStringLiteral("Сохранен: ") + path);
        QCOMPARE(LastIcon(), 3);

        FillEditors(4);   // another band, other values everywhere
        QVERIFY(EditorSnapshot() != saved);
        f_main->LoadProgrammerFile(path);
        QCOMPARE(LastText(), QStringLiteral("Загружен: ") + path);
        QCOMPARE(LastIcon(), 8);
        QCOMPARE(EditorSnapshot(), saved);
        // With the common frequency on, each row still has its own pair.
        QVERIFY(channelRows[1]->CSpinEdit1->Text() != channelRows[1]->CSpinEdit2->Text());
        // The loaded file is the document: the title names it and saving
        // writes to it.
        QCOMPARE(f_main->CurrentFile(), path);
        QCOMPARE(f_main->windowTitle(), QStringLiteral("Программатор Tarnik — all.vtr"));
    }

    // The PWM power and the station's two shutdown flags travel in the file
    // as value26..value28; a file of an earlier version without them leaves
    // those controls as they are.
    void pwmPowerAndShutdownFlagsWhenTheFileHasThem()
    {
        FillEditors(1);
        f_settings->TrackBar2->setValue(123);
        f_settings->CheckBox6->setChecked(true);
        f_settings->CheckBox7->setChecked(false);
        const QString path = Path("extras.vtr");
        f_main->SaveProgrammerFile(path);
        f_settings->TrackBar2->setValue(5);
        f_settings->CheckBox6->setChecked(false);
        f_settings->CheckBox7->setChecked(true);
        f_main->LoadProgrammerFile(path);
        QCOMPARE(LastIcon(), 8);
        QCOMPARE(f_settings->TrackBar2->value(), 123);
        QCOMPARE(f_settings->Edit2->text(), QStringLiteral("123"));
        QVERIFY(f_settings->CheckBox6->isChecked());
        QVERIFY(!f_settings->CheckBox7->isChecked());

        for (const char* name : {"value26", "value27", "value28"})
            QVERIFY(EditFile(path, "settings", QString::fromLatin1(name), QString()));
        f_settings->TrackBar2->setValue(77);
        f_settings->CheckBox7->setChecked(true);
        f_main->LoadProgrammerFile(path);
        QCOMPARE(LastIcon(), 8);
        QCOMPARE(f_settings->TrackBar2->value(), 77);
        QVERIFY(f_settings->CheckBox6->isChecked());
        QVERIFY(f_settings->CheckBox7->isChecked());
    }

    void fileWithTenChannelsChangesOnlyThose()
    {
        FillEditors(1);   // band 2, 41 000 - 49 000 kHz
        const QStringList file = EditorSnapshot();
        const QString path = Path("ten.vtr");
        f_main->SaveProgrammerFile(path);
        QVERIFY(EditFile(path, "channels", "count", "10"));
        FillEditors(5);   // band 3, other values
        const QStringList before = EditorSnapshot();
        f_main->LoadProgrammerFile(path);
        QCOMPARE(LastIcon(), 8);

        const QStringList after = EditorSnapshot();
        const int firstRow = after.size() - channelRows.size();
        QCOMPARE(after.mid(0, firstRow), file.mid(0, firstRow));   // the settings
        for (int i = 0; i < channelRows.size(); ++i) {
            if (i < 10) {
                QCOMPARE(after[firstRow + i], file[firstRow + i]);
                continue;
            }
            // Enable and tones kept; both frequencies on the new band's
            // lower limit, where the band change put them.
            Tfr_reccord* row = channelRows[i];
            const QStringList was = before[firstRow + i].split(' ');
            QCOMPARE(QString::number(row->CheckBox1->isChecked()), was[0]);
            QCOMPARE(QString::number(row->ComboBox1->currentIndex()), was[3]);
            QCOMPARE(QString::number(row->ComboBox2->currentIndex()), was[4]);
            QCOMPARE(row->CSpinEdit1->Value(), 41000000);
            QCOMPARE(row->CSpinEdit2->Value(), 41000000);
        }
    }

    void brokenFilesLeaveTheEditorsUntouched_data()
    {
        QTest::addColumn<QString>("parent");
        QTest::addColumn<QString>("element");
        QTest::addColumn<QString>("text");
        QTest::newRow("missing value3") << "settings" << "value3" << QString();
        QTest::newRow("word that is no truth value") << "settings" << "value13" << "maybe";
        QTest::newRow("no band selected") << "settings" << "value1" << "-1";
        QTest::newRow("band beyond the list") << "settings" << "value1" << "3";
        QTest::newRow("noise level not a number") << "settings" << "value20" << "x";
        QTest::newRow("negative count") << "channels" << "count" << "-5";
        QTest::newRow("missing channel element") << "channels" << "channel100" << QString();
        QTest::newRow("frequency not a number") << "channels/channel3" << "TX" << "";
    }
    void brokenFilesLeaveTheEditorsUntouched()
    {
        QFETCH(QString, parent);
        QFETCH(QString, element);
        QFETCH(QString, text);
        FillEditors(0);
        const QString path = Path("broken.vtr");
        f_main->SaveProgrammerFile(path);
        QVERIFY(EditFile(path, parent, element, text));
        FillEditors(7);
        const QStringList before = EditorSnapshot();
        f_main->LoadProgrammerFile(path);
        CheckRefused(path, before);
    }

    void unreadableFilesLeaveTheEditorsUntouched()
    {
        FillEditors(3);
        const QStringList before = EditorSnapshot();
        f_main->LoadProgrammerFile(Path("nowhere.vtr"));
        CheckRefused(Path("nowhere.vtr"), before);
        QVERIFY(WriteAll(Path("text.vtr"), "not xml at all"));
        f_main->LoadProgrammerFile(Path("text.vtr"));
        CheckRefused(Path("text.vtr"), before);
    }

    void bandWithoutCatalogueLimitsIsRefused()
    {
        FillEditors(1);   // band 2
        const QString path = Path("band2.vtr");
        f_main->SaveProgrammerFile(path);
        const QByteArray catalogue = run.ReadSettings();
        QByteArray cut = catalogue;
        cut.replace("<max2>49000</max2>", "");
        QVERIFY(run.WriteSettings(cut));
        FillEditors(0);
        const QStringList before = EditorSnapshot();
        f_main->LoadProgrammerFile(path);
        QVERIFY(run.WriteSettings(catalogue));
        CheckRefused(path, before);
    }

    void valuesOutsideTheirRange()
    {
        FillEditors(0);
        const QString path = Path("range.vtr");
        f_main->SaveProgrammerFile(path);
        QVERIFY(EditFile(path, "settings", "value3", "99"));            // volume beyond its list
        QVERIFY(EditFile(path, "settings", "value15", "70000"));        // beyond the slider
        QVERIFY(EditFile(path, "settings", "value16", "300"));          // beyond a noise level
        QVERIFY(EditFile(path, "channels/channel1", "RX", "1000"));     // below the band
        QVERIFY(EditFile(path, "channels/channel1", "TX", "999999999"));   // above it
        QVERIFY(EditFile(path, "channels/channel1", "CTCSSRX", "70"));  // beyond the tone list
        QVERIFY(EditFile(path, "channels/channel1", "enable", "5"));    // non-zero ticks
        f_main->LoadProgrammerFile(path);
        QCOMPARE(LastIcon(), 8);
        QCOMPARE(f_settings->ComboBox3->currentIndex(), -1);
        QCOMPARE(f_settings->TrackBar1->value(), 65535);
        QCOMPARE(f_settings->Edit1->text(), QStringLiteral("65535"));
        QCOMPARE(f_settings->noiseLevelRows[0]->CSpinEdit1->Value(), 255);
        Tfr_reccord* row = channelRows[0];
        QCOMPARE(row->CSpinEdit1->Value(), 33000000);
        QCOMPARE(row->CSpinEdit2->Value(), 41000000);
        QCOMPARE(row->ComboBox1->currentIndex(), -1);
        QVERIFY(row->CheckBox1->isChecked());
        QVERIFY(row->CSpinEdit1->isEnabled());

        // Saving again writes -1 for the lists without a selection.
        f_main->SaveProgrammerFile(path);
        QDomDocument doc;
        TXMLFile xml(&doc);
        QVERIFY(xml.LoadFromFile(path));
        QCOMPARE(xml.ReadValue("settings", "value3"), QStringLiteral("-1"));
        QCOMPARE(xml.ReadValue("channels", "channel1", "CTCSSRX"), QStringLiteral("-1"));
    }

    void typedFrequencyIsClampedBeforeItIsStored()
    {
        FillEditors(0);
        channelRows[4]->CSpinEdit1->SetText(QStringLiteral("99000000"));   // typed, not yet left
        const QString path = Path("typed.vtr");
        f_main->SaveProgrammerFile(path);
        QDomDocument doc;
        TXMLFile xml(&doc);
        QVERIFY(xml.LoadFromFile(path));
        QCOMPARE(xml.ReadValue("channels", "channel5", "RX"), QStringLiteral("41000000"));
    }

    void failedSaveSaysSoAndKeepsTheName()
    {
        const QString dir = Path("later");
        const QString path = dir + "/file.vtr";
        QVERIFY(QDir().mkpath(dir));
        QVERIFY(f_main->SaveProgrammerFile(path));
        QVERIFY(QDir(dir).removeRecursively());
        channelRows[3]->CheckBox1->toggle();
        const int entries = JournalCount();
        f_main->fr_button5PClick(f_main->fr_button5);
        QCOMPARE(JournalCount(), entries + 1);
        // The reason in the program's words: the folder is gone.
        QCOMPARE(LastText(), QStringLiteral("Ошибка записи файла: %1 (папка не найдена)").arg(path));
        QCOMPARE(LastIcon(), 6);
        QCOMPARE(f_main->CurrentFile(), path);
        QVERIFY(!QFile::exists(path));

        // Once the directory is there again, the same command saves without
        // asking.
        QVERIFY(QDir().mkpath(dir));
        dialogs.Arm(tmp.path(), QString());
        f_main->fr_button5PClick(f_main->fr_button5);
        QVERIFY(!dialogs.Shown());
        QCOMPARE(LastText(), QStringLiteral("Сохранен: ") + path);
        QVERIFY(QFile::exists(path));

        // A save to another name that fails keeps the name the document had.
        QVERIFY(!f_main->SaveProgrammerFile(Path("gone/other.vtr")));
        QCOMPARE(f_main->CurrentFile(), path);
    }

    void savingTwiceAsksOnce()
    {
        dialogs.Arm(tmp.path(), "twice");
        f_main->fr_button5PClick(f_main->fr_button5);
        QVERIFY(dialogs.Shown() == f_main->sd);
        const QString path = Path("twice.vtr");   // the default extension is added
        QCOMPARE(f_main->CurrentFile(), path);
        QCOMPARE(LastText(), QStringLiteral("Сохранен: ") + path);

        dialogs.Arm(tmp.path(), QString());
        f_main->fr_button5PClick(f_main->fr_button5);
        QVERIFY(!dialogs.Shown());
        QCOMPARE(LastText(), QStringLiteral("Сохранен: ") + path);
    }

    void savingOverAnExistingFileDoesNotAsk()
    {
        const QString path = Path("exists.vtr");
        QVERIFY(WriteAll(path, "old"));
        dialogs.Arm(tmp.path(), "exists.vtr");
        // A confirmation box would block the command; it is answered "Yes"
        // and noted.
        bool confirmation = false;
        QTimer confirm;
        connect(&confirm, &QTimer::timeout, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                confirmation = true;
                if (QAbstractButton* yes = box->button(QMessageBox::Yes))
                    yes->click();
                else
                    box->accept();
            }
        });
        confirm.start(50);
        f_main->fr_button5PClick(f_main->fr_button5);
        confirm.stop();
        QVERIFY(dialogs.Shown());
        QVERIFY(!confirmation);
        QCOMPARE(LastText(), QStringLiteral("Сохранен: ") + path);
        QVERIFY(ReadAll(path).startsWith("<?xml"));
    }

    void cancelledDialogsDoNothing()
    {
        FillEditors(0);
        const QStringList before = EditorSnapshot();
        const int entries = JournalCount();
        dialogs.Arm(tmp.path(), QString());
        f_main->fr_button5PClick(f_main->fr_button5);
        QVERIFY(dialogs.Shown() == f_main->sd);
        QVERIFY(f_main->CurrentFile().isEmpty());
        dialogs.Arm(tmp.path(), QString());
        f_main->fr_button4PClick(f_main->fr_button4);
        QVERIFY(dialogs.Shown() == f_main->od);
        QCOMPARE(JournalCount(), entries);
        QCOMPARE(EditorSnapshot(), before);
    }

    // Save as b.vtr, open a.vtr, edit, "Сохранить": a.vtr gets the edit and
    // b.vtr stays as it was.
    void openingMakesTheOpenedFileTheSaveTarget()
    {
        FillEditors(1);
        const QString a = Path("a.vtr"), b = Path("b.vtr");
        QVERIFY(f_main->SaveProgrammerFile(a));
        FillEditors(2);
        dialogs.Arm(tmp.path(), "b.vtr");
        QVERIFY(f_main->SaveAsCommand());
        QCOMPARE(f_main->CurrentFile(), b);
        const QByteArray bBefore = ReadAll(b);

        dialogs.Arm(tmp.path(), "a.vtr");
        f_main->fr_button4PClick(f_main->fr_button4);
        QVERIFY(dialogs.Shown() == f_main->od);
        QCOMPARE(LastText(), QStringLiteral("Загружен: ") + a);
        QCOMPARE(f_main->CurrentFile(), a);
        QCOMPARE(f_main->windowTitle(), QStringLiteral("Программатор Tarnik — a.vtr"));

        channelRows[7]->CheckBox1->toggle();
        QTRY_COMPARE(f_main->windowTitle(), QStringLiteral("Программатор Tarnik — a.vtr*"));
        const QStringList edited = EditorSnapshot();
        dialogs.Arm(tmp.path(), QString());
        f_main->fr_button5PClick(f_main->fr_button5);
        QVERIFY(!dialogs.Shown());
        QCOMPARE(LastText(), QStringLiteral("Сохранен: ") + a);
        QCOMPARE(ReadAll(b), bBefore);
        QCOMPARE(f_main->windowTitle(), QStringLiteral("Программатор Tarnik — a.vtr"));
        FillEditors(3);
        f_main->LoadProgrammerFile(a);
        QCOMPARE(EditorSnapshot(), edited);

        // A read names no file: "Сохранить" asks again.
        init();
        dialogs.Arm(tmp.path(), QString());
        f_main->fr_button5PClick(f_main->fr_button5);
        QVERIFY(dialogs.Shown() == f_main->sd);
    }

    void openDialogTakesAnyTypedName()
    {
        FillEditors(0);
        const QStringList before = EditorSnapshot();
        dialogs.Arm(tmp.path(), "typed-but-missing.vtr");
        f_main->fr_button4PClick(f_main->fr_button4);
        QVERIFY(dialogs.Shown() == f_main->od);
        CheckRefused(Path("typed-but-missing.vtr"), before);
    }

    void commandsWaitWhileTheStationIsBusy()
    {
        const int entries = JournalCount();
        {
            Tf_main::StationCommand busy(f_main);
            dialogs.Arm(tmp.path(), QString());
            f_main->fr_button5PClick(f_main->fr_button5);
            f_main->fr_button4PClick(f_main->fr_button4);
            QVERIFY(!dialogs.Shown());
        }
        QCOMPARE(JournalCount(), entries);
    }
};

TARNIK_TEST_MAIN(TestFileCommands)
#include "test_filecommands.moc"
