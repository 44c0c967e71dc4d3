// Draws the program's button pictures and its logo as 24-bit BMP files into
// the directory given on the command line. Every picture lies on a flat key
// colour that also fills its bottom-left pixel: the buttons and the splash
// take that colour as transparent.
//
//   tarnik-pictures <output directory>
//   tarnik-pictures --icons <icon theme directory>
//
// The second form writes the desktop icon into an icon theme tree:
// <size>x<size>/apps/tarnik-programmer.png for each size the desktop uses
// and scalable/apps/tarnik-programmer.svg.
#include "AppIconFiles.h"
#include "Canvas.h"
#include "Palette.h"
#include "Pictures.h"
#include <QDir>
#include <QGuiApplication>
#include <cstdio>
#include <cstring>

namespace {

struct Picture {
    const char* name;   // file name without ".bmp"
    int size;
    QColor key;
    void (*draw)(QPainter&);
};

const Picture AllPictures[] = {
    { "read", Pictures::IconSize, Palette::ButtonKey, Pictures::Read },
    { "write", Pictures::IconSize, Palette::ButtonKey, Pictures::Write },
    { "print", Pictures::IconSize, Palette::ButtonKey, Pictures::Print },
    { "add_channel", Pictures::IconSize, Palette::ButtonKey, Pictures::AddChannel },
    { "search", Pictures::IconSize, Palette::ButtonKey, Pictures::Search },
    { "load", Pictures::IconSize, Palette::ButtonKey, Pictures::Load },
    { "save", Pictures::IconSize, Palette::ButtonKey, Pictures::Save },
    { "connection", Pictures::IconSize, Palette::ButtonKey, Pictures::Connection },
    { "tools sign", Pictures::IconSize, Palette::ButtonKey, Pictures::Tools },
    { "exit", Pictures::IconSize, Palette::ButtonKey, Pictures::Exit },
    { "ok", Pictures::IconSize, Palette::ButtonKey, Pictures::Ok },
    { "error", Pictures::IconSize, Palette::ButtonKey, Pictures::Error },
    { "logo", Pictures::LogoSize, Palette::LogoKey, Pictures::Logo },
};

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if ((argc == 3 || argc == 4) && std::strcmp(argv[1], "--icons") == 0) {
        const bool theme = AppIconFiles::Write(QString::fromLocal8Bit(argv[2]));
        return theme && (argc == 3 || AppIconFiles::WriteIco(QString::fromLocal8Bit(argv[3]))) ? 0 : 1;
    }
    if (argc != 2) {
        std::fprintf(stderr, "usage: tarnik-pictures <output directory>\n"
                             "       tarnik-pictures --icons <icon theme directory> [<Windows icon file>]\n");
        return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(dir)) {
        std::fprintf(stderr, "tarnik-pictures: cannot create %s\n", argv[1]);
        return 1;
    }
    int failures = 0;
    for (const Picture& picture : AllPictures) {
        const QImage image = Canvas::Render(picture.size, picture.size, picture.key, picture.draw);
        const QString path = QDir(dir).filePath(QString::fromLatin1(picture.name) + ".bmp");
        if (image.pixelColor(0, image.height() - 1) != picture.key) {
            std::fprintf(stderr, "tarnik-pictures: %s covers its bottom-left pixel\n", picture.name);
            ++failures;
        } else if (!Canvas::SaveBmp(image, path)) {
            std::fprintf(stderr, "tarnik-pictures: cannot write %s\n", qPrintable(path));
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
