#include "Palette.h"
#include "Pictures.h"
#include "Shapes.h"
#include <QPainter>

namespace Pictures {

using namespace Shapes;

namespace {

// Grey bars standing for lines of text, one pixel high, starting in the
// pixel rows top, top + pitch, ...; every second line is a little shorter.
void TextLines(QPainter& p, int left, int right, int top, int pitch, int count)
{
    for (int i = 0; i < count; ++i)
        p.fillRect(QRect(left, top + pitch * i, (i % 2 ? right - 2 : right) - left, 1),
                   Palette::TextLine);
}

QPainterPath Rect(const QRectF& r)
{
    QPainterPath path;
    path.addRect(r);
    return path;
}

} // namespace

void Print(QPainter& p)
{
    using namespace Palette;
    // Sheet waiting in the feeder, the printer body, the printed sheet.
    Outlined(p, Rect(QRectF(6.5, 1.5, 11, 8)), Paper, Ink);
    QPainterPath body;
    body.addRoundedRect(QRectF(1.5, 8.5, 21, 10), 1.5, 1.5);
    Outlined(p, body, Vertical(QRectF(1, 8, 22, 11), QColor(150, 156, 168), QColor(84, 90, 102)), Ink);
    Outlined(p, Rect(QRectF(4.5, 11.5, 15, 2)), QColor(40, 44, 52), Ink);
    p.fillRect(QRectF(18, 9.8, 2, 1.5), GreenLight);
    Outlined(p, Rect(QRectF(5.5, 13.5, 13, 9)), Paper, Ink);
    TextLines(p, 7, 17, 16, 2, 3);
}

void AddChannel(QPainter& p)
{
    using namespace Palette;
    // A channel table: numbered rows with a frequency bar each.
    Outlined(p, Rect(QRectF(1.5, 1.5, 17, 19)), Paper, Ink);
    Outlined(p, Rect(QRectF(1.5, 1.5, 17, 3)), Vertical(QRectF(1, 1, 18, 4), BlueLight, Blue), Ink);
    p.save();
    for (int row = 0; row < 4; ++row) {
        const int y = 6 + 3 * row;
        p.fillRect(QRect(4, y, 2, 2), Blue);
        p.fillRect(QRect(7, y, row % 2 ? 7 : 9, 1), TextLine);
    }
    p.restore();
    // Green disc with a white plus.
    const QPointF c(17.5, 17.5);
    p.save();
    p.setPen(QPen(GreenDark, 1));
    p.setBrush(Vertical(QRectF(11, 11, 13, 13), GreenLight, Green));
    p.drawEllipse(c, 5.8, 5.8);
    p.setPen(Qt::NoPen);
    p.setBrush(Paper);
    p.drawRect(QRectF(c.x() - 3.5, c.y() - 1, 7, 2));
    p.drawRect(QRectF(c.x() - 1, c.y() - 3.5, 2, 7));
    p.restore();
}

void Load(QPainter& p)
{
    using namespace Palette;
    // Back of the folder with its tab, a sheet inside, the front flap open.
    QPainterPath back;
    back.moveTo(1.5, 4.5);
    back.lineTo(8.5, 4.5);
    back.lineTo(10.5, 6.5);
    back.lineTo(19.5, 6.5);
    back.lineTo(19.5, 20.5);
    back.lineTo(1.5, 20.5);
    back.closeSubpath();
    Outlined(p, back, Vertical(QRectF(1, 4, 19, 17), Folder, FolderDark), Ink);
    Outlined(p, Rect(QRectF(4.5, 2.5, 12, 12)), Paper, Ink);
    TextLines(p, 6, 15, 5, 2, 3);
    QPainterPath flap;
    flap.moveTo(5.5, 10.5);
    flap.lineTo(22.5, 10.5);
    flap.lineTo(19.5, 20.5);
    flap.lineTo(1.5, 20.5);
    flap.closeSubpath();
    Outlined(p, flap, Vertical(QRectF(1, 10, 22, 11), FolderLight, Folder), Ink);
}

void Save(QPainter& p)
{
    using namespace Palette;
    // Floppy disk: blue case with a cut corner, metal shutter, paper label.
    QPainterPath disk;
    disk.moveTo(2.5, 2.5);
    disk.lineTo(18.5, 2.5);
    disk.lineTo(21.5, 5.5);
    disk.lineTo(21.5, 21.5);
    disk.lineTo(2.5, 21.5);
    disk.closeSubpath();
    Outlined(p, disk, Vertical(QRectF(2, 2, 20, 20), BlueLight, BlueDark), Ink);
    Outlined(p, Rect(QRectF(6.5, 2.5, 10, 7)), Vertical(QRectF(6, 2, 11, 8), MetalLight, Metal), Ink);
    p.fillRect(QRectF(13, 4, 2, 4), QColor(52, 58, 70));
    Outlined(p, Rect(QRectF(5.5, 12.5, 13, 9)), Paper, Ink);
    TextLines(p, 7, 17, 15, 2, 3);
}

void Tools(QPainter& p)
{
    using namespace Palette;
    // Screwdriver from top left to bottom right, drawn upright then turned.
    p.save();
    p.translate(12, 12);
    p.rotate(-45);
    QPainterPath blade;
    blade.addRect(QRectF(-1, -11, 2, 11));
    Outlined(p, blade, Metal, Ink);
    QPainterPath grip;
    grip.addRoundedRect(QRectF(-2.8, 0, 5.6, 11), 2, 2);
    Outlined(p, grip, Vertical(QRectF(-3, 0, 6, 11), RedLight, Red), RedDark);
    p.restore();

    // Open-ended wrench from bottom left to top right, on top.
    p.save();
    p.translate(12, 12);
    p.rotate(45);
    QPainterPath wrench;
    wrench.addRoundedRect(QRectF(-1.7, -6, 3.4, 17), 1.5, 1.5);
    QPainterPath head;
    head.addEllipse(QPointF(0, -7.5), 4.6, 4.6);
    QPainterPath jaw;
    jaw.addRect(QRectF(-1.5, -13, 3, 6));
    wrench = wrench.united(head).subtracted(jaw);
    Outlined(p, wrench, Vertical(QRectF(-5, -12, 10, 24), MetalLight, Metal), Ink);
    p.restore();
}

void Exit(QPainter& p)
{
    using namespace Palette;
    // Door frame with the dark opening, the door leaf swung towards us and
    // the arrow going out.
    Outlined(p, Rect(QRectF(3.5, 1.5, 11, 21)), QColor(44, 36, 30), Ink);
    QPainterPath leaf;
    leaf.moveTo(3.5, 1.5);
    leaf.lineTo(9.5, 4.5);
    leaf.lineTo(9.5, 23.0);
    leaf.lineTo(3.5, 22.5);
    leaf.closeSubpath();
    Outlined(p, leaf, Vertical(QRectF(3, 1, 7, 22), Wood, WoodDark), Ink);
    p.fillRect(QRectF(7.5, 12, 1.5, 2), Brass);
    Arrow(p, QPointF(11, 12.5), QPointF(23, 12.5), GreenArrow(4, 9, 5.5));
}

} // namespace Pictures
