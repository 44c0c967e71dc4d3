// The widget kit at work in the whole program: the splash while the rows
// are built, and the main window's menu bar, panels, buttons and progress
// bar.
#include "tests/support/TestRegistry.h"
#include "KitTestSupport.h"
#include "widgets/ErrorBox.h"
#include "app/Fjournal.h"
#include "app/Main.h"
#include "app/SetAsideQuestion.h"
#include "app/Startup.h"
#include "tests/support/TestRunDir.h"
#include "widgets/Frbutton.h"
#include "widgets/Frmainmenu.h"
#include "widgets/Frpanel.h"
#include "widgets/Frprogress.h"
#include "widgets/Fstartup.h"
#include "widgets/PaintBox.h"
#include <QAction>
#include <QFrame>
#include <QGuiApplication>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidget>
#include <memory>

using namespace kittest;

namespace {

// Watches the splash's bar while the start-up builds the rows: which
// positions get painted, and what the screen shows just before some of them
// (the picture the previous SetPosition left there).
class SplashWatch : public QObject {
public:
    QList<int> painted;
    QMap<int, QImage> shownBefore;
    bool eventFilter(QObject* watched, QEvent* e) override
    {
        if (!f_startup)
            return false;
        if (e->type() == QEvent::Paint && watched == f_startup->fr_progress1->P)
            painted << f_startup->fr_progress1->Position();
        // Before the window paints a new position, the screen still holds
        // the picture the previous SetPosition left there.
        if (e->type() == QEvent::UpdateRequest && watched == f_startup) {
            const int p = f_startup->fr_progress1->Position();
            if (p == 26 || p == 51 || p == 100)
                shownBefore[p] = QGuiApplication::primaryScreen()->grabWindow(f_startup->winId()).toImage()
                                     .convertToFormat(QImage::Format_RGB32);
        }
        return false;
    }
};

bool JournalHas(const QString& text)
{
    for (int i = 0; i < f_journal->ListView1->topLevelItemCount(); ++i)
        if (f_journal->ListView1->topLevelItem(i)->text(2) == text)
            return true;
    return false;
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();

    void splashAdvancedWhileRowsWereBuilt();
    void stripsAndPanels();
    void toolButtons();
    void actionRow();
    void menuBarFromTheCatalogue();
    void menuPickTriggersMmclick();
    void resizeKeepsTheStrips();

private:
    std::unique_ptr<TestRunDir> run;
    SplashWatch watch;
    QStringList errors;
};

void TestMainWindow::initTestCase()
{
    run = std::make_unique<TestRunDir>();
    QVERIFY(run->IsValid());
    SetErrorBoxHandler([this](const QString& m) { errors << m; });
    SetSetAsideHandler([] { return TSetAsideAnswer::Discard; });
    qApp->installEventFilter(&watch);
    CreateWindows();
    qApp->removeEventFilter(&watch);
    f_main->show();
    QVERIFY(QTest::qWaitForWindowExposed(f_main));
    QTRY_VERIFY_WITH_TIMEOUT(JournalHas(QStringLiteral("Настройки загружены")), 10000);
    QVERIFY2(errors.isEmpty(), qPrintable(errors.join('\n')));
}

void TestMainWindow::cleanupTestCase()
{
    DestroyWindows();
    SetErrorBoxHandler(nullptr);
    SetSetAsideHandler({});
    run.reset();
}

void TestMainWindow::splashAdvancedWhileRowsWereBuilt()
{
    // Every per cent from 1 to 100 was painted, in order, each once.
    QList<int> steps = watch.painted;
    while (!steps.isEmpty() && steps.first() == 0)
        steps.removeFirst();
    QList<int> expected;
    for (int p = 1; p <= 100; ++p)
        expected << p;
    QCOMPARE(steps, expected);
    // And it reached the screen step by step.
    QCOMPARE(watch.shownBefore.size(), 3);
    for (auto it = watch.shownBefore.cbegin(); it != watch.shownBefore.cend(); ++it) {
        const int shown = it.key() - 1;
        const int right = shown * 294 / 100 + 3;
        QCOMPARE(At(it.value(), 48 + right - 1, 143 + 3), Rgb(128, 128, 128));
        QVERIFY(At(it.value(), 48 + right, 143 + 3) != Rgb(128, 128, 128));
    }
    QVERIFY(!f_startup->isVisible());
    QCOMPARE(f_startup->fr_progress1->Position(), 100);
}

void TestMainWindow::stripsAndPanels()
{
    const int W = f_main->width(), H = f_main->height();
    QCOMPARE(f_main->size(), QSize(870, 640));
    QCOMPARE(f_main->fr_mainmenu1->geometry(), QRect(0, 0, W, 30));
    QCOMPARE(f_main->fr_panel1->geometry(), QRect(0, 30, W, 48));
    QCOMPARE(f_main->Panel1->geometry(), QRect(0, 78, W, 48));
    QCOMPARE(f_main->Panel1->frameShape(), QFrame::NoFrame);
    QCOMPARE(f_main->fr_panel3->parentWidget(), f_main->Panel1);
    QCOMPARE(f_main->fr_panel3->geometry(), QRect(0, 0, W, 48));
    QCOMPARE(f_main->fr_panel2->geometry(), QRect(0, H - 120, W, 120));
    for (Tfr_panel* p : {f_main->fr_panel1, f_main->fr_panel2, f_main->fr_panel3})
        QVERIFY(p->Lines().isEmpty());
    // The menu strip is dark, the panels show their gradient.
    const QImage shot = Shot(f_main);
    QCOMPARE(At(shot, W - 2, 2), Rgb(83, 83, 83));
    QCOMPARE(At(shot, W - 2, 30), Rgb(0, 0, 0));    // fr_panel1's outline
    QCOMPARE(At(shot, W - 5, 31), BandColour(Rgb(206, 211, 218), Rgb(193, 198, 203), 5, 1));
}

void TestMainWindow::toolButtons()
{
    struct Tool { Tfr_button* b; int x; const char* hint; };
    const Tool tools[] = {
        {f_main->fr_button3, 6, "Поиск станции"},
        {f_main->fr_button4, 60, "Открыть файл программатора"},
        {f_main->fr_button5, 100, "Сохранить файл программатора"},
        {f_main->fr_button6, 153, "Настройки соединения"},
        {f_main->fr_button7, 193, "Настройки приложения"},
        {f_main->fr_button1, 249, "Печать отчета"},
        {f_main->fr_button8, 471, "Выход из программы"},
    };
    for (const Tool& t : tools) {
        QCOMPARE(t.b->parentWidget(), f_main);
        QCOMPARE(t.b->geometry(), QRect(t.x, 36, 40, 36));
        QVERIFY(t.b->Lines().isEmpty());
        QVERIFY(t.b->HasPicture());
        QCOMPARE(t.b->PictureLayout(), int(Tfr_button::PictureAbove));
        QCOMPARE(t.b->toolTip(), QString::fromUtf8(t.hint));
        QVERIFY(t.b->isVisible());
        // Above the panel: the button is what the window shows there.
        QCOMPARE(f_main->childAt(t.x + 20, 36 + 18), static_cast<QWidget*>(t.b->P));
        // Its picture sits at ((40 - pw) / 2, (36 - ph - 5) / 2).
        const QImage pic = t.b->Picture();
        const QImage shot = Shot(t.b);
        const QPoint at((40 - pic.width()) / 2, (36 - pic.height() - 5) / 2);
        const QImage keyed = KeyedOut(pic);
        for (int y = 0; y < pic.height(); ++y)
            for (int x = 0; x < pic.width(); ++x)
                if (qAlpha(keyed.pixel(x, y)) == 255)
                    QCOMPARE(At(shot, at.x() + x, at.y() + y), pic.pixelColor(x, y));
    }
}

void TestMainWindow::actionRow()
{
    struct Action { Tfr_button* b; QRect geometry; const char* caption; };
    const Action actions[] = {
        {f_main->read_btn, QRect(8, 6, 120, 36), "Чтение"},
        {f_main->write_btn, QRect(127, 6, 120, 36), "Запись"},
        {f_main->fr_button2, QRect(246, 6, 150, 36), "Задать канал"},
    };
    for (const Action& a : actions) {
        QCOMPARE(a.b->parentWidget(), f_main->Panel1);
        QCOMPARE(a.b->geometry(), a.geometry);
        QCOMPARE(a.b->Lines(), QStringList{QString::fromUtf8(a.caption)});
        QVERIFY(a.b->HasPicture());
        QCOMPARE(a.b->PictureLayout(), int(Tfr_button::PictureLeft));
        QCOMPARE(a.b->State(), int(Tfr_button::Normal));
        QCOMPARE(f_main->Panel1->childAt(a.geometry.center()), static_cast<QWidget*>(a.b->P));
        // Picture left of the caption: the picture's pixels lie left of the
        // button's centre.
        const QImage pic = a.b->Picture();
        QFont f(QStringLiteral("Arial"));
        f.setPointSize(12);
        const int A = pic.width() + 5 + QFontMetrics(f).horizontalAdvance(QString::fromUtf8(a.caption));
        const QPoint at((a.geometry.width() - A) / 2, (36 - pic.height()) / 2);
        const QImage shot = Shot(a.b);
        const QImage keyed = KeyedOut(pic);
        for (int y = 0; y < pic.height(); ++y)
            for (int x = 0; x < pic.width(); ++x)
                if (qAlpha(keyed.pixel(x, y)) == 255)
                    QCOMPARE(At(shot, at.x() + x, at.y() + y), pic.pixelColor(x, y));
    }
    QCOMPARE(f_main->fr_progress1->parentWidget(), f_main->Panel1);
    QCOMPARE(f_main->fr_progress1->geometry(), QRect(414, 9, 300, 30));
    QVERIFY(!f_main->fr_progress1->isVisible());
}

void TestMainWindow::menuBarFromTheCatalogue()
{
    Tfr_mainmenu* bar = f_main->fr_mainmenu1;
    QCOMPARE(bar->PickAction.data(), f_main->mmclick);
    QStringList names;
    for (const Tmmitem& it : bar->Items())
        names << it.Name;
    QCOMPARE(names, (QStringList{"Файл", "Станция", "Настройки", "Помощь"}));
    QCOMPARE(bar->Items()[0].SubItems.size(), 7);
    QCOMPARE(bar->ItemEdges().size(), 5);
    QVERIFY(!BoundsOf(Shot(bar), Rgb(255, 255, 255)).isNull());   // the titles show
}

void TestMainWindow::menuPickTriggersMmclick()
{
    Tfr_mainmenu* bar = f_main->fr_mainmenu1;
    QSignalSpy triggered(f_main->mmclick, &QAction::triggered);
    const int x = bar->ItemEdges()[0] + 3;
    QTest::mouseMove(bar->P, QPoint(x, 15));
    QTest::mouseClick(bar->P, Qt::LeftButton, {}, QPoint(x, 15));
    QVERIFY(bar->DropDown()->isVisible());
    QCOMPARE(bar->DropDown()->parentWidget(), f_main);
    QCOMPARE(f_main->childAt(10, 40), static_cast<QWidget*>(bar->DropDownImage()));
    // The separator of the file menu: a position without a command.
    QFont f(QStringLiteral("Arial"));
    f.setPointSize(12);
    const int separatorTop = 5 + 5 * QFontMetrics(f).height();
    QTest::mouseMove(bar->DropDownImage(), QPoint(10, separatorTop + 3));
    QCOMPARE(bar->SubItemIndex(), 5);
    QTest::mouseClick(bar->DropDownImage(), Qt::LeftButton, {}, QPoint(10, separatorTop + 3));
    QCOMPARE(triggered.count(), 1);
    QVERIFY(!bar->DropDown()->isVisible());
    QCOMPARE(bar->ItemIndex(), 0);
    QVERIFY(errors.isEmpty());
}

void TestMainWindow::resizeKeepsTheStrips()
{
    f_main->resize(1000, 700);
    QCOMPARE(f_main->fr_mainmenu1->geometry(), QRect(0, 0, 1000, 30));
    QCOMPARE(f_main->fr_panel3->geometry(), QRect(0, 0, 1000, 48));
    QCOMPARE(f_main->fr_panel2->geometry(), QRect(0, 580, 1000, 120));
    const QImage panel = Shot(f_main->fr_panel2);
    QCOMPARE(panel.size(), QSize(1000, 120));
    QCOMPARE(At(panel, 999, 60), Rgb(0, 0, 0));
    f_main->resize(870, 640);
}

TARNIK_TEST_MAIN(TestMainWindow)
#include "test_mainwindow.moc"
