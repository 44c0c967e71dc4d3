// The menu bar: title edges and hit tests, the highlight, the drop-down's
// layout and position, menu mode, and picking.
#include "tests/support/TestRegistry.h"
#include "KitTestSupport.h"
#include "widgets/Frmainmenu.h"
#include "widgets/PaintBox.h"
#include <QAction>
#include <QCursor>
#include <QTest>

using namespace kittest;

namespace {
const QColor BarGrey(83, 83, 83);
const QColor Blue(0, 0, 255);

QFontMetrics MenuMetrics()
{
    QFont f(QStringLiteral("Arial"));
    f.setPointSize(12);
    return QFontMetrics(f);
}

TmmitemList Catalogue()
{
    return {
        {QStringLiteral("Файл"), {QStringLiteral("Открыть..."), QStringLiteral("Сохранить"), QStringLiteral("-"),
                                  QStringLiteral("Выход")}},
        {QStringLiteral("Вид"), {}},
        {QStringLiteral("Помощь"), {QStringLiteral("Справка"), QStringLiteral("_"), QStringLiteral("О программе")}},
    };
}

// The drop-down rows as its layout rules give them: tops, width, height.
struct TRows {
    QList<int> tops;
    int width = 0;
    int height = 0;
};

TRows RowsOf(const QStringList& subItems)
{
    const QFontMetrics fm = MenuMetrics();
    TRows r;
    int y = 5;
    for (const QString& s : subItems) {
        r.tops << y;
        if (s == "-" || s == "_") {
            y += 10;
        } else {
            y += fm.height();
            r.width = std::max(r.width, fm.horizontalAdvance(s) + 10);
        }
    }
    r.height = y + 5;
    return r;
}

// Records what the pick handler would read.
struct TPicks {
    QList<QPair<int, int>> picks;
};
} // namespace

class TestMainMenu : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void plainStripBeforeItems();
    void titleEdges();
    void hitTestEdgesAreStrict();
    void highlightAndTitles();
    void dropDownLayout();
    void separatorsAndRowHighlight();
    void slidingAlongTheBarWhileOpen();
    void closingTheMenuMode();
    void rightAlignedNearTheEnd();
    void titleWithoutSubItems();
    void pickingRows();
    void clickElsewhereLeavesItOpen();
    void disabledBarDisablesItsDropDown();

private:
    void MoveOnBar(int x) { QTest::mouseMove(bar->P, QPoint(x, 15)); }
    void PressOnBar(int x) { QTest::mouseClick(bar->P, Qt::LeftButton, {}, QPoint(x, 15)); }
    void MoveOnDropDown(int y) { QTest::mouseMove(bar->DropDownImage(), QPoint(8, y)); }
    QImage DropDownShot() { return Shot(bar->DropDownImage()); }

    QWidget* host = nullptr;
    Tfr_mainmenu* bar = nullptr;
    QAction* pick = nullptr;
    TPicks picks;
};

void TestMainMenu::init()
{
    host = new QWidget;
    host->setGeometry(50, 50, 667, 300);
    bar = new Tfr_mainmenu(host);
    bar->setGeometry(0, 0, 667, 30);
    auto* below = new QWidget(host);   // a control the drop-down must cover
    below->setGeometry(0, 30, 667, 100);
    pick = new QAction(host);
    picks = {};
    connect(pick, &QAction::triggered, host, [this] { picks.picks << qMakePair(bar->ItemIndex(), bar->SubItemIndex()); });
    bar->PickAction = pick;
    host->show();
    QVERIFY(QTest::qWaitForWindowExposed(host));
}

void TestMainMenu::cleanup()
{
    delete host;
    host = nullptr;
    QCursor::setPos(QPoint(0, 0));
}

void TestMainMenu::plainStripBeforeItems()
{
    QCOMPARE(bar->ItemIndex(), -1);
    QCOMPARE(bar->SubItemIndex(), -1);
    QVERIFY(!bar->DropDownOpen());
    MoveOnBar(20);
    PressOnBar(20);
    QCOMPARE(bar->ItemIndex(), -1);
    QVERIFY(!bar->DropDownOpen());
    QVERIFY(!bar->DropDown()->isVisible());
    const QImage shot = Shot(bar);
    QCOMPARE(BoundsOf(shot, BarGrey), QRect(0, 0, 667, 30));
    for (int y = 0; y < 30; y += 7)
        for (int x = 0; x < 667; x += 13)
            QCOMPARE(At(shot, x, y), BarGrey);

    // An empty list is the same.
    bar->SetItems({});
    PressOnBar(20);
    QVERIFY(!bar->DropDownOpen());
    QCOMPARE(bar->ItemEdges(), QList<int>{5});
}

void TestMainMenu::titleEdges()
{
    bar->SetItems(Catalogue());
    const QFontMetrics fm = MenuMetrics();
    const int e1 = 5 + fm.horizontalAdvance("Файл") + 10;
    const int e2 = e1 + fm.horizontalAdvance("Вид") + 10;
    const int e3 = e2 + fm.horizontalAdvance("Помощь") + 10;
    QCOMPARE(bar->ItemEdges(), (QList<int>{5, e1, e2, e3}));
    QCOMPARE(bar->Items().size(), 3);
    QCOMPARE(bar->Items()[2].SubItems.size(), 3);
}

void TestMainMenu::hitTestEdgesAreStrict()
{
    bar->SetItems(Catalogue());
    const QList<int> e = bar->ItemEdges();
    struct Case { int x, item; };
    const Case cases[] = {
        {e[0] + 1, 0}, {e[0], -1}, {e[1] - 1, 0}, {e[1], -1}, {e[1] + 1, 1}, {e[2], -1},
        {e[2] + 1, 2}, {e[3] - 1, 2}, {e[3], -1}, {e[3] + 50, -1}, {2, -1}, {e[1] + 1, 1},
    };
    for (const Case& c : cases) {
        MoveOnBar(c.x);
        QCOMPARE(bar->ItemIndex(), c.item);
    }
}

void TestMainMenu::highlightAndTitles()
{
    bar->SetItems(Catalogue());
    const QList<int> e = bar->ItemEdges();
    MoveOnBar(e[1] + 3);
    const QImage shot = Shot(bar);
    // Highlight from 5 before the title to 6 before the next one.
    QCOMPARE(At(shot, e[1] - 5, 0), Rgb(152, 152, 152));
    QCOMPARE(At(shot, e[2] - 6, 0), Rgb(152, 152, 152));
    QCOMPARE(At(shot, e[1] - 6, 0), BarGrey);
    QCOMPARE(At(shot, e[2] - 5, 0), BarGrey);
    QCOMPARE(At(shot, e[1] - 5, 14), BandColour(Rgb(152, 152, 152), Rgb(82, 115, 125), 15, 14));
    QCOMPARE(At(shot, e[1] - 5, 15), Rgb(82, 115, 125));
    QCOMPARE(At(shot, e[2] - 6, 29), BandColour(Rgb(82, 115, 125), Rgb(50, 176, 214), 15, 14));
    // The titles are white, each from its edge, never left of it.
    const QRect white = BoundsOf(shot, Rgb(255, 255, 255));
    QVERIFY(white.isValid());
    QVERIFY(white.left() >= e[0]);
    QVERIFY(white.right() < e[3]);
    // The highlight goes when the mouse leaves the titles.
    MoveOnBar(e[3] + 20);
    QCOMPARE(At(Shot(bar), e[1] - 5, 0), BarGrey);
}

void TestMainMenu::dropDownLayout()
{
    bar->SetItems(Catalogue());
    const QList<int> e = bar->ItemEdges();
    MoveOnBar(e[0] + 3);
    PressOnBar(e[0] + 3);
    QVERIFY(bar->DropDownOpen());
    QWidget* d = bar->DropDown();
    QVERIFY(d->isVisible());
    QCOMPARE(d->parentWidget(), host);
    // Over the window's other controls.
    QCOMPARE(host->childAt(10, 40), static_cast<QWidget*>(bar->DropDownImage()));
    const TRows rows = RowsOf(Catalogue()[0].SubItems);
    QCOMPARE(d->geometry(), QRect(e[0] - 5, 30, rows.width, rows.height));
    QCOMPARE(bar->DropDownImage()->geometry(), QRect(0, 0, rows.width, rows.height));
    QCOMPARE(bar->SubItemIndex(), -1);

    // Background: two halves running dark-light-dark from left to right.
    const QImage shot = DropDownShot();
    const int half = rows.width / 2;
    QCOMPARE(At(shot, 0, 1), Rgb(83, 83, 83));
    QCOMPARE(At(shot, half, 1), Rgb(100, 100, 100));
    QCOMPARE(At(shot, half - 1, 1), BandColour(Rgb(83, 83, 83), Rgb(100, 100, 100), half, half - 1));
    QCOMPARE(At(shot, rows.width - 1, rows.height - 1),
             BandColour(Rgb(100, 100, 100), Rgb(83, 83, 83), rows.width - half, rows.width - half - 1));
    // Texts from x = 5, nothing white in the margins.
    const QRect white = BoundsOf(shot, Rgb(255, 255, 255));
    QVERIFY(white.left() >= 5);
    QVERIFY(white.top() >= 5);
    QVERIFY(white.bottom() < rows.height - 5);

    // A bar lower in its window, and further right: the drop-down follows.
    bar->setGeometry(20, 40, 600, 30);
    PressOnBar(e[0] + 3);
    QVERIFY(!bar->DropDownOpen());
    PressOnBar(e[0] + 3);
    QCOMPARE(d->geometry(), QRect(e[0] + 20 - 5, 70, rows.width, rows.height));
}

void TestMainMenu::separatorsAndRowHighlight()
{
    bar->SetItems(Catalogue());
    const QList<int> e = bar->ItemEdges();
    MoveOnBar(e[0] + 3);
    PressOnBar(e[0] + 3);
    const TRows rows = RowsOf(Catalogue()[0].SubItems);
    const int W = rows.width;

    // The separator (row 2): 10 pixels, blue line 5 below the row's top.
    QImage shot = DropDownShot();
    const int line = rows.tops[2] + 5;
    QCOMPARE(rows.tops[3] - rows.tops[2], 10);
    for (int x = 0; x < W; ++x)
        QCOMPARE(At(shot, x, line), Blue);
    QVERIFY(BoundsOf(shot, Blue) == QRect(0, line, W, 1));

    // A row under the mouse is highlighted over its whole height and width.
    MoveOnDropDown(rows.tops[1] + 2);
    QCOMPARE(bar->SubItemIndex(), 1);
    shot = DropDownShot();
    QCOMPARE(At(shot, 0, rows.tops[1]), Rgb(134, 134, 134));
    QCOMPARE(At(shot, 0, rows.tops[2] - 1), Rgb(134, 134, 134));
    QCOMPARE(At(shot, W / 2, rows.tops[1]), Rgb(117, 117, 117));
    QCOMPARE(At(shot, 0, rows.tops[2]), Rgb(83, 83, 83));
    QCOMPARE(At(shot, 0, rows.tops[1] - 1), Rgb(83, 83, 83));

    // Exactly on a row boundary: no highlight, the index stays.
    MoveOnDropDown(rows.tops[1]);
    QCOMPARE(bar->SubItemIndex(), 1);
    QCOMPARE(At(DropDownShot(), 0, rows.tops[1] + 1), Rgb(83, 83, 83));

    // Over the separator: its index is taken, nothing is highlighted.
    MoveOnDropDown(rows.tops[2] + 2);
    QCOMPARE(bar->SubItemIndex(), 2);
    shot = DropDownShot();
    QCOMPARE(At(shot, 0, rows.tops[2] + 1), Rgb(83, 83, 83));
    QCOMPARE(At(shot, 0, rows.tops[1] + 1), Rgb(83, 83, 83));
    QCOMPARE(At(shot, 0, line), Blue);

    // The last row reaches to the bottom edge; its highlight stops 5 above.
    MoveOnDropDown(rows.height - 1);
    QCOMPARE(bar->SubItemIndex(), 3);
    shot = DropDownShot();
    QCOMPARE(At(shot, 0, rows.tops[3]), Rgb(134, 134, 134));
    QCOMPARE(At(shot, 0, rows.height - 6), Rgb(134, 134, 134));
    QCOMPARE(At(shot, 0, rows.height - 5), Rgb(83, 83, 83));

    // The top margin belongs to no row.
    MoveOnDropDown(2);
    QCOMPARE(bar->SubItemIndex(), 3);
    shot = DropDownShot();
    for (int y = 0; y < rows.height; ++y)
        QVERIFY(At(shot, 0, y) != Rgb(134, 134, 134));   // column 0 holds no text
}

void TestMainMenu::slidingAlongTheBarWhileOpen()
{
    bar->SetItems(Catalogue());
    const QList<int> e = bar->ItemEdges();
    MoveOnBar(e[0] + 3);
    PressOnBar(e[0] + 3);
    MoveOnDropDown(RowsOf(Catalogue()[0].SubItems).tops[1] + 2);
    QCOMPARE(bar->SubItemIndex(), 1);

    MoveOnBar(e[2] + 3);
    QCOMPARE(bar->ItemIndex(), 2);
    QVERIFY(bar->DropDown()->isVisible());
    const TRows help = RowsOf(Catalogue()[2].SubItems);
    QCOMPARE(bar->DropDown()->geometry(), QRect(e[2] - 5, 30, help.width, help.height));
    QCOMPARE(bar->SubItemIndex(), -1);

    // Past the last title: hidden, but the menu mode stays.
    MoveOnBar(e[3] + 30);
    QCOMPARE(bar->ItemIndex(), -1);
    QVERIFY(!bar->DropDown()->isVisible());
    QVERIFY(bar->DropDownOpen());
    // Back onto a title: shown again without a click.
    MoveOnBar(e[0] + 3);
    QVERIFY(bar->DropDown()->isVisible());
    QCOMPARE(bar->DropDown()->height(), RowsOf(Catalogue()[0].SubItems).height);

    // Without the menu mode, moving over the titles opens nothing.
    PressOnBar(e[0] + 3);
    QVERIFY(!bar->DropDownOpen());
    MoveOnBar(e[2] + 3);
    QVERIFY(!bar->DropDown()->isVisible());
}

void TestMainMenu::closingTheMenuMode()
{
    bar->SetItems(Catalogue());
    const QList<int> e = bar->ItemEdges();
    // The highlighted title a second time.
    MoveOnBar(e[0] + 3);
    PressOnBar(e[0] + 3);
    QVERIFY(bar->DropDown()->isVisible());
    PressOnBar(e[0] + 3);
    QVERIFY(!bar->DropDownOpen());
    QVERIFY(!bar->DropDown()->isVisible());

    // Beside the titles after the mouse has left them.
    PressOnBar(e[0] + 3);
    QVERIFY(bar->DropDownOpen());
    MoveOnBar(e[3] + 40);
    PressOnBar(e[3] + 40);
    QVERIFY(!bar->DropDownOpen());
    QVERIFY(!bar->DropDown()->isVisible());
    // And a further press there does nothing.
    PressOnBar(e[3] + 40);
    QVERIFY(!bar->DropDownOpen());

    // Any mouse button works the bar.
    MoveOnBar(e[2] + 3);
    QTest::mouseClick(bar->P, Qt::RightButton, {}, QPoint(e[2] + 3, 15));
    QVERIFY(bar->DropDownOpen());
    QVERIFY(bar->DropDown()->isVisible());
}

void TestMainMenu::rightAlignedNearTheEnd()
{
    bar->SetItems(Catalogue());
    const QList<int> e = bar->ItemEdges();
    const TRows help = RowsOf(Catalogue()[2].SubItems);
    // The bar ends just after the last title; its drop-down would stick out.
    bar->resize(e[3] + 2, 30);
    QVERIFY(e[2] + help.width - 5 > bar->width());
    MoveOnBar(e[2] + 3);
    PressOnBar(e[2] + 3);
    QCOMPARE(bar->DropDown()->geometry(), QRect(e[3] - 5 - help.width, 30, help.width, help.height));
    QCOMPARE(bar->DropDown()->geometry().right() + 1, e[3] - 5);   // ends with the highlight

    // Exactly at the limit it stays left-aligned.
    PressOnBar(e[2] + 3);
    bar->resize(e[2] + help.width - 5, 30);
    PressOnBar(e[2] + 3);
    QCOMPARE(bar->DropDown()->x(), e[2] - 5);
}

void TestMainMenu::titleWithoutSubItems()
{
    bar->SetItems(Catalogue());
    const QList<int> e = bar->ItemEdges();
    MoveOnBar(e[1] + 3);
    PressOnBar(e[1] + 3);
    QVERIFY(bar->DropDownOpen());
    QCOMPARE(bar->DropDown()->size(), QSize(0, 10));
    MoveOnDropDown(5);
    QCOMPARE(bar->SubItemIndex(), -1);
}

void TestMainMenu::pickingRows()
{
    bar->SetItems(Catalogue());
    const QList<int> e = bar->ItemEdges();
    const TRows file = RowsOf(Catalogue()[0].SubItems);

    // A row.
    MoveOnBar(e[0] + 3);
    PressOnBar(e[0] + 3);
    MoveOnDropDown(file.tops[1] + 3);
    QTest::mouseClick(bar->DropDownImage(), Qt::LeftButton, {}, QPoint(8, file.tops[1] + 3));
    QCOMPARE(picks.picks, (QList<QPair<int, int>>{{0, 1}}));
    QVERIFY(!bar->DropDownOpen());
    QVERIFY(!bar->DropDown()->isVisible());
    // The indexes and the bar's highlight stay for the handler.
    QCOMPARE(bar->ItemIndex(), 0);
    QCOMPARE(bar->SubItemIndex(), 1);
    QCOMPARE(At(Shot(bar), e[0] - 5, 0), Rgb(152, 152, 152));

    // The top margin after moving over the last row picks that row.
    PressOnBar(e[0] + 3);
    MoveOnDropDown(file.tops[3] + 3);
    MoveOnDropDown(2);
    QTest::mouseClick(bar->DropDownImage(), Qt::LeftButton, {}, QPoint(8, 2));
    QCOMPARE(picks.picks.last(), qMakePair(0, 3));

    // A separator hands its position over.
    PressOnBar(e[0] + 3);
    MoveOnDropDown(file.tops[2] + 4);
    QTest::mouseClick(bar->DropDownImage(), Qt::LeftButton, {}, QPoint(8, file.tops[2] + 4));
    QCOMPARE(picks.picks.last(), qMakePair(0, 2));

    // Another title after sliding there.
    PressOnBar(e[0] + 3);
    MoveOnBar(e[2] + 3);
    const TRows help = RowsOf(Catalogue()[2].SubItems);
    MoveOnDropDown(help.tops[2] + 3);
    QTest::mouseClick(bar->DropDownImage(), Qt::LeftButton, {}, QPoint(8, help.tops[2] + 3));
    QCOMPARE(picks.picks.last(), qMakePair(2, 2));
    QCOMPARE(picks.picks.size(), 4);

    // Without an action the pick only closes the drop-down.
    bar->PickAction = nullptr;
    PressOnBar(e[2] + 3);
    MoveOnDropDown(help.tops[0] + 3);
    QTest::mouseClick(bar->DropDownImage(), Qt::LeftButton, {}, QPoint(8, help.tops[0] + 3));
    QVERIFY(!bar->DropDown()->isVisible());
    QCOMPARE(picks.picks.size(), 4);
}

void TestMainMenu::clickElsewhereLeavesItOpen()
{
    bar->SetItems(Catalogue());
    const QList<int> e = bar->ItemEdges();
    MoveOnBar(e[0] + 3);
    PressOnBar(e[0] + 3);
    QTest::mouseClick(host, Qt::LeftButton, {}, QPoint(600, 250));
    QVERIFY(bar->DropDownOpen());
    QVERIFY(bar->DropDown()->isVisible());
    QVERIFY(picks.picks.isEmpty());
}

void TestMainMenu::disabledBarDisablesItsDropDown()
{
    bar->SetItems(Catalogue());
    const QList<int> e = bar->ItemEdges();
    MoveOnBar(e[0] + 3);
    PressOnBar(e[0] + 3);
    bar->setEnabled(false);
    QVERIFY(!bar->DropDown()->isEnabled());
    // The open drop-down picks nothing while its bar is disabled.
    QTest::mouseClick(bar->DropDownImage(), Qt::LeftButton, {}, QPoint(8, 10));
    QVERIFY(picks.picks.isEmpty());
    bar->setEnabled(true);
    QVERIFY(bar->DropDown()->isEnabled());
}

TARNIK_TEST_MAIN(TestMainMenu)
#include "test_mainmenu.moc"
