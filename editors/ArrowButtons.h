#pragma once
#include <QRect>
#include <functional>

class QAbstractButton;
class QToolButton;
class QWidget;

// A flat arrow button that does not take the focus from the field being
// edited.
QToolButton* FlatArrowButton(QWidget* parent, Qt::ArrowType arrow, const QRect& geometry);

// Reports a press and a release of any mouse button on the button (its own
// pressed/released signals know only the left button). A disabled button
// reports no press.
void WatchMouseButtons(QAbstractButton* button, std::function<void()> down, std::function<void()> up);
