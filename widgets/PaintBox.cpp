#include "widgets/PaintBox.h"
#include <QMouseEvent>
#include <QPainter>

TPaintBox::TPaintBox(QWidget* parent)
    : QWidget(parent)
{
    setMouseTracking(true);
}

void TPaintBox::paintEvent(QPaintEvent*)
{
    if (!OnPaint)
        return;
    QPainter p(this);
    OnPaint(p);
}

void TPaintBox::mousePressEvent(QMouseEvent* e)
{
    const QPoint pos = e->position().toPoint();
    if (e->button() == Qt::LeftButton)
        leftPressedInside = rect().contains(pos);
    if (OnMouseDown)
        OnMouseDown(e->button(), pos);
}

void TPaintBox::mouseDoubleClickEvent(QMouseEvent* e) { mousePressEvent(e); }

void TPaintBox::mouseMoveEvent(QMouseEvent* e)
{
    if (OnMouseMove)
        OnMouseMove(e->position().toPoint());
}

void TPaintBox::mouseReleaseEvent(QMouseEvent* e)
{
    const QPoint pos = e->position().toPoint();
    const bool click = e->button() == Qt::LeftButton && leftPressedInside && rect().contains(pos);
    if (e->button() == Qt::LeftButton)
        leftPressedInside = false;
    if (OnMouseUp)
        OnMouseUp(e->button(), pos);
    if (click && OnClick)
        OnClick();
}
