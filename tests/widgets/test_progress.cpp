// The progress bar: grey fill columns, the percentage text, and painting
// at once inside SetPosition.
#include "tests/support/TestRegistry.h"
#include "KitTestSupport.h"
#include "widgets/Frprogress.h"
#include "widgets/PaintBox.h"
#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <QWindow>
#include <memory>

using namespace kittest;

namespace {
const QColor Grey(128, 128, 128);

QFont BarFont()
{
    QFont f(QStringLiteral("Arial"));
    f.setPointSize(12);
    return f;
}

// Columns of the row that are grey.
QList<int> GreyColumns(const QImage& img, int y)
{
    QList<int> xs;
    for (int x = 0; x < img.width(); ++x)
        if (img.pixelColor(x, y) == Grey)
            xs << x;
    return xs;
}

QList<int> Range(int from, int to)
{
    QList<int> r;
    for (int x = from; x <= to; ++x)
        r << x;
    return r;
}

// Counts the paints of a widget.
class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};
} // namespace

class TestProgress : public QObject {
    Q_OBJECT
private slots:
    void background();
    void fillColumns_data();
    void fillColumns();
    void textCentred();
    void resizeRebuilds();
    void paintsAtOnceAndOnlyOnChange();
};

void TestProgress::background()
{
    Tfr_progress bar;
    QCOMPARE(bar.size(), QSize(300, 30));
    QCOMPARE(bar.Position(), 0);
    const QImage shot = Shot(&bar);
    QCOMPARE(At(shot, 0, 0), Rgb(206, 211, 218));
    QCOMPARE(At(shot, 0, 2), BandColour(Rgb(206, 211, 218), Rgb(193, 198, 203), 3, 2));
    QCOMPARE(At(shot, 0, 3), Rgb(181, 188, 198));
    QCOMPARE(At(shot, 0, 26), BandColour(Rgb(181, 188, 198), Rgb(229, 235, 235), 24, 23));
    QCOMPARE(At(shot, 0, 27), Rgb(182, 184, 184));
    QCOMPARE(At(shot, 299, 29), BandColour(Rgb(182, 184, 184), Rgb(156, 158, 158), 3, 2));
    // No outline.
    QVERIFY(BoundsOf(shot, Rgb(0, 0, 0)).isNull() || BoundsOf(shot, Rgb(0, 0, 0)).left() > 0);
}

void TestProgress::fillColumns_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("lastGrey");   // -1: none
    QTest::newRow("half") << 50 << 50 << 149;
    QTest::newRow("one") << 1 << 1 << 4;      // 294 / 100 + 3 = 5
    QTest::newRow("full") << 100 << 100 << 296;
    QTest::newRow("one more than full") << 101 << 100 << 296;
    QTest::newRow("far above") << 250 << 100 << 296;
    QTest::newRow("below zero") << -5 << 0 << -1;
    QTest::newRow("zero") << 0 << 0 << -1;
}

void TestProgress::fillColumns()
{
    QFETCH(int, value);
    QFETCH(int, position);
    QFETCH(int, lastGrey);
    Tfr_progress bar;
    bar.SetPosition(37);   // start elsewhere, so that 0 is a change too
    bar.SetPosition(value);
    QCOMPARE(bar.Position(), position);
    const QImage shot = Shot(&bar);
    const QList<int> expected = lastGrey < 0 ? QList<int>{} : Range(3, lastGrey);
    // Rows 3 and 26 (H - 4) are the first and last of the bar, clear of the text.
    QCOMPARE(GreyColumns(shot, 3), expected);
    QCOMPARE(GreyColumns(shot, 26), expected);
    QVERIFY(GreyColumns(shot, 2).isEmpty());
    QVERIFY(GreyColumns(shot, 27).isEmpty());
}

void TestProgress::textCentred()
{
    // The empty bar's bands are the same all along a row: column 2, left of
    // any fill and text, gives each row's colour.
    const QImage empty = Shot(std::make_unique<Tfr_progress>().get());
    for (int value : {-5, 7, 50, 250}) {
        Tfr_progress bar;
        bar.SetPosition(value);
        QImage expected(300, 30, QImage::Format_RGB32);
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 300; ++x)
                expected.setPixelColor(x, y, empty.pixelColor(2, y));
        QPainter p(&expected);
        const int right = bar.Position() * 294 / 100 + 3;
        if (right > 3)
            p.fillRect(3, 3, right - 3, 24, Grey);
        p.setFont(BarFont());
        p.setPen(Rgb(0, 0, 0));
        const QFontMetrics fm(BarFont());
        const QString text = QString::number(bar.Position()) + "%";
        p.drawText((300 - fm.horizontalAdvance(text)) / 2, (30 - fm.height()) / 2 + fm.ascent(), text);
        p.end();
        QCOMPARE(Shot(&bar), expected);
    }
}

void TestProgress::resizeRebuilds()
{
    Tfr_progress bar;
    bar.SetPosition(100);
    bar.resize(200, 20);
    const QImage shot = Shot(&bar);
    QCOMPARE(shot.size(), QSize(200, 20));
    QCOMPARE(GreyColumns(shot, 16), Range(3, 196));
    QCOMPARE(At(shot, 199, 17), Rgb(182, 184, 184));
    QCOMPARE(At(shot, 199, 3), Rgb(181, 188, 198));
    QCOMPARE(bar.P->geometry(), QRect(0, 0, 200, 20));
}

void TestProgress::paintsAtOnceAndOnlyOnChange()
{
    QWidget window;
    window.setGeometry(50, 50, 320, 50);
    auto* bar = new Tfr_progress(&window);
    bar->move(10, 10);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::qWait(50);

    PaintCounter counter;
    bar->P->installEventFilter(&counter);
    QScreen* screen = QGuiApplication::primaryScreen();
    // No return to the event loop between SetPosition and the look at what
    // the window shows.
    for (int value = 1; value <= 100; ++value) {
        const int before = counter.paints;
        bar->SetPosition(value);
        QCOMPARE(counter.paints, before + 1);
        const QImage shown = screen->grabWindow(window.winId()).toImage().convertToFormat(QImage::Format_RGB32);
        const int right = value * 294 / 100 + 3;
        QCOMPARE(At(shown, 10 + right - 1, 10 + 3), Grey);
        if (right < 297)
            QVERIFY(At(shown, 10 + right, 10 + 3) != Grey);
    }
    // The same value again: the picture is unchanged, nothing is painted.
    const int before = counter.paints;
    bar->SetPosition(100);
    bar->SetPosition(101);
    bar->SetPosition(250);
    QCOMPARE(counter.paints, before);
    bar->SetPosition(99);
    QCOMPARE(counter.paints, before + 1);
}

TARNIK_TEST_MAIN(TestProgress)
#include "test_progress.moc"
