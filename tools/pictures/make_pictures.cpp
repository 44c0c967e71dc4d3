// Draws the program's button pictures and its logo as 24-bit BMP files.
// Every picture has a flat background colour in its bottom-left pixel: the
// buttons take that colour as transparent.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>
#include <functional>

namespace {

const QColor Background(255, 0, 255);   // magenta: never part of a drawing

QImage Canvas(int w, int h)
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(Background);
    return img;
}

bool Save(const QImage& img, const QString& dir, const QString& name)
{
    return img.convertToFormat(QImage::Format_RGB888).save(dir + "/" + name + ".bmp", "BMP");
}

void Draw(QImage& img, const std::function<void(QPainter&)>& f)
{
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, false);
    f(p);
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: tarnik-pictures <output directory>\n");
        return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(dir);
    bool ok = true;

    auto icon = [&](const QString& name, const std::function<void(QPainter&)>& f) {
        QImage img = Canvas(24, 24);
        Draw(img, f);
        ok = Save(img, dir, name) && ok;
    };
    icon("read", [](QPainter& p) { p.fillRect(4, 3, 16, 18, QColor(40, 90, 160)); p.fillRect(10, 8, 4, 8, Qt::white); });
    icon("write", [](QPainter& p) { p.fillRect(4, 3, 16, 18, QColor(170, 60, 40)); p.fillRect(10, 8, 4, 8, Qt::white); });
    icon("print", [](QPainter& p) { p.fillRect(3, 9, 18, 9, QColor(90, 90, 90)); p.fillRect(7, 3, 10, 6, Qt::white); });
    icon("add_channel", [](QPainter& p) { p.fillRect(10, 4, 4, 16, QColor(30, 140, 60)); p.fillRect(4, 10, 16, 4, QColor(30, 140, 60)); });
    icon("search", [](QPainter& p) { p.setPen(QPen(QColor(40, 40, 40), 2)); p.drawEllipse(4, 4, 11, 11); p.drawLine(14, 14, 20, 20); });
    icon("load", [](QPainter& p) { p.fillRect(3, 8, 18, 12, QColor(220, 170, 60)); });
    icon("save", [](QPainter& p) { p.fillRect(4, 4, 16, 16, QColor(40, 60, 140)); p.fillRect(7, 4, 10, 6, Qt::white); });
    icon("connection", [](QPainter& p) { p.fillRect(3, 10, 8, 4, QColor(60, 60, 60)); p.fillRect(13, 10, 8, 4, QColor(60, 60, 60)); });
    icon("tools sign", [](QPainter& p) { p.setPen(QPen(QColor(80, 80, 80), 3)); p.drawLine(5, 19, 18, 6); });
    icon("exit", [](QPainter& p) { p.setPen(QPen(QColor(190, 30, 30), 3)); p.drawLine(6, 6, 18, 18); p.drawLine(18, 6, 6, 18); });
    icon("ok", [](QPainter& p) { p.setPen(QPen(QColor(20, 150, 40), 3)); p.drawLine(5, 12, 10, 18); p.drawLine(10, 18, 19, 6); });
    icon("error", [](QPainter& p) { p.setPen(QPen(QColor(200, 30, 30), 3)); p.drawLine(6, 6, 18, 18); p.drawLine(18, 6, 6, 18); });

    QImage logo = Canvas(105, 105);
    Draw(logo, [](QPainter& p) {
        p.setBrush(QColor(40, 70, 120));
        p.setPen(Qt::NoPen);
        p.drawEllipse(8, 8, 89, 89);
    });
    ok = Save(logo, dir, "logo") && ok;

    if (!ok) {
        std::fprintf(stderr, "tarnik-pictures: could not write into %s\n", argv[1]);
        return 1;
    }
    return 0;
}
