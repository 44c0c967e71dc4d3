#include "Palette.h"
#include "Pictures.h"
#include "Shapes.h"
#include <QPainter>

namespace Pictures {

void Ok(QPainter& p)
{
    QPainterPath tick;
    tick.moveTo(4.5, 12.5);
    tick.lineTo(9.5, 18);
    tick.lineTo(19.5, 5.5);
    Shapes::RimmedStroke(p, tick, 5.5, Palette::GreenDark, Palette::GreenLight);
}

void Error(QPainter& p)
{
    QPainterPath cross;
    cross.moveTo(6, 6);
    cross.lineTo(18, 18);
    cross.moveTo(18, 6);
    cross.lineTo(6, 18);
    Shapes::RimmedStroke(p, cross, 5.5, Palette::RedDark, Palette::RedLight);
}

} // namespace Pictures
