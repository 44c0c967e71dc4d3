// The splash and About windows: their parts, the logo over the panel's
// gradient, the splash painting as it advances, and the About button.
#include "tests/support/TestRegistry.h"
#include "KitTestSupport.h"
#include "tests/support/TestRunDir.h"
#include "widgets/Fabout.h"
#include "widgets/Frbutton.h"
#include "widgets/Frpanel.h"
#include "widgets/Frprogress.h"
#include "widgets/Fstartup.h"
#include "widgets/PaintBox.h"
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <memory>

using namespace kittest;

namespace {
// The panel's body colour on a row of a 266-pixel window, from the band
// table: rows 5 to 260, (181, 188, 198) towards (229, 235, 235).
QColor PanelBody(int y) { return BandColour(Rgb(181, 188, 198), Rgb(229, 235, 235), 256, y - 5); }

const QColor LogoInk(0, 200, 0);
const QColor OkInk(0, 0, 230);

void CheckLabel(QLabel* label, const QString& text, const QRect& geometry, int pixels, bool bold, bool italic)
{
    QCOMPARE(label->text(), text);
    QCOMPARE(label->geometry(), geometry);
    QCOMPARE(label->font().family(), QStringLiteral("Arial"));
    QCOMPARE(label->font().pixelSize(), pixels);
    QCOMPARE(label->font().bold(), bold);
    QCOMPARE(label->font().italic(), italic);
    QVERIFY(!label->autoFillBackground());
    QCOMPARE(label->foregroundRole(), QPalette::WindowText);
}
} // namespace

class TestWindows : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void splashParts();
    void splashShowsThePanelBehindLogoAndLabels();
    void splashPaintsEveryStepAtOnce();
    void aboutParts();
    void aboutButtonPictureLeftOfCaption();
    void aboutCloseButtonEndsTheModalLoop();
    void aboutWithoutOkPicture();
    void missingLogoFailsBothWindows();

private:
    std::unique_ptr<TestRunDir> run;
};

void TestWindows::init()
{
    run = std::make_unique<TestRunDir>();
    QVERIFY(run->IsValid());
    // A logo of our own: magenta key, a green block in the middle.
    QVERIFY(SaveBmp(InkPicture(105, 105, QRect(40, 40, 25, 25), LogoInk), run->File("Source/logo.bmp")));
    QVERIFY(SaveBmp(InkPicture(16, 16, QRect(4, 4, 8, 8), OkInk), run->File("Source/ok.bmp")));
}

void TestWindows::cleanup() { run.reset(); }

void TestWindows::splashParts()
{
    Tf_startup splash;
    QCOMPARE(splash.windowTitle(), QStringLiteral("Загрузка"));
    QVERIFY(splash.windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(splash.size(), QSize(392, 266));
    QCOMPARE(splash.pos(), QPoint(461, 358));
    QCOMPARE(splash.fr_panel1->geometry(), QRect(0, 0, 392, 266));
    QVERIFY(splash.fr_panel1->Lines().isEmpty());
    QCOMPARE(splash.Image1->parentWidget(), splash.fr_panel1);
    QCOMPARE(splash.Image1->geometry(), QRect(15, 17, 105, 105));
    QCOMPARE(splash.Label1->parentWidget(), splash.fr_panel1);
    CheckLabel(splash.Label1, QStringLiteral("Программатор\nстанции Tarnik"), QRect(152, 16, 199, 64), 27, true, false);
    CheckLabel(splash.Label2, QStringLiteral("Версия 1.1"), QRect(16, 232, 85, 19), 16, true, false);
    QCOMPARE(splash.fr_progress1->geometry(), QRect(48, 143, 300, 30));
    QCOMPARE(splash.fr_progress1->Position(), 0);
}

void TestWindows::splashShowsThePanelBehindLogoAndLabels()
{
    Tf_startup splash;
    const QImage shot = Shot(&splash);
    // The logo's corners are see-through, its ink is drawn.
    QCOMPARE(At(shot, 15, 17 + 104), PanelBody(17 + 104));
    QCOMPARE(At(shot, 15 + 104, 17), PanelBody(17));
    QCOMPARE(At(shot, 15 + 52, 17 + 52), LogoInk);
    QCOMPARE(BoundsOf(shot, LogoInk), QRect(15 + 40, 17 + 40, 25, 25));
    // The labels have no background of their own.
    QCOMPARE(At(shot, 152 + 198, 16 + 63), PanelBody(16 + 63));
    QCOMPARE(At(shot, 16 + 84, 232 + 18), PanelBody(232 + 18));
    // Dark text on the labels' rows.
    const QImage title = shot.copy(152, 16, 199, 64);
    int darkest = 255;
    for (int y = 0; y < title.height(); ++y)
        for (int x = 0; x < title.width(); ++x)
            darkest = std::min(darkest, title.pixelColor(x, y).red());
    QVERIFY(darkest < 60);
    // The panel's outline around the window.
    QCOMPARE(At(shot, 0, 0), Rgb(0, 0, 0));
    QCOMPARE(At(shot, 391, 265), Rgb(0, 0, 0));
}

void TestWindows::splashPaintsEveryStepAtOnce()
{
    // As the start-up does: show, then one SetPosition per channel row with
    // no return to the event loop; each step is on screen right away.
    Tf_startup splash;
    splash.show();
    QVERIFY(QTest::qWaitForWindowExposed(&splash));
    QTest::qWait(50);
    QScreen* screen = QGuiApplication::primaryScreen();
    const int count = 100;
    for (int i = 0; i < count; ++i) {
        splash.fr_progress1->SetPosition(i * 100 / count + 1);
        QCOMPARE(splash.fr_progress1->Position(), i + 1);
        const QImage shown = screen->grabWindow(splash.winId()).toImage().convertToFormat(QImage::Format_RGB32);
        const int right = (i + 1) * 294 / 100 + 3;
        QCOMPARE(At(shown, 48 + right - 1, 143 + 3), Rgb(128, 128, 128));
        if (right < 297)
            QVERIFY(At(shown, 48 + right, 143 + 3) != Rgb(128, 128, 128));
    }
    QCOMPARE(splash.fr_progress1->Position(), 100);
    splash.close();
}

void TestWindows::aboutParts()
{
    Tf_about about;
    QCOMPARE(about.windowTitle(), QStringLiteral("О программе"));
    QVERIFY(about.windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(about.size(), QSize(392, 266));
    QCOMPARE(about.geometry().center(), QGuiApplication::primaryScreen()->geometry().center());
    QCOMPARE(about.fr_panel1->geometry(), QRect(0, 0, 392, 266));
    QVERIFY(about.fr_panel1->Lines().isEmpty());
    QCOMPARE(about.Image1->geometry(), QRect(15, 17, 105, 105));
    CheckLabel(about.Label1, QStringLiteral("Программатор\nстанции Tarnik"), QRect(160, 16, 199, 64), 27, true, false);
    QCOMPARE(about.Label4->parentWidget(), about.fr_panel1);
    QCOMPARE(about.Label4->geometry(), QRect(158, 88, 216, 76));
    QCOMPARE(about.Label4->font().pixelSize(), 16);
    QVERIFY(about.Label4->font().italic());
    // Four lines that fit the label.
    const QStringList lines = about.Label4->text().split('\n');
    QCOMPARE(lines.size(), 4);
    const QFontMetrics fm(about.Label4->font());
    for (const QString& l : lines) {
        QVERIFY(!l.trimmed().isEmpty());
        QVERIFY2(fm.horizontalAdvance(l) <= 216, qPrintable(l));
    }
    QVERIFY(4 * fm.height() <= 76);
    // The panel behind the logo here too.
    const QImage shot = Shot(&about);
    QCOMPARE(At(shot, 15, 17 + 104), PanelBody(17 + 104));
    QCOMPARE(BoundsOf(shot, LogoInk), QRect(15 + 40, 17 + 40, 25, 25));
}

void TestWindows::aboutButtonPictureLeftOfCaption()
{
    Tf_about about;
    Tfr_button* b = about.fr_button1;
    QCOMPARE(b->geometry(), QRect(125, 216, 150, 40));
    QCOMPARE(b->Lines(), QStringList{QStringLiteral("Закрыть")});
    QVERIFY(b->HasPicture());
    QCOMPARE(b->PictureLayout(), int(Tfr_button::PictureLeft));
    // Picture and caption centred as one block in the 150 x 40 button.
    QFont f(QStringLiteral("Arial"));
    f.setPointSize(12);
    const int textWidth = QFontMetrics(f).horizontalAdvance(QStringLiteral("Закрыть"));
    const int blockLeft = (150 - (16 + 5 + textWidth)) / 2;
    const QRect ink = BoundsOf(Shot(b), OkInk);
    QCOMPARE(ink, QRect(blockLeft + 4, (40 - 16) / 2 + 4, 8, 8));
}

void TestWindows::aboutCloseButtonEndsTheModalLoop()
{
    Tf_about about;
    bool wasShown = false;
    QTimer::singleShot(100, &about, [&] {
        wasShown = about.isVisible();
        QTest::mouseClick(about.fr_button1->P, Qt::LeftButton, {}, QPoint(75, 20));
    });
    QTimer::singleShot(5000, &about, [&] { about.done(99); });   // never hang
    const int result = about.exec();
    QVERIFY(wasShown);
    QVERIFY(result != 99);
    QVERIFY(!about.isVisible());
}

void TestWindows::aboutWithoutOkPicture()
{
    QVERIFY(QFile::remove(run->File("Source/ok.bmp")));
    Tf_about about;
    QVERIFY(!about.fr_button1->HasPicture());
    QCOMPARE(about.fr_button1->Lines(), QStringList{QStringLiteral("Закрыть")});
}

void TestWindows::missingLogoFailsBothWindows()
{
    QVERIFY(QFile::remove(run->File("Source/logo.bmp")));
    for (int window = 0; window < 2; ++window) {
        QString message;
        try {
            if (window == 0)
                Tf_startup splash;
            else
                Tf_about about;
        } catch (const std::exception& e) {
            message = QString::fromLocal8Bit(e.what());
        }
        QVERIFY2(message.contains(QStringLiteral("logo.bmp")), qPrintable(message));
    }
    // A file that is no bitmap fails the same way.
    QFile bad(run->File("Source/logo.bmp"));
    QVERIFY(bad.open(QIODevice::WriteOnly));
    bad.write("not a bitmap");
    bad.close();
    QVERIFY_THROWS_EXCEPTION(std::exception, Tf_startup());
}

TARNIK_TEST_MAIN(TestWindows)
#include "test_windows.moc"
