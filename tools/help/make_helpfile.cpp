// Builds the help file Help.mht from the page Help.html of this folder: the
// page and every picture it shows, packed into one web archive.
//
//   tarnik-helpfile <Help.html> <pictures folder> <Help.mht>
//
// The page refers to its pictures as images/<name>.png. "journal-<n>" is
// journal icon n; any other name is the button picture <name>.bmp of the
// pictures folder (a '-' in the name stands for a space), shown with its key
// colour made transparent, as the buttons show it.
#include "Mhtml.h"
#include "app/JournalIcons.h"
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QRegularExpression>
#include <QSaveFile>
#include <cstdio>

namespace {

const QString PageLocation = QStringLiteral("http://tarnik.help/Help.html");
const QString ImageBase = QStringLiteral("http://tarnik.help/");

QByteArray Png(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    return image.save(&buffer, "PNG") ? bytes : QByteArray();
}

QImage ButtonPicture(const QString& file)
{
    QImage image(file);
    if (image.isNull())
        return image;
    const QRgb key = image.pixel(0, image.height() - 1);
    image = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == key)
                image.setPixel(x, y, qRgba(0, 0, 0, 0));
    return image;
}

// The picture a page reference names, or a null image.
QImage Picture(const QString& name, const QString& picturesDir, const QList<QPixmap>& icons)
{
    static const QRegularExpression journal(QStringLiteral("^journal-(\\d)$"));
    const auto m = journal.match(name);
    if (m.hasMatch()) {
        const int index = m.captured(1).toInt();
        return index < icons.size() ? icons[index].toImage() : QImage();
    }
    QString file = name;
    file.replace('-', ' ');
    return ButtonPicture(QDir(picturesDir).filePath(file + ".bmp"));
}

QString Title(const QString& html)
{
    static const QRegularExpression title(QStringLiteral("<title>(.*?)</title>"));
    const auto m = title.match(html);
    return m.hasMatch() ? m.captured(1) : QStringLiteral("Help");
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: tarnik-helpfile <Help.html> <pictures folder> <Help.mht>\n");
        return 2;
    }
    QFile page(QString::fromLocal8Bit(argv[1]));
    if (!page.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "tarnik-helpfile: cannot read %s\n", argv[1]);
        return 1;
    }
    const QByteArray html = page.readAll();
    const QString text = QString::fromUtf8(html);
    const QString picturesDir = QString::fromLocal8Bit(argv[2]);
    const QList<QPixmap> icons = JournalIcons();

    QList<Mhtml::Resource> resources;
    QStringList seen;
    static const QRegularExpression reference(QStringLiteral("src=\"(images/([A-Za-z0-9_-]+)\\.png)\""));
    for (auto it = reference.globalMatch(text); it.hasNext();) {
        const auto m = it.next();
        if (seen.contains(m.captured(1)))
            continue;
        seen << m.captured(1);
        const QByteArray png = Png(Picture(m.captured(2), picturesDir, icons));
        if (png.isEmpty()) {
            std::fprintf(stderr, "tarnik-helpfile: no picture for %s\n", qPrintable(m.captured(1)));
            return 1;
        }
        resources << Mhtml::Resource{ ImageBase + m.captured(1), "image/png", png };
    }

    QSaveFile out(QString::fromLocal8Bit(argv[3]));
    if (!out.open(QIODevice::WriteOnly)
        || out.write(Mhtml::Archive(Title(text), PageLocation, html, resources)) < 0
        || !out.commit()) {
        std::fprintf(stderr, "tarnik-helpfile: cannot write %s\n", argv[3]);
        return 1;
    }
    return 0;
}
