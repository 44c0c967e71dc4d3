#include "widgets/WheelGuard.h"
#include "widgets/CSpinEdit.h"
#include <QAbstractScrollArea>
#include <QAbstractSlider>
#include <QApplication>
#include <QComboBox>
#include <QScrollBar>
#include <QWheelEvent>

namespace {
// The control that holds the focus for a value control: a spin edit's
// focus lies in its text field.
bool HasFocus(const QWidget* control)
{
    const QWidget* focus = QApplication::focusWidget();
    return focus && (focus == control || control->isAncestorOf(focus));
}

// The nearest scroll area around a widget, not counting the scroll bars
// themselves.
QAbstractScrollArea* ScrollAreaAround(QWidget* w)
{
    for (QWidget* p = w->parentWidget(); p; p = p->parentWidget())
        if (auto* area = qobject_cast<QAbstractScrollArea*>(p))
            return area;
    return nullptr;
}
} // namespace

void TWheelGuard::Install()
{
    static TWheelGuard* guard = nullptr;
    if (guard || !qApp)
        return;
    guard = new TWheelGuard(qApp);
    qApp->installEventFilter(guard);
}

bool TWheelGuard::Guards(const QObject* object)
{
    // A scroll bar is a slider too, and it must keep scrolling.
    if (qobject_cast<const QScrollBar*>(object))
        return false;
    return qobject_cast<const QComboBox*>(object) || qobject_cast<const QAbstractSlider*>(object)
        || qobject_cast<const TCSpinEdit*>(object);
}

bool TWheelGuard::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Polish && Guards(watched)) {
        // The wheel must not give the focus, or the first notch would both
        // focus the control and change it.
        auto* w = static_cast<QWidget*>(watched);
        if (w->focusPolicy() == Qt::WheelFocus)
            w->setFocusPolicy(Qt::StrongFocus);
        return false;
    }
    if (event->type() != QEvent::Wheel || !Guards(watched))
        return false;
    auto* control = static_cast<QWidget*>(watched);
    if (HasFocus(control))
        return false;
    // Not the control's wheel: the page under it scrolls instead.
    if (QAbstractScrollArea* area = ScrollAreaAround(control)) {
        auto* wheel = static_cast<QWheelEvent*>(event);
        QWidget* viewport = area->viewport();
        const QPointF at = viewport->mapFromGlobal(wheel->globalPosition());
        QWheelEvent forwarded(at, wheel->globalPosition(), wheel->pixelDelta(), wheel->angleDelta(),
                              wheel->buttons(), wheel->modifiers(), wheel->phase(), wheel->inverted(),
                              wheel->source());
        QCoreApplication::sendEvent(viewport, &forwarded);
    }
    event->accept();
    return true;
}
