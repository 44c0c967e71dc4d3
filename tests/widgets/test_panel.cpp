// The background panel: bands, outline, caption and hover colour.
#include "tests/support/TestRegistry.h"
#include "KitTestSupport.h"
#include "widgets/Frpanel.h"
#include "widgets/PaintBox.h"
#include "widgets/U_drawing.h"
#include <QCursor>
#include <QTest>
#include <QTimer>

using namespace kittest;

namespace {
const QColor TopFrom(206, 211, 218), TopTo(193, 198, 203);
const QColor BodyFrom(181, 188, 198), BodyTo(229, 235, 235);
const QColor Black(0, 0, 0);

QFont PanelFont()
{
    QFont f(QStringLiteral("Arial"));
    f.setPointSize(12);
    return f;
}

// The panel's background as the band table gives it, outline included.
QImage Background(int W, int H)
{
    QImage img(W, H, QImage::Format_RGB32);
    for (int y = 0; y < H; ++y) {
        QColor c;
        if (y >= H - 5)
            c = QColor(182 - (y - (H - 5)) * 26 / 5, 184 - (y - (H - 5)) * 26 / 5, 184 - (y - (H - 5)) * 26 / 5);
        else if (y < 5)
            c = BandColour(TopFrom, TopTo, 5, y);
        else
            c = BandColour(BodyFrom, BodyTo, H - 10, y - 5);
        for (int x = 0; x < W; ++x)
            img.setPixelColor(x, y, (x == 0 || y == 0 || x == W - 1 || y == H - 1) ? Black : c);
    }
    return img;
}
} // namespace

class TestPanel : public QObject {
    Q_OBJECT
private slots:
    void bandsAndOutline();
    void bottomBandIsTheWorkedExample();
    void lowPanelKeepsBottomBandAndOutline();
    void resizeRebuildsTheBackground();
    void emptyCaptionDrawsNoText();
    void captionOnTheBottomBand();
    void hoverTurnsTheCaptionBlack();
};

void TestPanel::bandsAndOutline()
{
    Tfr_panel panel;
    QCOMPARE(panel.size(), QSize(320, 240));
    panel.SetCaption(QString());
    const QImage shot = Shot(&panel);
    QCOMPARE(shot, Background(320, 240));
    QCOMPARE(At(shot, 1, 1), Rgb(204, 209, 215));
    QCOMPARE(At(shot, 1, 5), BodyFrom);
    // Outline on every edge, and not one pixel further in.
    for (int x = 0; x < 320; ++x) {
        QCOMPARE(At(shot, x, 0), Black);
        QCOMPARE(At(shot, x, 239), Black);
        QVERIFY(At(shot, x, 1) != Black || x == 0 || x == 319);
    }
    for (int y = 0; y < 240; ++y) {
        QCOMPARE(At(shot, 0, y), Black);
        QCOMPARE(At(shot, 319, y), Black);
        QVERIFY(At(shot, 1, y) != Black || y == 0 || y == 239);
    }
}

void TestPanel::bottomBandIsTheWorkedExample()
{
    Tfr_panel panel;
    panel.resize(50, 100);
    panel.SetCaption(QString());
    const QImage shot = Shot(&panel);
    const int reds[] = {182, 177, 172, 167};   // the last row, 162, is the outline
    for (int i = 0; i < 4; ++i)
        QCOMPARE(At(shot, 10, 95 + i).red(), reds[i]);
    QCOMPARE(At(shot, 10, 95), Rgb(182, 184, 184));
}

void TestPanel::lowPanelKeepsBottomBandAndOutline()
{
    // 7 rows: the body band is empty, the bottom band covers rows 2 to 6
    // over the top band, the outline closes rows 0 and 6.
    Tfr_panel panel;
    panel.resize(20, 7);
    panel.SetCaption(QString());
    const QImage shot = Shot(&panel);
    QCOMPARE(At(shot, 5, 0), Black);
    QCOMPARE(At(shot, 5, 1), BandColour(TopFrom, TopTo, 5, 1));
    QCOMPARE(At(shot, 5, 2), Rgb(182, 184, 184));
    QCOMPARE(At(shot, 5, 5), Rgb(167, 169, 169));
    QCOMPARE(At(shot, 5, 6), Black);
    QCOMPARE(At(shot, 0, 3), Black);
    QCOMPARE(At(shot, 19, 3), Black);

    // Two rows and one row: all outline.
    for (int h : {2, 1}) {
        panel.resize(20, h);
        const QImage thin = Shot(&panel);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < 20; ++x)
                QCOMPARE(At(thin, x, y), Black);
    }
}

void TestPanel::resizeRebuildsTheBackground()
{
    Tfr_panel panel;
    panel.SetCaption(QString());
    panel.resize(870, 48);
    QCOMPARE(Shot(&panel), Background(870, 48));
    QCOMPARE(panel.P->geometry(), QRect(0, 0, 870, 48));
}

void TestPanel::emptyCaptionDrawsNoText()
{
    Tfr_panel panel;
    panel.resize(200, 60);
    panel.SetCaption(QString());
    QCOMPARE(Shot(&panel), Background(200, 60));
    // The default caption does show, in white.
    Tfr_panel captioned;
    captioned.resize(200, 60);
    QVERIFY(!BoundsOf(Shot(&captioned), Rgb(255, 255, 255)).isNull());
}

void TestPanel::captionOnTheBottomBand()
{
    Tfr_panel panel;
    panel.SetCaption(QStringLiteral("Первая\nВторая строка"));
    const QFontMetrics fm(PanelFont());
    const int sumH = 2 * fm.height();
    QImage expected = Background(320, 240);
    {
        QPainter p(&expected);
        p.setFont(PanelFont());
        p.setPen(Rgb(255, 255, 255));
        const QStringList lines{QStringLiteral("Первая"), QStringLiteral("Вторая строка")};
        for (int i = 0; i < 2; ++i) {
            const int x = (320 - fm.horizontalAdvance(lines[i])) / 2;
            const int y = (240 - 5) + (5 - sumH) / 2 + (sumH * i) / 2;
            p.drawText(x, y + fm.ascent(), lines[i]);
        }
    }
    QCOMPARE(Shot(&panel), expected);
    if (fm.height() == 19) {
        // The worked example: lines at 219 and 238.
        QCOMPARE((240 - 5) + (5 - 38) / 2, 219);
    }
}

void TestPanel::hoverTurnsTheCaptionBlack()
{
    QWidget host;
    host.setGeometry(100, 100, 300, 200);
    auto* panel = new Tfr_panel(&host);
    panel->setGeometry(20, 20, 200, 100);
    panel->SetCaption(QStringLiteral("Панель"));
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    QCOMPARE(panel->State(), int(Tfr_panel::Normal));
    QVERIFY(!BoundsOf(Shot(panel), Rgb(255, 255, 255)).isNull());

    QTest::mouseMove(panel->P, QPoint(50, 30));
    QCOMPARE(panel->State(), int(Tfr_panel::Hover));
    QVERIFY(panel->T->isActive());
    const QImage hovered = Shot(panel);
    QVERIFY(BoundsOf(hovered, Rgb(255, 255, 255)).isNull());
    // Black text inside the panel, beyond the outline.
    QVERIFY(BoundsOf(hovered.copy(1, 1, 198, 98), Black).isValid());

    QTest::qWait(250);
    QCOMPARE(panel->State(), int(Tfr_panel::Hover));
    QCursor::setPos(host.mapToGlobal(QPoint(250, 150)));
    QTRY_COMPARE_WITH_TIMEOUT(panel->State(), int(Tfr_panel::Normal), 1000);
    QVERIFY(!panel->T->isActive());
    QVERIFY(!BoundsOf(Shot(panel), Rgb(255, 255, 255)).isNull());
}

TARNIK_TEST_MAIN(TestPanel)
#include "test_panel.moc"
