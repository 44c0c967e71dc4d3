#include "editors/ArrowButtons.h"
#include <QAbstractButton>
#include <QEvent>
#include <QToolButton>

namespace {
class TMouseWatcher : public QObject {
public:
    TMouseWatcher(QAbstractButton* button, std::function<void()> down, std::function<void()> up)
        : QObject(button)
        , button(button)
        , down(std::move(down))
        , up(std::move(up))
    {
        button->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != button)
            return false;
        const QEvent::Type type = event->type();
        if ((type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick) && button->isEnabled())
            down();
        else if (type == QEvent::MouseButtonRelease)
            up();   // also when disabled meanwhile: a held repeat must stop
        return false;
    }

private:
    QAbstractButton* button;
    std::function<void()> down;
    std::function<void()> up;
};
} // namespace

QToolButton* FlatArrowButton(QWidget* parent, Qt::ArrowType arrow, const QRect& geometry)
{
    auto* b = new QToolButton(parent);
    b->setArrowType(arrow);
    b->setAutoRaise(true);
    b->setFocusPolicy(Qt::NoFocus);
    b->setGeometry(geometry);
    return b;
}

void WatchMouseButtons(QAbstractButton* button, std::function<void()> down, std::function<void()> up)
{
    new TMouseWatcher(button, std::move(down), std::move(up));
}
