#include "widgets/JournalIcons.h"
#include "widgets/ShapePrimitives.h"
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

constexpr int Size = 16;

const QColor Ink(34, 38, 46);
const QColor Paper(255, 255, 255);
const QColor Metal(176, 182, 192);
const QColor MetalLight(232, 236, 242);
const QColor Brass(222, 176, 52);
const QColor BrassDark(128, 92, 16);

// A vertical gradient from top to bottom (the icons' gradients span the
// whole width).
QBrush Vertical(qreal top, qreal bottom, QColor from, QColor to)
{
    return Shapes::Vertical(QRectF(0, top, Size, bottom - top), from, to);
}

using Shapes::Outlined;

QPainterPath Rect(qreal x, qreal y, qreal w, qreal h)
{
    QPainterPath path;
    path.addRect(x, y, w, h);
    return path;
}

void Warning(QPainter& p)
{
    QPainterPath triangle;
    triangle.moveTo(8, 1.5);
    triangle.lineTo(14.5, 13.5);
    triangle.lineTo(1.5, 13.5);
    triangle.closeSubpath();
    p.setPen(QPen(QColor(150, 98, 0), 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Vertical(2, 14, QColor(255, 232, 96), QColor(248, 188, 0)));
    p.drawPath(triangle);
    p.fillRect(QRect(7, 5, 2, 5), Ink);
    p.fillRect(QRect(7, 11, 2, 2), Ink);
}

// Front of a nine-pin serial connector in grey.
void Connector(QPainter& p)
{
    QPainterPath shell;
    shell.moveTo(0.5, 3.5);
    shell.lineTo(15.5, 3.5);
    shell.lineTo(13.5, 11.5);
    shell.lineTo(2.5, 11.5);
    shell.closeSubpath();
    Outlined(p, shell, Vertical(3, 12, MetalLight, QColor(140, 146, 156)), Ink);
    QPainterPath face;
    face.moveTo(2.5, 5.5);
    face.lineTo(13.5, 5.5);
    face.lineTo(12.2, 9.5);
    face.lineTo(3.8, 9.5);
    face.closeSubpath();
    Outlined(p, face, QColor(90, 96, 108), Ink);
    for (int i = 0; i < 5; ++i)
        p.fillRect(QRect(4 + 2 * i, 6, 1, 1), MetalLight);
    for (int i = 0; i < 4; ++i)
        p.fillRect(QRect(5 + 2 * i, 8, 1, 1), MetalLight);
}

// A mains-style plug: dark body, two brass prongs, the cable below.
void Plug(QPainter& p)
{
    Outlined(p, Rect(4.5, 1.5, 2, 5), Vertical(1, 7, QColor(250, 214, 110), Brass), BrassDark);
    Outlined(p, Rect(9.5, 1.5, 2, 5), Vertical(1, 7, QColor(250, 214, 110), Brass), BrassDark);
    QPainterPath body;
    body.addRoundedRect(QRectF(2.5, 6.5, 11, 6), 2, 2);
    Outlined(p, body, Vertical(6, 13, QColor(96, 102, 114), QColor(44, 48, 56)), Ink);
    p.fillRect(QRect(7, 12, 2, 4), Ink);
}

void FloppyShape(QPainter& p, qreal x, qreal y, qreal s)
{
    // A floppy disk in the square (x, y, s): blue case with a cut corner,
    // metal shutter at the top, white label below.
    QPainterPath disk;
    disk.moveTo(x + 0.5, y + 0.5);
    disk.lineTo(x + s - 2.5, y + 0.5);
    disk.lineTo(x + s - 0.5, y + 2.5);
    disk.lineTo(x + s - 0.5, y + s - 0.5);
    disk.lineTo(x + 0.5, y + s - 0.5);
    disk.closeSubpath();
    Outlined(p, disk, Vertical(y, y + s, QColor(104, 152, 226), QColor(28, 56, 118)), Ink);
    const int sx = int(x) + int(s / 4);
    p.fillRect(QRect(sx, int(y) + 1, int(s / 2), int(s * 0.3)), MetalLight);
    p.fillRect(QRect(sx + int(s / 2) - 2, int(y) + 2, 1, int(s * 0.3) - 2), Ink);
    const QRect label(int(x) + 3, int(y + s * 0.55), int(s) - 6, int(s * 0.45) - 1);
    p.fillRect(label, Paper);
}

void Floppy(QPainter& p)
{
    FloppyShape(p, 1, 1, 14);
}

void FloppyPencil(QPainter& p)
{
    FloppyShape(p, 1, 1, 11);
    // Pencil writing on the disk: tip to the upper left, eraser at the lower
    // right corner.
    p.save();
    p.translate(11.5, 11.5);
    p.rotate(-45);
    QPainterPath wood;
    wood.addRect(QRectF(-1.6, -5, 3.2, 6));
    Outlined(p, wood, QColor(248, 196, 40), QColor(120, 80, 0));
    QPainterPath eraser;
    eraser.addRect(QRectF(-1.6, 1, 3.2, 2.5));
    Outlined(p, eraser, QColor(236, 120, 140), QColor(120, 40, 56));
    QPainterPath tip;
    tip.moveTo(-1.6, -5);
    tip.lineTo(1.6, -5);
    tip.lineTo(0, -7.5);
    tip.closeSubpath();
    Outlined(p, tip, QColor(240, 214, 170), QColor(120, 80, 0));
    p.restore();
}

void Tick(QPainter& p)
{
    QPainterPath tick;
    tick.moveTo(2.5, 8.5);
    tick.lineTo(6.5, 12.5);
    tick.lineTo(13.5, 3.5);
    Shapes::RimmedStroke(p, tick, 4, QColor(18, 100, 30), QColor(84, 200, 72));
}

void Cross(QPainter& p)
{
    p.setPen(QPen(QColor(120, 10, 10), 1));
    p.setBrush(Vertical(1, 15, QColor(240, 84, 72), QColor(190, 20, 20)));
    p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
    p.setPen(QPen(Paper, 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(5.5, 5.5), QPointF(10.5, 10.5));
    p.drawLine(QPointF(10.5, 5.5), QPointF(5.5, 10.5));
}

void Magnifier(QPainter& p)
{
    p.setPen(QPen(Ink, 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(10, 10), QPointF(13.5, 13.5));
    p.setPen(QPen(QColor(120, 72, 30), 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(10.5, 10.5), QPointF(13.5, 13.5));
    p.setPen(QPen(Ink, 2));
    p.setBrush(QColor(180, 222, 255, 200));
    p.drawEllipse(QPointF(6.5, 6.5), 4.5, 4.5);
    p.setPen(QPen(Paper, 1, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(4, 4, 5, 5), 100 * 16, 70 * 16);
}

// A white box with an orange arrow coming down into it.
void BoxArrow(QPainter& p)
{
    Outlined(p, Rect(1.5, 7.5, 13, 7), Vertical(7, 15, Paper, QColor(214, 220, 230)), Ink);
    p.fillRect(QRect(5, 9, 6, 1), QColor(150, 158, 170));
    QPainterPath arrow;
    arrow.moveTo(6.5, 0.5);
    arrow.lineTo(9.5, 0.5);
    arrow.lineTo(9.5, 5.5);
    arrow.lineTo(12.5, 5.5);
    arrow.lineTo(8, 11);
    arrow.lineTo(3.5, 5.5);
    arrow.lineTo(6.5, 5.5);
    arrow.closeSubpath();
    Outlined(p, arrow, Vertical(0, 11, QColor(255, 176, 72), QColor(232, 104, 16)),
             QColor(130, 54, 6));
}

QPixmap Icon(void (*draw)(QPainter&))
{
    QImage image(Size, Size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing, true);
        draw(p);
    }
    return QPixmap::fromImage(image);
}

} // namespace

QList<QPixmap> JournalIcons()
{
    return { Icon(Warning), Icon(Connector), Icon(Plug),
             Icon(Floppy), Icon(FloppyPencil), Icon(Tick),
             Icon(Cross), Icon(Magnifier), Icon(BoxArrow) };
}
