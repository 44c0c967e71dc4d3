// The drawn push button: caption lines, picture layouts, state looks and
// the mouse and timer rules of its states.
#include "tests/support/TestRegistry.h"
#include "KitTestSupport.h"
#include "tests/support/TestRunDir.h"
#include "widgets/Frbutton.h"
#include "widgets/Frpanel.h"
#include "widgets/PaintBox.h"
#include <QCursor>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace kittest;

namespace {

QFont ButtonFont()
{
    QFont f(QStringLiteral("Arial"));
    f.setPointSize(12);
    return f;
}

struct TLayout {
    QPoint picture;
    QList<QPoint> lineTopLefts;
};

// Where picture and lines go, worked out from the layout table of the
// button.
TLayout Expected(int W, int H, const QStringList& lines, const QSize* picture, int layout)
{
    const QFontMetrics fm(ButtonFont());
    const int n = lines.size();
    QList<int> w;
    int maxW = 0, sumH = 0;
    for (const QString& l : lines) {
        w << fm.horizontalAdvance(l);
        maxW = std::max(maxW, w.last());
        sumH += fm.height();
    }
    TLayout out;
    auto lineY = [&](int y0, int i) { return y0 + (sumH * i) / n; };
    if (!picture) {
        for (int i = 0; i < n; ++i)
            out.lineTopLefts << QPoint((W - w[i]) / 2, lineY((H - sumH) / 2, i));
        return out;
    }
    const int pw = picture->width(), ph = picture->height(), gap = 5;
    switch (layout) {
    case 0: {
        const int A = pw + gap + maxW;
        out.picture = QPoint((W - A) / 2, (H - ph) / 2);
        for (int i = 0; i < n; ++i)
            out.lineTopLefts << QPoint((W - A) / 2 + pw + gap, lineY((H - sumH) / 2, i));
        break;
    }
    case 1: {
        const int A = pw + gap + maxW;
        out.picture = QPoint((W - A) / 2 + maxW + gap, (H - ph) / 2);
        for (int i = 0; i < n; ++i)
            out.lineTopLefts << QPoint((W - A) / 2 + maxW - w[i], lineY((H - sumH) / 2, i));
        break;
    }
    case 2: {
        const int A = ph + gap + sumH;
        out.picture = QPoint((W - pw) / 2, (H - A) / 2);
        for (int i = 0; i < n; ++i)
            out.lineTopLefts << QPoint((W - w[i]) / 2, lineY((H - A) / 2 + ph + gap, i));
        break;
    }
    case 3: {
        const int A = ph + gap + sumH;
        out.picture = QPoint((W - pw) / 2, (H - A) / 2 + gap + sumH);
        for (int i = 0; i < n; ++i)
            out.lineTopLefts << QPoint((W - w[i]) / 2, lineY((H - A) / 2, i));
        break;
    }
    }
    return out;
}

// The background of a button of that size in its resting look.
QImage PlainBackground(int W, int H)
{
    Tfr_button plain;
    plain.resize(W, H);
    plain.SetCaption(QString());
    return Shot(&plain);
}

QImage Compose(QImage background, const QImage* picture, const TLayout& layout, const QStringList& lines,
               QColor text = QColor(0, 0, 0))
{
    QPainter p(&background);
    if (picture)
        p.drawImage(layout.picture, KeyedOut(*picture));
    p.setFont(ButtonFont());
    p.setPen(text);
    const QFontMetrics fm(ButtonFont());
    for (int i = 0; i < lines.size(); ++i)
        p.drawText(layout.lineTopLefts[i].x(), layout.lineTopLefts[i].y() + fm.ascent(), lines[i]);
    return background;
}

} // namespace

class TestButton : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void startsNormalWithDefaultCaption();
    void captionSplitting_data();
    void captionSplitting();
    void panelSplitsTheSameWay();

    void textWithoutPicture();
    void layouts_data();
    void layouts();
    void iconWithoutCaptionSitsAboveCentre();
    void pictureFailuresChangeNothing();
    void layoutOutsideTheRangeIsIgnored();

    void stateLooks();
    void resizeRebuildsTheLooks();

    void hoverAndTimer();
    void hoverEdgesAreInclusive();
    void pressAndReleaseClick();
    void pressMoveOutReleaseOutside();
    void otherButtonsPressButDoNotClick();
    void disabledIgnoresTheMouse();
    void disablingWhilePressedSuppressesTheClick();
    void clickSentToTheFrameItself();

private:
    QTemporaryDir files;
    QString picturePath;
    QImage picture;
    QWidget* host = nullptr;
    Tfr_button* button = nullptr;
    QPoint Outside() const { return host->mapToGlobal(QPoint(5, 5)); }
};

void TestButton::initTestCase()
{
    QVERIFY(files.isValid());
    // 12 x 10, magenta key, red ink in the middle.
    picture = InkPicture(12, 10, QRect(3, 2, 6, 6));
    picturePath = files.filePath("pic.bmp");
    QVERIFY(SaveBmp(picture, picturePath));
}

void TestButton::init()
{
    host = new QWidget;
    host->setGeometry(100, 100, 400, 200);
    button = new Tfr_button(host);
    button->setGeometry(50, 60, 120, 36);
    host->show();
    QVERIFY(QTest::qWaitForWindowExposed(host));
}

void TestButton::cleanup()
{
    QTest::mouseRelease(button->P, Qt::LeftButton);   // leave no button held for the next case
    delete host;
    host = nullptr;
    QCursor::setPos(QPoint(0, 0));
}

void TestButton::startsNormalWithDefaultCaption()
{
    Tfr_button b;
    QCOMPARE(b.State(), int(Tfr_button::Normal));
    QCOMPARE(b.Lines(), QStringList{QStringLiteral("Кнопка")});
    QCOMPARE(b.PictureLayout(), int(Tfr_button::PictureLeft));
    QVERIFY(!b.HasPicture());
    QCOMPARE(b.size(), QSize(200, 40));
    QCOMPARE(b.T->interval(), 100);
    QVERIFY(!b.T->isActive());
    QCOMPARE(b.P->geometry(), b.rect());
}

void TestButton::captionSplitting_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("empty") << QString() << QStringList{};
    QTest::newRow("one") << "Чтение" << QStringList{"Чтение"};
    QTest::newRow("trailing line feed") << "Чтение\n" << QStringList{"Чтение"};
    QTest::newRow("leading line feed") << "\nЧтение" << QStringList{"", "Чтение"};
    QTest::newRow("two line feeds") << "a\n\nb" << QStringList{"a", "", "b"};
    QTest::newRow("only a line feed") << "\n" << QStringList{""};
    QTest::newRow("carriage return kept") << "a\r\nb\r" << QStringList{"a\r", "b\r"};
    QTest::newRow("two trailing") << "a\n\n" << QStringList{"a", ""};
}

void TestButton::captionSplitting()
{
    QFETCH(QString, text);
    QFETCH(QStringList, lines);
    Tfr_button b;
    b.SetCaption(text);
    QCOMPARE(b.Lines(), lines);
}

void TestButton::panelSplitsTheSameWay()
{
    Tfr_panel p;
    QCOMPARE(p.Lines(), QStringList{QStringLiteral("Панель")});
    p.SetCaption("\nx\n");
    QCOMPARE(p.Lines(), (QStringList{"", "x"}));
    p.SetCaption(QString());
    QVERIFY(p.Lines().isEmpty());
}

void TestButton::textWithoutPicture()
{
    const QStringList captions[] = {{"Запись"}, {"Две", "строки текста"}, {"Очень длинная надпись"}};
    for (const QStringList& lines : captions) {
        for (const QSize size : {QSize(120, 36), QSize(40, 36), QSize(150, 40)}) {
            Tfr_button b;
            b.resize(size);
            b.SetCaption(lines.join('\n'));
            const TLayout at = Expected(size.width(), size.height(), lines, nullptr, 0);
            QCOMPARE(Shot(&b), Compose(PlainBackground(size.width(), size.height()), nullptr, at, lines));
        }
    }
    // Nothing but the background for an empty caption.
    Tfr_button empty;
    empty.resize(120, 36);
    empty.SetCaption(QString());
    QCOMPARE(Shot(&empty), PlainBackground(120, 36));
}

void TestButton::layouts_data()
{
    QTest::addColumn<int>("layout");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QSize>("size");
    const char* names[] = {"left", "right", "above", "below"};
    for (int layout = 0; layout < 4; ++layout) {
        QTest::addRow("%s, one line", names[layout]) << layout << QStringLiteral("Закрыть") << QSize(150, 40);
        QTest::addRow("%s, two lines", names[layout]) << layout << QStringLiteral("Задать\nканал") << QSize(150, 60);
        QTest::addRow("%s, no caption", names[layout]) << layout << QString() << QSize(40, 36);
        QTest::addRow("%s, too wide", names[layout]) << layout << QStringLiteral("Надпись шире кнопки") << QSize(60, 36);
    }
}

void TestButton::layouts()
{
    QFETCH(int, layout);
    QFETCH(QString, caption);
    QFETCH(QSize, size);
    Tfr_button b;
    b.resize(size);
    b.SetCaption(caption);
    b.SetPicture(picturePath);
    b.SetPictureLayout(layout);
    QVERIFY(b.HasPicture());
    QCOMPARE(b.PictureLayout(), layout);

    const QStringList lines = b.Lines();
    const QSize pictureSize = picture.size();
    const TLayout at = Expected(size.width(), size.height(), lines, &pictureSize, layout);
    const QImage shot = Shot(&b);
    // The red ink of the picture, where the layout puts the picture.
    QCOMPARE(BoundsOf(shot, Rgb(255, 0, 0)), QRect(3, 2, 6, 6).translated(at.picture) & QRect(QPoint(), size));
    // No trace of the key colour: the picture's background is see-through.
    QVERIFY(BoundsOf(shot, Rgb(255, 0, 255)).isNull());
    QCOMPARE(shot, Compose(PlainBackground(size.width(), size.height()), &picture, at, lines));
}

void TestButton::iconWithoutCaptionSitsAboveCentre()
{
    // The main window's tool buttons: 40 x 36, no caption, picture above.
    Tfr_button b;
    b.resize(40, 36);
    b.SetCaption(QString());
    b.SetPicture(picturePath);
    b.SetPictureLayout(Tfr_button::PictureAbove);
    const QRect ink = BoundsOf(Shot(&b), Rgb(255, 0, 0));
    // Picture at ((40 - 12) / 2, (36 - 10 - 5) / 2) = (14, 10); ink 3, 2 inside it.
    QCOMPARE(ink.topLeft(), QPoint(14 + 3, 10 + 2));
}

void TestButton::pictureFailuresChangeNothing()
{
    Tfr_button b;
    b.resize(120, 36);
    b.SetPicture(files.filePath("missing.bmp"));
    QVERIFY(!b.HasPicture());

    QFile text(files.filePath("not-a-bitmap.bmp"));
    QVERIFY(text.open(QIODevice::WriteOnly));
    text.write("this is no bitmap");
    text.close();
    b.SetPicture(text.fileName());
    QVERIFY(!b.HasPicture());

    // A loaded picture stays when a later load fails.
    b.SetPicture(picturePath);
    const QImage before = Shot(&b);
    b.SetPicture(files.filePath("missing.bmp"));
    QVERIFY(b.HasPicture());
    QCOMPARE(b.Picture().size(), picture.size());
    QCOMPARE(Shot(&b), before);
}

void TestButton::layoutOutsideTheRangeIsIgnored()
{
    Tfr_button b;
    b.SetPictureLayout(Tfr_button::PictureBelow);
    for (int bad : {4, -1, 100}) {
        b.SetPictureLayout(bad);
        QCOMPARE(b.PictureLayout(), int(Tfr_button::PictureBelow));
    }
}

void TestButton::stateLooks()
{
    button->SetCaption(QString());
    struct Look { int state; QColor top, topLast, bottom, bottomLast; };
    // H = 36: top band rows 0 to 17, bottom band rows 18 to 35.
    const Look looks[] = {
        {Tfr_button::Normal, Rgb(206, 211, 218), BandColour(Rgb(206, 211, 218), Rgb(193, 198, 207), 18, 17),
         Rgb(181, 188, 198), BandColour(Rgb(181, 188, 198), Rgb(229, 235, 235), 18, 17)},
        {Tfr_button::Hover, Rgb(236, 237, 240), BandColour(Rgb(236, 237, 240), Rgb(231, 233, 236), 18, 17),
         Rgb(227, 230, 233), BandColour(Rgb(227, 230, 233), Rgb(244, 246, 246), 18, 17)},
        {Tfr_button::Pressed, Rgb(255, 255, 255), BandColour(Rgb(255, 255, 255), Rgb(192, 192, 192), 18, 17),
         Rgb(192, 192, 192), BandColour(Rgb(192, 192, 192), Rgb(255, 255, 255), 18, 17)},
    };
    for (const Look& look : looks) {
        if (look.state == Tfr_button::Hover)
            QTest::mouseMove(button->P, QPoint(10, 10));
        if (look.state == Tfr_button::Pressed)
            QTest::mousePress(button->P, Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(button->State(), look.state);
        const QImage shot = Shot(button);
        for (int x : {0, 60, 119}) {
            QCOMPARE(At(shot, x, 0), look.top);
            QCOMPARE(At(shot, x, 17), look.topLast);
            QCOMPARE(At(shot, x, 18), look.bottom);
            QCOMPARE(At(shot, x, 35), look.bottomLast);
        }
        if (look.state == Tfr_button::Normal)
            QCOMPARE(At(shot, 0, 17).red(), 194);   // the worked example's last row
    }

    // Disabled: white-to-silver bands and grey text.
    QTest::mouseRelease(button->P, Qt::LeftButton, {}, QPoint(10, 10));
    button->SetCaption(QStringLiteral("Запись"));
    button->SetEnabled(false);
    const QImage disabled = Shot(button);
    QCOMPARE(At(disabled, 0, 0), Rgb(255, 255, 255));
    QCOMPARE(At(disabled, 0, 18), Rgb(192, 192, 192));
    const QStringList lines{QStringLiteral("Запись")};
    Tfr_button reference;
    reference.resize(120, 36);
    reference.SetCaption(QString());
    reference.SetEnabled(false);
    QCOMPARE(disabled, Compose(Shot(&reference), nullptr, Expected(120, 36, lines, nullptr, 0), lines,
                               QColor(128, 128, 128)));
}

void TestButton::resizeRebuildsTheLooks()
{
    Tfr_button b;
    b.SetCaption(QString());
    b.resize(100, 51);   // top band rows 0 to 24, bottom band 25 to 50
    const QImage shot = Shot(&b);
    QCOMPARE(shot.size(), QSize(100, 51));
    QCOMPARE(At(shot, 99, 24), BandColour(Rgb(206, 211, 218), Rgb(193, 198, 207), 25, 24));
    QCOMPARE(At(shot, 99, 25), Rgb(181, 188, 198));
    QCOMPARE(At(shot, 99, 50), BandColour(Rgb(181, 188, 198), Rgb(229, 235, 235), 26, 25));
    QCOMPARE(b.P->geometry(), QRect(0, 0, 100, 51));
    // Every state at the new size.
    b.SetEnabled(false);
    QCOMPARE(At(Shot(&b), 99, 50), BandColour(Rgb(192, 192, 192), Rgb(255, 255, 255), 26, 25));
}

void TestButton::hoverAndTimer()
{
    QTest::mouseMove(button->P, QPoint(30, 10));
    QCOMPARE(button->State(), int(Tfr_button::Hover));
    QVERIFY(button->T->isActive());
    // The cursor rests on the button: the timer keeps going, the look stays.
    QTest::qWait(350);
    QCOMPARE(button->State(), int(Tfr_button::Hover));
    QVERIFY(button->T->isActive());
    // The cursor leaves without the button seeing a move: the timer notices.
    QCursor::setPos(Outside());
    QTRY_COMPARE_WITH_TIMEOUT(button->State(), int(Tfr_button::Normal), 1000);
    QVERIFY(!button->T->isActive());
    QCOMPARE(At(Shot(button), 0, 0), Rgb(206, 211, 218));
}

void TestButton::hoverEdgesAreInclusive()
{
    const QPoint topLeft = button->mapToGlobal(QPoint(0, 0));
    QTest::mouseMove(button->P, QPoint(5, 5));
    QCOMPARE(button->State(), int(Tfr_button::Hover));
    // Right and bottom edge: left + width, top + height still count.
    QCursor::setPos(topLeft + QPoint(button->width(), button->height()));
    QTest::qWait(300);
    QCOMPARE(button->State(), int(Tfr_button::Hover));
    QVERIFY(button->T->isActive());
    QCursor::setPos(topLeft + QPoint(button->width() + 1, button->height()));
    QTRY_COMPARE_WITH_TIMEOUT(button->State(), int(Tfr_button::Normal), 1000);

    QTest::mouseMove(button->P, QPoint(5, 5));
    QCursor::setPos(topLeft + QPoint(-1, 0));
    QTRY_COMPARE_WITH_TIMEOUT(button->State(), int(Tfr_button::Normal), 1000);
}

void TestButton::pressAndReleaseClick()
{
    QSignalSpy clicks(button, &Tfr_button::clicked);
    QTest::mouseMove(button->P, QPoint(20, 10));
    QTest::mousePress(button->P, Qt::LeftButton, {}, QPoint(20, 10));
    QCOMPARE(button->State(), int(Tfr_button::Pressed));
    QVERIFY(button->T->isActive());
    // Moves while pressed change nothing.
    QTest::mouseMove(button->P, QPoint(25, 12));
    QCOMPARE(button->State(), int(Tfr_button::Pressed));
    QCOMPARE(clicks.count(), 0);
    QTest::mouseRelease(button->P, Qt::LeftButton, {}, QPoint(25, 12));
    QCOMPARE(button->State(), int(Tfr_button::Normal));
    QCOMPARE(clicks.count(), 1);
    QVERIFY(button->T->isActive());
    // Normal until the mouse moves again.
    QTest::qWait(250);
    QCOMPARE(button->State(), int(Tfr_button::Normal));

    // Two quick clicks are two clicks.
    QTest::mouseDClick(button->P, Qt::LeftButton, {}, QPoint(20, 10));
    QTest::mouseRelease(button->P, Qt::LeftButton, {}, QPoint(20, 10));
    QCOMPARE(clicks.count(), 2);
}

void TestButton::pressMoveOutReleaseOutside()
{
    QSignalSpy clicks(button, &Tfr_button::clicked);
    const QPoint outside = button->mapFromGlobal(Outside());

    // Released outside at once.
    QTest::mousePress(button->P, Qt::LeftButton, {}, QPoint(20, 10));
    QTest::mouseMove(button->P, outside);
    QCOMPARE(button->State(), int(Tfr_button::Pressed));
    QTest::mouseRelease(button->P, Qt::LeftButton, {}, outside);
    QCOMPARE(button->State(), int(Tfr_button::Normal));
    QCOMPARE(clicks.count(), 0);

    // Held outside until the timer has seen the cursor go.
    QTest::mousePress(button->P, Qt::LeftButton, {}, QPoint(20, 10));
    QCursor::setPos(Outside());
    QTest::mouseMove(button->P, outside);
    QTRY_COMPARE_WITH_TIMEOUT(button->State(), int(Tfr_button::Normal), 1000);
    // Moves outside while held do not bring the hover look back.
    QTest::mouseMove(button->P, outside + QPoint(1, 0));
    QCOMPARE(button->State(), int(Tfr_button::Normal));
    QTest::mouseRelease(button->P, Qt::LeftButton, {}, outside);
    QCOMPARE(button->State(), int(Tfr_button::Normal));
    QCOMPARE(clicks.count(), 0);

    // Out and back in before letting go is still a click.
    QTest::mousePress(button->P, Qt::LeftButton, {}, QPoint(20, 10));
    QTest::mouseMove(button->P, outside);
    QTest::mouseMove(button->P, QPoint(22, 10));
    QTest::mouseRelease(button->P, Qt::LeftButton, {}, QPoint(22, 10));
    QCOMPARE(clicks.count(), 1);
}

void TestButton::otherButtonsPressButDoNotClick()
{
    QSignalSpy clicks(button, &Tfr_button::clicked);
    QTest::mousePress(button->P, Qt::RightButton, {}, QPoint(20, 10));
    QCOMPARE(button->State(), int(Tfr_button::Pressed));
    QTest::mouseRelease(button->P, Qt::RightButton, {}, QPoint(20, 10));
    QCOMPARE(button->State(), int(Tfr_button::Normal));
    QCOMPARE(clicks.count(), 0);
}

void TestButton::disabledIgnoresTheMouse()
{
    QSignalSpy clicks(button, &Tfr_button::clicked);
    button->SetEnabled(false);
    QCOMPARE(button->State(), int(Tfr_button::Disabled));
    QTest::mouseMove(button->P, QPoint(20, 10));
    QCOMPARE(button->State(), int(Tfr_button::Disabled));
    QVERIFY(!button->T->isActive());
    QTest::mouseClick(button->P, Qt::LeftButton, {}, QPoint(20, 10));
    QCOMPARE(button->State(), int(Tfr_button::Disabled));
    QCOMPARE(clicks.count(), 0);

    // Enabling brings Normal back even with the cursor on the button; the
    // next move shows the hover look.
    button->SetEnabled(true);
    QCOMPARE(button->State(), int(Tfr_button::Normal));
    QTest::mouseMove(button->P, QPoint(21, 10));
    QCOMPARE(button->State(), int(Tfr_button::Hover));
    // Disabling while hovered: the timer, once the cursor is gone, keeps it
    // disabled.
    button->SetEnabled(false);
    QCursor::setPos(Outside());
    QTRY_VERIFY_WITH_TIMEOUT(!button->T->isActive(), 1000);
    QCOMPARE(button->State(), int(Tfr_button::Disabled));
    // A press taken while disabled is no click after enabling.
    QTest::mousePress(button->P, Qt::LeftButton, {}, QPoint(20, 10));
    button->SetEnabled(true);
    QTest::mouseRelease(button->P, Qt::LeftButton, {}, QPoint(20, 10));
    QCOMPARE(clicks.count(), 0);
}

void TestButton::disablingWhilePressedSuppressesTheClick()
{
    QSignalSpy clicks(button, &Tfr_button::clicked);
    QTest::mousePress(button->P, Qt::LeftButton, {}, QPoint(20, 10));
    button->SetEnabled(false);
    QTest::mouseRelease(button->P, Qt::LeftButton, {}, QPoint(20, 10));
    QCOMPARE(button->State(), int(Tfr_button::Disabled));
    QCOMPARE(clicks.count(), 0);
}

void TestButton::clickSentToTheFrameItself()
{
    QSignalSpy clicks(button, &Tfr_button::clicked);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(20, 10));
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(button->State(), int(Tfr_button::Normal));
}

TARNIK_TEST_MAIN(TestButton)
#include "test_button.moc"
