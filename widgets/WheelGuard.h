#pragma once
#include <QObject>

// Keeps the mouse wheel from changing a value the user is not editing. A
// drop-down list, track bar or spin edit takes the wheel only while it has
// the keyboard focus (given by a click or Tab); otherwise the wheel scrolls
// the scroll area under it, as it would over a label. The wheel no longer
// gives these controls the focus. One filter on the application serves
// every such control of every window.
class TWheelGuard : public QObject {
public:
    // Installs the filter on the running application, once.
    static void Install();

    // Whether the guard treats a widget as a value control.
    static bool Guards(const QObject* object);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using QObject::QObject;
};
