// The picture generator: runs it into a fresh folder and checks what a
// button needs from each picture.
#include "tests/support/TestRegistry.h"
#include <QTest>
#include <QDir>
#include <QPainter>
#include <QProcess>
#include <QSvgRenderer>
#include <QTemporaryDir>

namespace {

const QString Generator = QStringLiteral(TARNIK_BIN_DIR "/tarnik-pictures");

const QStringList PictureNames = {
    "read", "write", "print", "add_channel", "search", "load", "save",
    "connection", "tools sign", "exit", "ok", "error", "logo",
};

int Run(const QStringList& arguments)
{
    QProcess p;
    p.start(Generator, arguments);
    if (!p.waitForFinished(60000))
        return -1;
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

int Distance(QRgb a, QRgb b)
{
    return qMax(qMax(qAbs(qRed(a) - qRed(b)), qAbs(qGreen(a) - qGreen(b))),
                qAbs(qBlue(a) - qBlue(b)));
}

QByteArray ReadAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestPictures : public QObject {
    Q_OBJECT
private:
    QTemporaryDir temp;
    QString out;

private slots:
    void initTestCase()
    {
        QVERIFY(temp.isValid());
        out = temp.filePath(QStringLiteral("Source"));   // not there yet: the tool makes it
        QCOMPARE(Run({ out }), 0);
    }

    void writesExactlyThePictures()
    {
        QStringList expected;
        for (const QString& n : PictureNames)
            expected << n + ".bmp";
        expected.sort();
        QStringList written = QDir(out).entryList(QDir::Files, QDir::Name);
        QCOMPARE(written, expected);
    }

    void picturesAre24BitBitmapsOfTheirSize()
    {
        for (const QString& name : PictureNames) {
            const QString path = QDir(out).filePath(name + ".bmp");
            const QByteArray bytes = ReadAll(path);
            QVERIFY2(bytes.startsWith("BM") && bytes.size() > 30, qPrintable(name));
            QCOMPARE(int(uchar(bytes[28])) | int(uchar(bytes[29])) << 8, 24);   // bits per pixel
            QImage image;
            QVERIFY2(image.load(path), qPrintable(name));
            if (name == "logo") {
                QCOMPARE(image.size(), QSize(105, 105));
            } else {
                // Fits the 40 x 36 tool buttons with the picture above the
                // caption, and the 36-pixel-high buttons with a caption.
                QVERIFY2(image.width() <= 32 && image.height() <= 28, qPrintable(name));
                QVERIFY2(image.width() >= 16 && image.height() >= 16, qPrintable(name));
            }
        }
    }

    // A button drops the colour of the bottom-left pixel. That colour must
    // be the flat ground around the drawing, the drawing must be more than
    // that ground, and no pixel may come so close to it that it shows as a
    // speck once the ground is gone.
    void groundIsOneKeyColour()
    {
        for (const QString& name : PictureNames) {
            const QImage image = QImage(QDir(out).filePath(name + ".bmp")).convertToFormat(QImage::Format_RGB32);
            const int w = image.width(), h = image.height();
            const QRgb key = image.pixel(0, h - 1);
            int ring = 0, ringKey = 0, drawn = 0, nearKey = 0;
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x) {
                    const QRgb c = image.pixel(x, y);
                    const bool onRing = x == 0 || y == 0 || x == w - 1 || y == h - 1;
                    ring += onRing;
                    ringKey += onRing && c == key;
                    if (c != key) {
                        ++drawn;
                        nearKey += Distance(c, key) < 8;
                    }
                }
            QVERIFY2(ringKey * 2 >= ring, qPrintable(name + ": border is not the key colour"));
            QVERIFY2(drawn * 5 >= w * h, qPrintable(name + ": hardly anything drawn"));
            QVERIFY2(drawn < w * h, qPrintable(name));
            QCOMPARE(nearKey, 0);
            // The four corners lie on the ground too.
            QCOMPARE(image.pixel(0, 0), key);
            QCOMPARE(image.pixel(w - 1, 0), key);
            QCOMPARE(image.pixel(w - 1, h - 1), key);
        }
    }

    void everyPictureIsDifferent()
    {
        QList<QImage> images;
        for (const QString& name : PictureNames)
            images << QImage(QDir(out).filePath(name + ".bmp"));
        for (int i = 0; i < images.size(); ++i)
            for (int j = i + 1; j < images.size(); ++j)
                QVERIFY2(images[i] != images[j], qPrintable(PictureNames[i] + " = " + PictureNames[j]));
    }

    // The dialog buttons' marks: a green tick for accepting, a red cross
    // for cancelling.
    void okIsGreenAndErrorIsRed()
    {
        auto mean = [this](const QString& name) {
            const QImage image(QDir(out).filePath(name + ".bmp"));
            const QRgb key = image.pixel(0, image.height() - 1);
            double r = 0, g = 0, b = 0;
            int n = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    if (image.pixel(x, y) != key) {
                        r += qRed(image.pixel(x, y));
                        g += qGreen(image.pixel(x, y));
                        b += qBlue(image.pixel(x, y));
                        ++n;
                    }
            return QList<double>{ r / n, g / n, b / n };
        };
        const auto ok = mean("ok");
        QVERIFY(ok[1] > ok[0] + 40 && ok[1] > ok[2] + 40);
        const auto error = mean("error");
        QVERIFY(error[0] > error[1] + 60 && error[0] > error[2] + 60);
    }

    void sameDrawingEveryRun()
    {
        QTemporaryDir again;
        QCOMPARE(Run({ again.path() }), 0);
        for (const QString& name : PictureNames)
            QVERIFY2(ReadAll(QDir(out).filePath(name + ".bmp")) == ReadAll(again.filePath(name + ".bmp")),
                     qPrintable(name));
    }

    // The desktop icon: a PNG at every size the menu uses and an SVG, all
    // the same drawing on a transparent ground.
    void desktopIconAtEverySizeAndAsSvg()
    {
        QTemporaryDir theme;
        QCOMPARE(Run({ "--icons", theme.path() }), 0);
        QImage reference;
        for (int size : { 48, 64, 128, 256 }) {
            const QImage icon = QImage(theme.filePath(QStringLiteral("%1x%1/apps/tarnik-programmer.png").arg(size)))
                                    .convertToFormat(QImage::Format_ARGB32);
            QCOMPARE(icon.size(), QSize(size, size));
            QCOMPARE(qAlpha(icon.pixel(0, 0)), 0);
            QCOMPARE(qAlpha(icon.pixel(size - 1, size - 1)), 0);
            QCOMPARE(qAlpha(icon.pixel(size / 2, size / 2)), 255);
            if (size == 64)
                reference = icon;
        }
        QSvgRenderer svg(theme.filePath("scalable/apps/tarnik-programmer.svg"));
        QVERIFY(svg.isValid());
        QCOMPARE(svg.viewBox(), QRect(0, 0, 64, 64));
        QImage drawn(64, 64, QImage::Format_ARGB32);
        drawn.fill(Qt::transparent);
        {
            QPainter p(&drawn);
            svg.render(&p);
        }
        // Alike pixel for pixel, but for the smoothing of edges.
        int far = 0;
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 64; ++x) {
                const QRgb a = reference.pixel(x, y), b = drawn.pixel(x, y);
                far += Distance(a, b) > 48 || qAbs(qAlpha(a) - qAlpha(b)) > 48;
            }
        QVERIFY2(far < 64 * 64 / 50, qPrintable(QString::number(far)));
    }

    void failureIsReported()
    {
        QCOMPARE(Run({}), 2);   // no folder given
        QTemporaryDir dir;
        const QString file = dir.filePath("not a folder");
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        QVERIFY(Run({ file }) != 0);
        QVERIFY(Run({ file + "/Source" }) != 0);
    }
};

TARNIK_TEST_MAIN(TestPictures)
#include "test_pictures.moc"
