// The nine journal icons: size, transparent background, and that each
// index shows its own picture.
#include "tests/support/TestRegistry.h"
#include "widgets/JournalIcons.h"
#include <QTest>

namespace {

struct Stats {
    int opaque = 0;                 // alpha above half
    double red = 0, green = 0, blue = 0;   // mean colour of the opaque pixels
};

Stats Measure(const QImage& image)
{
    Stats s;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.alpha() <= 128)
                continue;
            ++s.opaque;
            s.red += c.red();
            s.green += c.green();
            s.blue += c.blue();
        }
    if (s.opaque > 0) {
        s.red /= s.opaque;
        s.green /= s.opaque;
        s.blue /= s.opaque;
    }
    return s;
}

// Opaque pixels close to the given colour.
int CountNear(const QImage& image, QColor wanted, int tolerance)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.alpha() > 200 && qAbs(c.red() - wanted.red()) <= tolerance
                && qAbs(c.green() - wanted.green()) <= tolerance
                && qAbs(c.blue() - wanted.blue()) <= tolerance)
                ++n;
        }
    return n;
}

QList<QImage> Images()
{
    QList<QImage> images;
    for (const QPixmap& p : JournalIcons())
        images << p.toImage().convertToFormat(QImage::Format_ARGB32);
    return images;
}

} // namespace

class TestJournalIcons : public QObject {
    Q_OBJECT
private slots:
    void nineSmallIconsOnTransparentGround()
    {
        const QList<QPixmap> icons = JournalIcons();
        QCOMPARE(icons.size(), 9);
        QCOMPARE(int(JournalIcon::Count), 9);
        for (int i = 0; i < icons.size(); ++i) {
            QVERIFY2(icons[i].hasAlphaChannel(), qPrintable(QString::number(i)));
            QCOMPARE(icons[i].size(), QSize(16, 16));
            const QImage img = icons[i].toImage().convertToFormat(QImage::Format_ARGB32);
            for (const QPoint corner : { QPoint(0, 0), QPoint(15, 0), QPoint(0, 15), QPoint(15, 15) })
                QVERIFY2(qAlpha(img.pixel(corner)) == 0,
                         qPrintable(QStringLiteral("icon %1 corner %2,%3").arg(i).arg(corner.x()).arg(corner.y())));
            // A real drawing, not a speck: a fair share of the 256 pixels.
            QVERIFY2(Measure(img).opaque >= 40, qPrintable(QString::number(i)));
        }
    }

    void everyIconIsDifferent()
    {
        const QList<QImage> images = Images();
        for (int i = 0; i < images.size(); ++i)
            for (int j = i + 1; j < images.size(); ++j)
                QVERIFY2(images[i] != images[j], qPrintable(QStringLiteral("%1 = %2").arg(i).arg(j)));
    }

    // The journal and the station search address the icons by index: the
    // colours tell whether each index holds its picture.
    void eachIndexHoldsItsPicture()
    {
        const QList<QImage> img = Images();
        const Stats warning = Measure(img[JournalIcon::Warning]);
        QVERIFY(warning.red > 150 && warning.green > 120 && warning.blue < 100);   // yellow

        const Stats connector = Measure(img[JournalIcon::Connector]);
        QVERIFY(qAbs(connector.red - connector.blue) < 30);                          // grey
        QVERIFY(qAbs(connector.green - connector.blue) < 30);

        QVERIFY(CountNear(img[JournalIcon::Plug], QColor(222, 176, 52), 40) >= 4);  // brass prongs

        const Stats floppy = Measure(img[JournalIcon::Floppy]);
        QVERIFY(floppy.blue > floppy.red + 30);                                      // blue disk
        QVERIFY(CountNear(img[JournalIcon::FloppyPencil], QColor(248, 196, 40), 30) >= 4);   // pencil
        QVERIFY(CountNear(img[JournalIcon::FloppyPencil], QColor(60, 100, 180), 50) >= 20);  // and disk

        const Stats tick = Measure(img[JournalIcon::Tick]);
        QVERIFY(tick.green > tick.red + 40 && tick.green > tick.blue + 40);

        const Stats cross = Measure(img[JournalIcon::Cross]);
        QVERIFY(cross.red > cross.green + 60);
        QVERIFY(CountNear(img[JournalIcon::Cross], Qt::white, 10) >= 6);            // white cross

        QVERIFY(CountNear(img[JournalIcon::Magnifier], QColor(180, 222, 255), 40) >= 10);   // glass

        QVERIFY(CountNear(img[JournalIcon::BoxArrow], QColor(240, 130, 40), 40) >= 8);      // orange arrow
        QVERIFY(CountNear(img[JournalIcon::BoxArrow], Qt::white, 25) >= 8);                 // white box
    }
};

TARNIK_TEST_MAIN(TestJournalIcons)
#include "test_journalicons.moc"
