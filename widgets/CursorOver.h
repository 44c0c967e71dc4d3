#pragma once
#include <QPoint>

class QWidget;

// Whether the screen point lies over the control: inside its screen
// rectangle as the toolkit maps it, edges included (left <= x <= left +
// width, top <= y <= top + height).
bool ScreenPointOver(const QWidget* control, const QPoint& screenPoint);
// The same for the current cursor position.
bool CursorOver(const QWidget* control);
