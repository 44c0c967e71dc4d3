// Takes screenshots of the widget kit in the running program, for looking
// at the windows under a real X server:
//   xvfb-run -a -s "-screen 0 1280x1024x24" widgets_screens <output dir>
// It uses a copy of the run directory, builds all windows as the program
// does, and saves what the X server shows: splash frames while the channel
// rows are built, the main window, a drop-down menu, a hovered button with
// its hint, the About window, the options, search, frequency and set-channel
// dialogs, and the action row as a
// station exchange shows it (progress bar and "Стоп").
#include "document/ProgramLanguage.h"
#include "app/Main.h"
#include "app/Startup.h"
#include "editors/Fconfig.h"
#include "editors/Ffreqedit.h"
#include "editors/Fsetchannel.h"
#include "link/Fsearch.h"
#include "tests/support/TestRunDir.h"
#include "widgets/Fabout.h"
#include "widgets/Frbutton.h"
#include "widgets/Frmainmenu.h"
#include "widgets/Frprogress.h"
#include "widgets/Fstartup.h"
#include "widgets/PaintBox.h"
#include <QApplication>
#include <QDir>
#include <QScreen>
#include <QTest>
#include <QWindow>
#include <cstdio>

namespace {

QString outDir;

void Expect(bool ok, const char* what)
{
    if (!ok)
        std::printf("warning: %s did not happen in time\n", what);
}

void Save(const QPixmap& shot, const QString& name)
{
    const QString path = QDir(outDir).filePath(name);
    std::printf("%s %s\n", qPrintable(path), shot.save(path) ? "saved" : "NOT SAVED");
}

QPixmap ScreenOf(QWidget* w)
{
    return QGuiApplication::primaryScreen()->grabWindow(w->window()->winId());
}

// Grabs the splash from the X server whenever it is about to paint a new
// position: what is on screen then is the picture the previous call of
// SetPosition left there, with no return to the event loop in between.
class SplashRecorder : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::UpdateRequest && f_startup && watched == f_startup) {
            const int shown = f_startup->fr_progress1->Position() - 1;
            if (shown % 10 == 0 || shown == 99) {
                const QPixmap shot = QGuiApplication::primaryScreen()->grabWindow(f_startup->winId());
                Save(shot, QStringLiteral("splash-shown-%1.png").arg(shown, 3, 10, QLatin1Char('0')));
            }
        }
        return false;
    }
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    // The windows in the language the locale asks for, as the program starts.
    InstallLanguage(app, QString());
    outDir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(outDir);
    TestRunDir run;
    if (!run.IsValid())
        return 1;

    SplashRecorder recorder;
    app.installEventFilter(&recorder);
    CreateWindows();
    app.removeEventFilter(&recorder);

    f_main->show();
    f_main->activateWindow();
    Expect(QTest::qWaitForWindowExposed(f_main), "main window exposed");
    Expect(QTest::qWaitForWindowActive(f_main), "main window active");
    QTest::qWait(2500);   // the rows are placed one second after creation
    Save(ScreenOf(f_main), "main-window.png");

    // A button under the cursor, with its hint.
    QTest::mouseMove(f_main->fr_button4->P, QPoint(20, 18));
    QTest::qWait(100);
    QTest::mouseMove(f_main->fr_button4->P, QPoint(21, 18));
    QTest::qWait(1500);
    std::printf("hint of the open button: %s\n", qPrintable(f_main->fr_button4->toolTip()));
    Save(QGuiApplication::primaryScreen()->grabWindow(0, f_main->x(), f_main->y(), 420, 200), "hover-hint.png");

    // The first drop-down, opened with a press on its title, a row under
    // the cursor.
    Tfr_mainmenu* bar = f_main->fr_mainmenu1;
    QTest::mouseMove(bar->P, QPoint(bar->ItemEdges()[0] + 3, 15));
    QTest::mousePress(bar->P, Qt::LeftButton, {}, QPoint(bar->ItemEdges()[0] + 3, 15));
    QTest::mouseRelease(bar->P, Qt::LeftButton, {}, QPoint(bar->ItemEdges()[0] + 3, 15));
    QTest::qWait(200);
    QTest::mouseMove(bar->DropDownImage(), QPoint(10, 30));
    QTest::qWait(300);
    Save(ScreenOf(f_main), "menu-file.png");
    // The station menu, with the restore.
    QTest::mouseMove(bar->P, QPoint(bar->ItemEdges()[1] + 3, 15));
    QTest::qWait(200);
    QTest::mouseMove(bar->DropDownImage(), QPoint(10, 30));
    QTest::qWait(300);
    Save(ScreenOf(f_main), "menu-station.png");
    // Slide along the bar to the last title: the drop-down follows.
    const int last = bar->Items().size() - 1;
    QTest::mouseMove(bar->P, QPoint(bar->ItemEdges()[last] + 3, 15));
    QTest::qWait(200);
    QTest::mouseMove(bar->DropDownImage(), QPoint(10, 8));
    QTest::qWait(300);
    Save(ScreenOf(f_main), "menu-help.png");
    QTest::mouseMove(bar->P, QPoint(bar->ItemEdges()[last] + 3, 15));
    QTest::mousePress(bar->P, Qt::LeftButton, {}, QPoint(bar->ItemEdges()[last] + 3, 15));
    QTest::qWait(200);

    // The About window as the menu shows it.
    f_about->show();
    Expect(QTest::qWaitForWindowExposed(f_about), "About window exposed");
    QTest::qWait(500);
    Save(ScreenOf(f_about), "about.png");
    f_about->hide();

    // The options dialog and the other dialogs of the main window.
    const QList<QPair<QWidget*, QString>> dialogs = {{f_config, "options.png"},
                                                     {f_search, "search.png"},
                                                     {f_freq, "frequency.png"},
                                                     {f_setchannel, "set-channel.png"}};
    for (const auto& [dialog, name] : dialogs) {
        dialog->show();
        Expect(QTest::qWaitForWindowExposed(dialog), "dialog exposed");
        QTest::qWait(300);
        Save(ScreenOf(dialog), name);
        dialog->hide();
    }

    // The action row while a station exchange runs.
    {
        Tf_main::StationCommand busy(f_main);
        f_main->fr_progress1->SetPosition(42);
        f_main->fr_progress1->show();
        QTest::qWait(300);
        Save(ScreenOf(f_main), "main-window-busy.png");
        f_main->fr_progress1->hide();
    }

    // The splash once more, shown alone at rest and at 50 %.
    f_startup->show();
    Expect(QTest::qWaitForWindowExposed(f_startup), "splash exposed");
    f_startup->fr_progress1->SetPosition(50);
    QTest::qWait(300);
    Save(ScreenOf(f_startup), "splash.png");
    f_startup->close();

    DestroyWindows();
    return 0;
}
