#pragma once
#include "widgets/CaptionLines.h"
#include <QImage>
#include <QStringList>
#include <QWidget>

class QPainter;
class QTimer;
class TPaintBox;

// The program's push button: a two-band gradient background per state, a
// caption of centred lines and an optional picture beside, above or below
// the caption. clicked() is the button's click: a left press and release
// over the button; a disabled button reports none. Hover feedback comes from
// mouse moves plus a 100 ms timer that notices when the cursor has left.
class Tfr_button : public QWidget {
    Q_OBJECT
public:
    enum TState { Hover = 0, Normal = 1, Disabled = 2, Pressed = 3 };
    enum TPictureLayout { PictureLeft = 0, PictureRight = 1, PictureAbove = 2, PictureBelow = 3 };
    static constexpr int PictureGap = 5;

    explicit Tfr_button(QWidget* parent = nullptr);

    // Replaces the caption lines (see SplitCaption); shows at the next paint.
    void SetCaption(const QString& text);
    // Loads a bitmap, transparent by its bottom-left pixel. A file that
    // cannot be loaded changes nothing and raises no message.
    void SetPicture(const QString& path);
    // 0 to 3 (TPictureLayout); any other value is ignored.
    void SetPictureLayout(int layout);
    // Normal when true, Disabled when false, whatever the state was.
    void SetEnabled(bool enabled);

    int State() const { return state; }
    int PictureLayout() const { return pictureLayout; }
    bool HasPicture() const { return hasPicture; }
    const QImage& Picture() const { return picture; }
    const QStringList& Lines() const { return lines; }

    // The painting surface over the whole button; it receives the mouse.
    TPaintBox* P;
    // The hover timer, 100 ms, running only while the cursor may still be
    // over the button.
    QTimer* T;

signals:
    void clicked();

protected:
    void resizeEvent(QResizeEvent*) override;
    // Mouse input sent to the frame itself is handled as if it came to P.
    void mousePressEvent(QMouseEvent*) override;
    void mouseDoubleClickEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;

private:
    void ForwardToP(QMouseEvent* e);
    void FrameResize();
    void BuildStateImages();
    void PPaint(QPainter& canvas);
    void PMouseDown(Qt::MouseButton button, QPoint pos);
    void PMouseMove(QPoint pos);
    void PMouseUp(Qt::MouseButton button, QPoint pos);
    void PClick();
    void TTimer();
    void SetState(int s);

    QImage StateImages[4];
    QImage picture;
    bool hasPicture = false;
    bool clickArmed = false;
    int state = Normal;
    int pictureLayout = PictureLeft;
    QStringList lines{QStringLiteral("Кнопка")};
};
