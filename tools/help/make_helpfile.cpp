// Builds a help file (Help.mht, Help.en.mht) from its page in this folder
// (Help.html, Help.en.html): the page and every picture it shows, packed
// into one web archive. The second form writes the same guide as a plain
// page with its pictures beside it, for desktops that have no viewer for
// web archives: <output folder>/<name of the page>,
// <output folder>/images/<name>.png and the stylesheet. The pages of all
// languages share the pictures and the stylesheet.
//
//   tarnik-helpfile <page.html> <pictures folder> <archive.mht>
//   tarnik-helpfile --html <page.html> <pictures folder> <output folder>
//
// The page refers to its stylesheet (Help.css, beside the page) with
// <link rel="stylesheet" href="<name>.css"> and to its pictures as
// images/<name>.png. "journal-<n>" is
// journal icon n; any other name is the button picture <name>.bmp of the
// pictures folder (a '-' in the name stands for a space), shown with its key
// colour made transparent, as the buttons show it.
#include "Mhtml.h"
#include "widgets/JournalIcons.h"
#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QRegularExpression>
#include <QSaveFile>
#include <cstdio>
#include <cstring>

namespace {

const QString ArchiveBase = QStringLiteral("http://tarnik.help/");

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

// Every picture the page refers to (images/<name>.png), in order of first
// mention, as PNG. False, with a message, when one cannot be made.
bool PagePictures(const QString& text, const QString& picturesDir, QList<Mhtml::Resource>& out)
{
    const QList<QPixmap> icons = JournalIcons();
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
            return false;
        }
        out << Mhtml::Resource{ m.captured(1), "image/png", png };
    }
    return true;
}

// Every stylesheet the page links, read from the page's folder. False,
// with a message, when one cannot be read.
bool PageStyleSheets(const QString& text, const QDir& pageDir, QList<Mhtml::Resource>& out)
{
    static const QRegularExpression link(QStringLiteral("<link rel=\"stylesheet\" href=\"([A-Za-z0-9_.-]+\\.css)\">"));
    for (auto it = link.globalMatch(text); it.hasNext();) {
        const QString name = it.next().captured(1);
        QFile file(pageDir.filePath(name));
        if (!file.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "tarnik-helpfile: cannot read %s\n", qPrintable(file.fileName()));
            return false;
        }
        out << Mhtml::Resource{ name, "text/css", file.readAll() };
    }
    return true;
}

bool Save(const QString& path, const QByteArray& bytes)
{
    QSaveFile out(path);
    const bool ok = QDir().mkpath(QFileInfo(path).path()) && out.open(QIODevice::WriteOnly)
        && out.write(bytes) == bytes.size() && out.commit();
    if (!ok)
        std::fprintf(stderr, "tarnik-helpfile: cannot write %s\n", qPrintable(path));
    return ok;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const bool html = argc == 5 && std::strcmp(argv[1], "--html") == 0;
    if (argc != 4 && !html) {
        std::fprintf(stderr, "usage: tarnik-helpfile <page.html> <pictures folder> <archive.mht>\n"
                             "       tarnik-helpfile --html <page.html> <pictures folder> <output folder>\n");
        return 2;
    }
    char** args = html ? argv + 1 : argv;
    QFile page(QString::fromLocal8Bit(args[1]));
    const QString pageName = QFileInfo(page.fileName()).fileName();
    if (!page.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "tarnik-helpfile: cannot read %s\n", args[1]);
        return 1;
    }
    const QByteArray bytes = page.readAll();
    const QString text = QString::fromUtf8(bytes);
    QList<Mhtml::Resource> resources;   // the stylesheet and the pictures
    if (!PageStyleSheets(text, QFileInfo(page.fileName()).dir(), resources)
        || !PagePictures(text, QString::fromLocal8Bit(args[2]), resources))
        return 1;
    const QString out = QString::fromLocal8Bit(args[3]);

    if (html) {
        const QDir folder(out);
        bool ok = Save(folder.filePath(pageName), bytes);
        for (const Mhtml::Resource& resource : resources)
            ok = Save(folder.filePath(resource.location), resource.data) && ok;
        return ok ? 0 : 1;
    }
    for (Mhtml::Resource& resource : resources)
        resource.location.prepend(ArchiveBase);
    return Save(out, Mhtml::Archive(Title(text), ArchiveBase + pageName, bytes, resources)) ? 0 : 1;
}
