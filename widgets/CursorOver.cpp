#include "widgets/CursorOver.h"
#include <QCursor>
#include <QWidget>

bool ScreenPointOver(const QWidget* control, const QPoint& p)
{
    const QPoint topLeft = control->mapToGlobal(QPoint(0, 0));
    return p.x() >= topLeft.x() && p.x() <= topLeft.x() + control->width()
        && p.y() >= topLeft.y() && p.y() <= topLeft.y() + control->height();
}

bool CursorOver(const QWidget* control) { return ScreenPointOver(control, QCursor::pos()); }
