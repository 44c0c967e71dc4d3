// The menu commands, picked the way a user does: a click on a title of the
// menu bar, then a click on a row of its drop-down.
#include "tests/support/TestRegistry.h"
#include "document/ProgramLanguage.h"
#include "document/U_xml.h"
#include "editors/Fconfig.h"
#include "link/Fcomsettings.h"
#include "link/Fsearch.h"
#include "tests/app/ProgramHarness.h"
#include "tests/support/TestRunDir.h"
#include "widgets/Fabout.h"
#include "widgets/Frmainmenu.h"
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QRegularExpression>
#include <QLineEdit>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTimer>

using namespace harness;

namespace {
QFont MenuFont()
{
    QFont f(QStringLiteral("Arial"));
    f.setPointSize(12);
    return f;
}

// Closes the next modal dialog, noting which it was; a file dialog is given
// the name first (accepted) or rejected when the name is empty. The answer
// is armed before a pick and becomes due only with the pick's last click
// (moving the mouse processes events); Shown() cancels an answer no dialog
// came for.
class ModalAnswer {
public:
    ModalAnswer()
    {
        timer.setSingleShot(true);
        QObject::connect(&timer, &QTimer::timeout, [this] { Answer(); });
    }
    void Arm(const QString& fileName = QString(), const QString& dir = QString())
    {
        name = fileName;
        folder = dir;
        shown = nullptr;
        armed = true;
    }
    void Due()
    {
        if (armed)
            timer.start(0);
    }
    QWidget* Shown()
    {
        armed = false;
        timer.stop();
        return shown;
    }

private:
    void Answer()
    {
        shown = QApplication::activeModalWidget();
        auto* dialog = qobject_cast<QDialog*>(shown);
        if (!dialog)
            return;
        auto* files = qobject_cast<QFileDialog*>(dialog);
        if (files && !name.isEmpty()) {
            files->setDirectory(folder);
            files->selectFile(name);
            if (auto* edit = files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
                edit->setText(name);
            dialog->accept();
            return;
        }
        dialog->reject();
    }

    QTimer timer;
    QString name, folder;
    QWidget* shown = nullptr;
    bool armed = false;
};
} // namespace

class TestMenuCommands : public QObject {
    Q_OBJECT
private:
    QTemporaryDir tmp;
    TestRunDir* run = nullptr;
    ModalAnswer modal;
    QString helpLog;

    // Clicks title `item` of the menu bar, then row `sub` of its drop-down.
    void Pick(int item, int sub)
    {
        Tfr_mainmenu* bar = f_main->fr_mainmenu1;
        const QFontMetrics fm(MenuFont());
        int left = 5;
        for (int i = 0; i < item; ++i)
            left += fm.horizontalAdvance(bar->Items()[i].Name) + 10;
        const QPoint title(left + 3, bar->height() / 2);
        QWidget* target = bar->childAt(title) ? bar->childAt(title) : bar;
        const QPoint at = target->mapFrom(bar, title);
        QTest::mouseMove(target, at);
        QTest::mouseClick(target, Qt::LeftButton, {}, at);
        QVERIFY(bar->DropDownOpen());

        int top = 5;
        const QStringList rows = bar->Items()[item].SubItems;
        for (int j = 0; j < sub; ++j)
            top += rows[j] == "-" || rows[j] == "_" ? 10 : fm.height();
        // The drop-down stands below the title's highlight, in the window.
        const QPoint row(bar->mapTo(f_main, QPoint(left - 5 + 2, bar->height() + top + 2)));
        QWidget* list = f_main->childAt(row);
        QVERIFY(list);
        const QPoint inList = list->mapFrom(f_main, row);
        QTest::mouseMove(list, inList);
        modal.Due();
        QTest::mouseClick(list, Qt::LeftButton, {}, inList);
    }

private slots:
    void initTestCase()
    {
        // A stand-in for the desktop's opener: it notes its working
        // directory and the file it was given.
        helpLog = tmp.filePath("help.log");
        QFile opener(tmp.filePath("xdg-open"));
        QVERIFY(opener.open(QIODevice::WriteOnly));
        opener.write(QStringLiteral("#!/bin/sh\npwd > '%1.part'\necho \"$1\" >> '%1.part'\nmv '%1.part' '%1'\n")
                         .arg(helpLog)
                         .toUtf8());
        opener.close();
        QVERIFY(opener.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
        // A stand-in for the desktop's type registry: "xdg-mime query
        // default TYPE" names the application in the file mime-TYPE (with
        // '/' as '_'), or none.
        QFile registry(tmp.filePath("xdg-mime"));
        QVERIFY(registry.open(QIODevice::WriteOnly));
        registry.write(QStringLiteral("#!/bin/sh\n[ \"$1 $2\" = \"query default\" ] || exit 1\n"
                                      "f='%1/mime-'\"$(echo \"$3\" | tr / _)\"\n[ -f \"$f\" ] && cat \"$f\"\nexit 0\n")
                           .arg(tmp.path())
                           .toUtf8());
        registry.close();
        QVERIFY(registry.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
        qputenv("PATH", tmp.path().toUtf8() + ":" + qgetenv("PATH"));

        run = new TestRunDir;
        QVERIFY(run->IsValid());
        QVERIFY(StartProgram());
        QVERIFY(QTest::qWaitForWindowExposed(f_main));
        f_main->od->setOption(QFileDialog::DontUseNativeDialog);
        f_main->sd->setOption(QFileDialog::DontUseNativeDialog);
        f_main->odCsv->setOption(QFileDialog::DontUseNativeDialog);
        f_main->sdCsv->setOption(QFileDialog::DontUseNativeDialog);
        f_main->rd->setOption(QFileDialog::DontUseNativeDialog);
    }
    void cleanupTestCase()
    {
        StopProgram();
        delete run;
    }

    void openShowsTheOpenDialog()
    {
        modal.Arm();
        Pick(0, 0);
        QCOMPARE(modal.Shown(), f_main->od);
    }

    void saveAndSaveAs()
    {
        QVERIFY(f_main->CurrentFile().isEmpty());
        modal.Arm("first", tmp.path());
        Pick(0, 1);
        QCOMPARE(modal.Shown(), f_main->sd);
        QCOMPARE(f_main->CurrentFile(), tmp.filePath("first.vtr"));

        modal.Arm();
        Pick(0, 1);   // saving again asks nothing
        QVERIFY(!modal.Shown());
        QCOMPARE(LastText(), QStringLiteral("Сохранен: ") + tmp.filePath("first.vtr"));

        // Save as, cancelled: the name and the save target stay.
        modal.Arm();
        Pick(0, 2);
        QCOMPARE(modal.Shown(), f_main->sd);
        QCOMPARE(f_main->CurrentFile(), tmp.filePath("first.vtr"));
        QCOMPARE(f_main->windowTitle(), QStringLiteral("Программатор Tarnik — first.vtr"));

        modal.Arm("second", tmp.path());
        Pick(0, 2);   // save as always asks
        QCOMPARE(modal.Shown(), f_main->sd);
        QCOMPARE(f_main->CurrentFile(), tmp.filePath("second.vtr"));
        QCOMPARE(f_main->windowTitle(), QStringLiteral("Программатор Tarnik — second.vtr"));
        modal.Arm();
        Pick(0, 1);
        QVERIFY(!modal.Shown());
        QCOMPARE(LastText(), QStringLiteral("Сохранен: ") + tmp.filePath("second.vtr"));
    }

    void channelTableExportAndImport()
    {
        modal.Arm("channels", tmp.path());
        Pick(0, 3);
        QCOMPARE(modal.Shown(), f_main->sdCsv);
        QCOMPARE(LastText(), QStringLiteral("Каналы сохранены в CSV: ") + tmp.filePath("channels.csv"));
        modal.Arm("channels.csv", tmp.path());
        Pick(0, 4);
        QCOMPARE(modal.Shown(), f_main->odCsv);
        QCOMPARE(LastText(), QStringLiteral("Каналы загружены из CSV: ") + tmp.filePath("channels.csv"));
        // The dialogs say what they are for.
        QCOMPARE(f_main->sdCsv->windowTitle(), QStringLiteral("Экспорт каналов в CSV"));
        QCOMPARE(f_main->odCsv->windowTitle(), QStringLiteral("Импорт каналов из CSV"));
        // An import is an edit of the document: it keeps its name.
        QCOMPARE(f_main->CurrentFile(), tmp.filePath("second.vtr"));
    }

    void separatorDoesNothing()
    {
        const int entries = JournalCount();
        const QString file = f_main->CurrentFile();
        modal.Arm();
        Pick(0, 5);
        QCOMPARE(f_main->fr_mainmenu1->SubItemIndex(), 5);
        QVERIFY(!modal.Shown());
        QCOMPARE(JournalCount(), entries);
        QCOMPARE(f_main->CurrentFile(), file);
        QVERIFY(f_main->isVisible());
    }

    void dialogsOfTheOtherMenus()
    {
        modal.Arm();
        Pick(1, 0);
        QCOMPARE(modal.Shown(), static_cast<QWidget*>(f_search));
        modal.Arm();
        Pick(2, 0);
        QCOMPARE(modal.Shown(), static_cast<QWidget*>(f_com));
        // The restore asks for an image in the backup folder; declined, it
        // sends nothing.
        qputenv("XDG_DATA_HOME", tmp.path().toUtf8());
        const int entries = JournalCount();
        modal.Arm();
        Pick(1, 1);
        QCOMPARE(modal.Shown(), static_cast<QWidget*>(f_main->rd));
        QCOMPARE(f_main->rd->directory().absolutePath(), tmp.filePath("tarnik-programmer/backups"));
        QCOMPARE(JournalCount(), entries);
        QVERIFY(!f_main->StationBusy());
        modal.Arm();
        Pick(2, 1);
        QCOMPARE(modal.Shown(), static_cast<QWidget*>(f_config));
        modal.Arm();
        Pick(3, 1);
        QCOMPARE(modal.Shown(), static_cast<QWidget*>(f_about));
    }

    // Help hands a file to the opener with Source as working directory:
    // the web archive where the desktop names a viewer for it, else the
    // same guide as a page with its pictures; the guide of the language the
    // program runs in.
    void helpOpensTheHelpFileInTheSourceFolder_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("registered");
        QTest::addColumn<QString>("opened");
        QTest::newRow("viewer for multipart/related") << "ru" << "multipart_related" << "Source/Help.mht";
        QTest::newRow("viewer for application/x-mimearchive") << "ru" << "application_x-mimearchive" << "Source/Help.mht";
        QTest::newRow("no viewer") << "ru" << "" << "Source/Help.html";
        QTest::newRow("English, no viewer") << "en" << "" << "Source/Help.en.html";
        QTest::newRow("English, viewer") << "en" << "multipart_related" << "Source/Help.en.mht";
    }
    void helpOpensTheHelpFileInTheSourceFolder()
    {
        QFETCH(QString, language);
        QFETCH(QString, registered);
        QFETCH(QString, opened);
        InstallLanguage(*QCoreApplication::instance(), language);
        // The program's own language again for the tests that follow.
        const auto restore = qScopeGuard([] { InstallLanguage(*QCoreApplication::instance(), QStringLiteral("ru")); });
        const QString mark = tmp.filePath("mime-" + registered);
        if (!registered.isEmpty()) {
            QFile f(mark);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("archive-viewer.desktop\n");
        }
        QFile::remove(helpLog);
        modal.Arm();
        Pick(3, 0);
        if (!registered.isEmpty())
            QFile::remove(mark);
        QVERIFY(!modal.Shown());   // nothing modal: the viewer runs on its own
        QVERIFY(QTest::qWaitFor([this] { return QFile::exists(helpLog); }, 5000));
        QFile log(helpLog);
        QVERIFY(log.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromUtf8(log.readAll()).split('\n');
        QCOMPARE(QFileInfo(lines.value(0)).canonicalFilePath(), QFileInfo(run->File("Source")).canonicalFilePath());
        QCOMPARE(lines.value(1), run->File(opened));
        QVERIFY(QFile::exists(lines.value(1)));
    }

    // The page the help opens without a viewer for archives is the guide,
    // and every picture it shows lies beside it.
    void helpPageHoldsTheGuideAndItsPictures()
    {
        QFile page(run->File("Source/Help.html"));
        QVERIFY(page.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(page.readAll());
        QVERIFY(html.contains(QStringLiteral("Чтение")) && html.contains(QStringLiteral("Настройки загружены")));
        static const QRegularExpression picture(QStringLiteral("src=\"(images/[^\"]+)\""));
        int pictures = 0;
        for (auto it = picture.globalMatch(html); it.hasNext(); ++pictures) {
            const QString file = run->File("Source/" + it.next().captured(1));
            QVERIFY2(!QImage(file).isNull(), qPrintable(file));
        }
        QVERIFY(pictures >= 10);
    }

    void positionsWithoutCommandDoNothing()
    {
        // A catalogue with more than the table covers: shown, and picking
        // the extra positions does nothing.
        TmmitemList items = f_main->fr_mainmenu1->Items();
        items[1].SubItems << QStringLiteral("Лишний пункт");
        items << Tmmitem{QStringLiteral("Еще"), {QStringLiteral("Первый"), QStringLiteral("Второй")}};
        f_main->fr_mainmenu1->SetItems(items);
        const int entries = JournalCount();
        for (const auto& pos : QList<QPair<int, int>>{{1, 2}, {4, 0}, {4, 1}}) {
            modal.Arm();
            Pick(pos.first, pos.second);
            QCOMPARE(100 * f_main->fr_mainmenu1->ItemIndex() + f_main->fr_mainmenu1->SubItemIndex(),
                     100 * pos.first + pos.second);
            QVERIFY(!modal.Shown());
        }
        QCOMPARE(JournalCount(), entries);
    }

    void refusedWhileTheStationIsBusy()
    {
        modal.Arm();
        Pick(3, 1);   // leaves the pick on About...
        QCOMPARE(modal.Shown(), static_cast<QWidget*>(f_about));
        Tf_main::StationCommand busy(f_main);
        modal.Arm();
        modal.Due();
        f_main->mmclick->trigger();   // ...which does not run meanwhile
        QVERIFY(!modal.Shown());
    }

    // The last entry of the file menu exits, also in a menu kept from an
    // earlier catalogue, where "Выход" stands at the position the CSV
    // import has now: that pick must close, never import.
    void exitClosesLikeTheExitButton_data()
    {
        QTest::addColumn<bool>("earlierMenu");
        QTest::newRow("earlier catalogue") << true;
        QTest::newRow("current catalogue") << false;
    }

    void exitClosesLikeTheExitButton()
    {
        QFETCH(bool, earlierMenu);
        qApp->setQuitOnLastWindowClosed(false);   // the window is shown again for the next row
        f_main->show();
        QVERIFY(QTest::qWaitForWindowExposed(f_main));
        TmmitemList items = f_main->fr_mainmenu1->Items();
        if (earlierMenu) {
            items[0].SubItems = QStringList{"Открыть...", "Сохранить", "Сохранить как...", "-", "Выход"};
            f_main->fr_mainmenu1->SetItems(items);
        }
        f_com->fr_combobox2->setCurrentIndex(2);
        const int entries = JournalCount();
        modal.Arm();
        Pick(0, items[0].SubItems.size() - 1);
        QVERIFY(!modal.Shown());
        QCOMPARE(JournalCount(), entries);
        QVERIFY(!f_main->isVisible());
        QDomDocument doc;
        TXMLFile xml(&doc);
        QVERIFY(xml.LoadFromFile(run->SettingsFile()));
        QCOMPARE(xml.ReadValue("port", "speed"), QStringLiteral("2"));
    }
};

TARNIK_TEST_MAIN(TestMenuCommands)
#include "test_menucommands.moc"
