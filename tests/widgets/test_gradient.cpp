// The gradient band that every background of the kit is made of.
#include "tests/support/TestRegistry.h"
#include "KitTestSupport.h"
#include "widgets/U_drawing.h"
#include <QElapsedTimer>
#include <QPixmap>
#include <QTest>

using namespace kittest;

namespace {
QImage White(int w, int h)
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(Qt::white);
    return img;
}

QList<int> RedDown(const QImage& img, int x)
{
    QList<int> reds;
    for (int y = 0; y < img.height(); ++y)
        reds << img.pixelColor(x, y).red();
    return reds;
}
} // namespace

class TestGradient : public QObject {
    Q_OBJECT
private slots:
    void workedExamples();
    void risingAndFallingChannelsInOneColour();
    void singlePrecisionStep();
    void uniformAndSingleLine();
    void leftToRight();
    void coversOnlyTheHalfOpenRectangle();
    void nothingForEmptyRectanglesOrOtherDirections();
    void partlyAndFarOutsideTheTarget();
    void canvasPenLeftAtTheLastLine();
    void pixmapForm();
};

void TestGradient::workedExamples()
{
    // The top half of a 36-pixel button.
    QImage img = White(3, 18);
    GradientFill(img, 0, 0, 3, 18, RGBColor(206, 0, 0), RGBColor(193, 0, 0), GradientTopToBottom);
    const QList<int> expected{206, 206, 205, 204, 204, 203, 202, 201, 201,
                              200, 199, 199, 198, 197, 196, 196, 195, 194};
    QCOMPARE(RedDown(img, 0), expected);
    QCOMPARE(RedDown(img, 2), expected);

    QImage five = White(2, 5);
    GradientFill(five, 0, 0, 2, 5, RGBColor(182, 0, 0), RGBColor(156, 0, 0), GradientTopToBottom);
    QCOMPARE(RedDown(five, 1), (QList<int>{182, 177, 172, 167, 162}));
}

void TestGradient::risingAndFallingChannelsInOneColour()
{
    // Red falls by 190/7 per row, blue rises by 240/7; each is cut toward
    // zero on its own side (a floor would give red 172 on row 1).
    QImage img = White(1, 7);
    GradientFill(img, 0, 0, 1, 7, RGBColor(200, 0, 10), RGBColor(10, 0, 250), GradientTopToBottom);
    const int reds[] = {200, 173, 146, 119, 92, 65, 38};
    const int blues[] = {10, 44, 78, 112, 147, 181, 215};
    for (int y = 0; y < 7; ++y) {
        QCOMPARE(At(img, 0, y), Rgb(reds[y], 0, blues[y]));
    }
}

void TestGradient::singlePrecisionStep()
{
    // 18/20 held in single precision is 0.89999998; ten steps of it are
    // just under 9, so row 10 gets 8 where exact arithmetic would give 9.
    QImage img = White(1, 20);
    GradientFill(img, 0, 0, 1, 20, RGBColor(0, 0, 0), RGBColor(18, 0, 0), GradientTopToBottom);
    QCOMPARE(At(img, 0, 10).red(), 8);
    QCOMPARE(At(img, 0, 19).red(), 17);   // colour2 itself is never reached
    // 10/20 is exact: row 10 is exactly 5.
    GradientFill(img, 0, 0, 1, 20, RGBColor(0, 0, 0), RGBColor(10, 0, 0), GradientTopToBottom);
    QCOMPARE(At(img, 0, 10).red(), 5);
}

void TestGradient::uniformAndSingleLine()
{
    QImage img = White(4, 6);
    GradientFill(img, 0, 0, 4, 6, RGBColor(12, 34, 56), RGBColor(12, 34, 56), GradientTopToBottom);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 4; ++x)
            QCOMPARE(At(img, x, y), Rgb(12, 34, 56));

    // One line: exactly colour1.
    QImage line = White(4, 3);
    GradientFill(line, 0, 1, 4, 2, RGBColor(10, 20, 30), RGBColor(250, 240, 230), GradientTopToBottom);
    for (int x = 0; x < 4; ++x)
        QCOMPARE(At(line, x, 1), Rgb(10, 20, 30));
    QCOMPARE(At(line, 0, 0), Rgb(255, 255, 255));
    QCOMPARE(At(line, 0, 2), Rgb(255, 255, 255));
}

void TestGradient::leftToRight()
{
    QImage img = White(5, 3);
    GradientFill(img, 0, 0, 5, 3, RGBColor(182, 0, 0), RGBColor(156, 0, 0), GradientLeftToRight);
    const int reds[] = {182, 177, 172, 167, 162};
    for (int x = 0; x < 5; ++x)
        for (int y = 0; y < 3; ++y)
            QCOMPARE(At(img, x, y), Rgb(reds[x], 0, 0));
}

void TestGradient::coversOnlyTheHalfOpenRectangle()
{
    for (int direction : {0, 1}) {
        QImage img = White(8, 6);
        GradientFill(img, 2, 1, 6, 4, RGBColor(0, 0, 0), RGBColor(0, 0, 0), direction);
        const QRect painted = BoundsOf(img, Rgb(0, 0, 0));
        QCOMPARE(painted, QRect(QPoint(2, 1), QPoint(5, 3)));
        for (int y = 1; y <= 3; ++y)
            for (int x = 2; x <= 5; ++x)
                QCOMPARE(At(img, x, y), Rgb(0, 0, 0));
    }
}

void TestGradient::nothingForEmptyRectanglesOrOtherDirections()
{
    const QImage untouched = White(6, 6);
    struct Case { int x1, y1, x2, y2, direction; };
    const Case cases[] = {
        {1, 1, 1, 5, 0}, {1, 1, 5, 1, 0}, {1, 1, 1, 5, 1}, {1, 1, 5, 1, 1},   // zero size
        {5, 1, 1, 5, 0}, {1, 5, 5, 1, 1},                                     // turned round
        {0, 0, 6, 6, 2}, {0, 0, 6, 6, -1}, {0, 0, 6, 6, 99},                  // no such direction
    };
    for (const Case& c : cases) {
        QImage img = White(6, 6);
        GradientFill(img, c.x1, c.y1, c.x2, c.y2, RGBColor(1, 2, 3), RGBColor(200, 100, 50), c.direction);
        QCOMPARE(img, untouched);
    }
    // A null image is left alone without complaint.
    QImage none;
    GradientFill(none, 0, 0, 5, 5, RGBColor(1, 2, 3), RGBColor(4, 5, 6), GradientTopToBottom);
    QVERIFY(none.isNull());
}

void TestGradient::partlyAndFarOutsideTheTarget()
{
    // Rows -10 to 4 of a 15-row band; only rows 0 to 4 lie on the image and
    // they carry lines 10 to 14.
    QImage img = White(10, 10);
    GradientFill(img, -10, -10, 5, 5, RGBColor(0, 0, 0), RGBColor(150, 0, 0), GradientTopToBottom);
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 10; ++x) {
            const QColor expected = (x < 5 && y < 5) ? Rgb(BandChannel(0, 150, 15, y + 10), 0, 0) : Rgb(255, 255, 255);
            QCOMPARE(At(img, x, y), expected);
        }
    }

    // Entirely beside the image: nothing.
    QImage beside = White(10, 10);
    GradientFill(beside, 20, 0, 30, 10, RGBColor(0, 0, 0), RGBColor(9, 9, 9), GradientLeftToRight);
    QCOMPARE(beside, White(10, 10));

    // A band two thousand million rows long fills the visible rows at once.
    QImage tall = White(4, 4);
    QElapsedTimer clock;
    clock.start();
    GradientFill(tall, -2000000000, 0, 2000000000, 2000000000, RGBColor(0, 0, 0), RGBColor(255, 0, 0),
                 GradientTopToBottom);
    QVERIFY(clock.elapsed() < 1000);
    QCOMPARE(At(tall, 0, 0), Rgb(0, 0, 0));
    QCOMPARE(At(tall, 3, 3), Rgb(0, 0, 0));
}

void TestGradient::canvasPenLeftAtTheLastLine()
{
    QImage img = White(4, 5);
    QPainter p(&img);
    p.setPen(QColor(1, 2, 3));
    GradientFill(p, 0, 0, 4, 5, RGBColor(182, 10, 0), RGBColor(156, 20, 0), GradientTopToBottom);
    QCOMPARE(p.pen().color(), Rgb(162, 18, 0));
    QCOMPARE(p.pen().width(), 1);

    // Nothing drawn: the pen stays as the caller left it.
    p.setPen(QColor(1, 2, 3));
    GradientFill(p, 0, 0, 0, 5, RGBColor(182, 0, 0), RGBColor(156, 0, 0), GradientTopToBottom);
    QCOMPARE(p.pen().color(), Rgb(1, 2, 3));
    GradientFill(p, 0, 0, 4, 5, RGBColor(182, 0, 0), RGBColor(156, 0, 0), 2);
    QCOMPARE(p.pen().color(), Rgb(1, 2, 3));

    // Even when the last line lies outside the target.
    GradientFill(p, 0, 0, 4, 100, RGBColor(0, 0, 0), RGBColor(100, 0, 0), GradientTopToBottom);
    QCOMPARE(p.pen().color(), Rgb(99, 0, 0));

    // A painter that has been moved draws in its own coordinates.
    p.translate(2, 3);
    GradientFill(p, 0, 0, 1, 1, RGBColor(7, 8, 9), RGBColor(7, 8, 9), GradientTopToBottom);
    p.end();
    QCOMPARE(At(img, 2, 3), Rgb(7, 8, 9));
}

void TestGradient::pixmapForm()
{
    QPixmap pm(3, 18);
    pm.fill(Qt::white);
    GradientFill(pm, 0, 0, 3, 18, RGBColor(206, 211, 218), RGBColor(193, 198, 207), GradientTopToBottom);
    const QImage img = pm.toImage();
    QCOMPARE(At(img, 1, 0), Rgb(206, 211, 218));
    QCOMPARE(At(img, 1, 17), BandColour(Rgb(206, 211, 218), Rgb(193, 198, 207), 18, 17));
    QCOMPARE(At(img, 1, 17).red(), 194);
}

TARNIK_TEST_MAIN(TestGradient)
#include "test_gradient.moc"
