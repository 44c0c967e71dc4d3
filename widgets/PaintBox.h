#pragma once
#include <QWidget>
#include <functional>

class QPainter;

// A bare painting surface that hands its paints and mouse input to its
// owner. The drawn controls place one over their whole area.
// A double click counts as a second press. OnClick follows a left press and
// a left release both inside the box, after OnMouseUp.
class TPaintBox : public QWidget {
    Q_OBJECT
public:
    explicit TPaintBox(QWidget* parent);

    std::function<void(QPainter&)> OnPaint;
    std::function<void(Qt::MouseButton, QPoint)> OnMouseDown;
    std::function<void(QPoint)> OnMouseMove;
    std::function<void(Qt::MouseButton, QPoint)> OnMouseUp;
    std::function<void()> OnClick;

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseDoubleClickEvent(QMouseEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;

private:
    bool leftPressedInside = false;
};
