#include "AppIconFiles.h"
#include "Pictures.h"
#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <cstdio>

namespace AppIconFiles {

namespace {

QImage Png(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.scale(qreal(size) / Pictures::AppIconCanvas, qreal(size) / Pictures::AppIconCanvas);
    Pictures::AppIcon(p);
    return image;
}

QByteArray Svg()
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(QSize(Pictures::AppIconCanvas, Pictures::AppIconCanvas));
    svg.setViewBox(QRect(0, 0, Pictures::AppIconCanvas, Pictures::AppIconCanvas));
    svg.setTitle(QStringLiteral("Tarnik"));
    QPainter p(&svg);
    p.setRenderHint(QPainter::Antialiasing, true);
    Pictures::AppIcon(p);
    p.end();
    return bytes;
}

// Writes one file aside and moves it into place, making its folder.
bool Save(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    const bool ok = QDir().mkpath(QFileInfo(path).path()) && file.open(QIODevice::WriteOnly)
        && file.write(bytes) == bytes.size() && file.commit();
    if (!ok)
        std::fprintf(stderr, "tarnik-pictures: cannot write %s\n", qPrintable(path));
    return ok;
}

} // namespace

bool Write(const QString& themeDir)
{
    const QDir theme(themeDir);
    const QString file = QString::fromLatin1(Name);
    bool ok = true;
    for (int size : Sizes) {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        Png(size).save(&buffer, "PNG");
        ok = Save(theme.filePath(QStringLiteral("%1x%1/apps/%2.png").arg(size).arg(file)), png) && ok;
    }
    return Save(theme.filePath(QStringLiteral("scalable/apps/%1.svg").arg(file)), Svg()) && ok;
}

bool WriteIco(const QString& path)
{
    QByteArray ico;
    QBuffer buffer(&ico);
    buffer.open(QIODevice::WriteOnly);
    if (!Png(IcoSize).save(&buffer, "ICO")) {
        std::fprintf(stderr, "tarnik-pictures: this Qt cannot write Windows icons\n");
        return false;
    }
    return Save(path, ico);
}

} // namespace AppIconFiles
