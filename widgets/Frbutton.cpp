#include "widgets/Frbutton.h"
#include "widgets/CursorOver.h"
#include "widgets/KitFont.h"
#include "widgets/PaintBox.h"
#include "widgets/TransparentBitmap.h"
#include "widgets/U_drawing.h"
#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

namespace {

struct TStateLook {
    TColor topFrom, topTo, bottomFrom, bottomTo;
    QColor text;
};

// Indexed by Tfr_button::TState.
const TStateLook Looks[4] = {
    {RGBColor(236, 237, 240), RGBColor(231, 233, 236), RGBColor(227, 230, 233), RGBColor(244, 246, 246), QColor(0, 0, 0)},
    {RGBColor(206, 211, 218), RGBColor(193, 198, 207), RGBColor(181, 188, 198), RGBColor(229, 235, 235), QColor(0, 0, 0)},
    {RGBColor(255, 255, 255), RGBColor(192, 192, 192), RGBColor(192, 192, 192), RGBColor(255, 255, 255), QColor(128, 128, 128)},
    {RGBColor(255, 255, 255), RGBColor(192, 192, 192), RGBColor(192, 192, 192), RGBColor(255, 255, 255), QColor(0, 0, 0)},
};

} // namespace

Tfr_button::Tfr_button(QWidget* parent)
    : QWidget(parent)
    , P(new TPaintBox(this))
    , T(new QTimer(this))
{
    setMouseTracking(true);
    P->OnPaint = [this](QPainter& c) { PPaint(c); };
    P->OnMouseDown = [this](Qt::MouseButton b, QPoint pos) { PMouseDown(b, pos); };
    P->OnMouseMove = [this](QPoint pos) { PMouseMove(pos); };
    P->OnMouseUp = [this](Qt::MouseButton b, QPoint pos) { PMouseUp(b, pos); };
    P->OnClick = [this] { PClick(); };
    T->setInterval(100);
    T->setSingleShot(false);
    connect(T, &QTimer::timeout, this, &Tfr_button::TTimer);
    resize(200, 40);
    P->setGeometry(rect());
    BuildStateImages();
}

void Tfr_button::BuildStateImages()
{
    const int W = width(), H = height();
    const int h = H / 2;
    for (int s = 0; s < 4; ++s) {
        StateImages[s] = QImage(W, H, QImage::Format_RGB32);
        if (StateImages[s].isNull())
            continue;
        StateImages[s].fill(Qt::black);
        GradientFill(StateImages[s], 0, 0, W, h, Looks[s].topFrom, Looks[s].topTo, GradientTopToBottom);
        GradientFill(StateImages[s], 0, h, W, H, Looks[s].bottomFrom, Looks[s].bottomTo, GradientTopToBottom);
    }
}

void Tfr_button::resizeEvent(QResizeEvent*) { FrameResize(); }

void Tfr_button::FrameResize()
{
    P->setGeometry(rect());
    BuildStateImages();
    P->update();
}

void Tfr_button::SetCaption(const QString& text) { lines = SplitCaption(text); }

void Tfr_button::SetPicture(const QString& path)
{
    if (!LoadTransparentBitmap(path, picture))
        return;
    hasPicture = true;
    P->update();
}

void Tfr_button::SetPictureLayout(int layout)
{
    if (layout < PictureLeft || layout > PictureBelow)
        return;
    pictureLayout = layout;
    P->update();
}

void Tfr_button::SetEnabled(bool enabled) { SetState(enabled ? Normal : Disabled); }

void Tfr_button::SetState(int s)
{
    state = s;
    P->update();
}

void Tfr_button::PPaint(QPainter& canvas)
{
    canvas.drawImage(0, 0, StateImages[state]);
    const QFont font = KitFont();
    canvas.setFont(font);
    canvas.setPen(Looks[state].text);
    const QFontMetrics fm(font);

    const int W = width(), H = height();
    const int n = lines.size();
    QList<int> w;
    int maxW = 0, sumH = 0;
    for (const QString& line : lines) {
        w << fm.horizontalAdvance(line);
        maxW = std::max(maxW, w.last());
        sumH += fm.height();
    }

    // Where the caption block starts and how each line is aligned in it.
    enum { Centred, LeftAligned, RightAligned } align = Centred;
    int blockX = 0;
    int y0 = (H - sumH) / 2;
    if (hasPicture) {
        const int pw = picture.width(), ph = picture.height();
        switch (pictureLayout) {
        case PictureLeft: {
            const int A = pw + PictureGap + maxW;
            canvas.drawImage((W - A) / 2, (H - ph) / 2, picture);
            align = LeftAligned;
            blockX = (W - A) / 2 + pw + PictureGap;
            break;
        }
        case PictureRight: {
            const int A = pw + PictureGap + maxW;
            canvas.drawImage((W - A) / 2 + maxW + PictureGap, (H - ph) / 2, picture);
            align = RightAligned;
            blockX = (W - A) / 2 + maxW;
            break;
        }
        case PictureAbove: {
            const int A = ph + PictureGap + sumH;
            canvas.drawImage((W - pw) / 2, (H - A) / 2, picture);
            y0 = (H - A) / 2 + ph + PictureGap;
            break;
        }
        case PictureBelow: {
            const int A = ph + PictureGap + sumH;
            canvas.drawImage((W - pw) / 2, (H - A) / 2 + PictureGap + sumH, picture);
            y0 = (H - A) / 2;
            break;
        }
        }
    }
    for (int i = 0; i < n; ++i) {
        int x = (W - w[i]) / 2;
        if (align == LeftAligned)
            x = blockX;
        else if (align == RightAligned)
            x = blockX - w[i];
        const int y = y0 + (sumH * i) / n;
        canvas.drawText(x, y + fm.ascent(), lines[i]);
    }
}

void Tfr_button::PMouseMove(QPoint pos)
{
    // While a button is held the moves keep coming here from outside too;
    // only a move over the button counts.
    if (!P->rect().contains(pos))
        return;
    if (state == Normal) {
        SetState(Hover);
        T->start();
    }
}

void Tfr_button::PMouseDown(Qt::MouseButton button, QPoint)
{
    // A click needs a left press the button took; one pressed while
    // disabled (or already held by another button) reports nothing.
    if (button == Qt::LeftButton)
        clickArmed = state == Normal || state == Hover;
    if (state == Normal || state == Hover) {
        SetState(Pressed);
        T->start();
    }
}

void Tfr_button::PMouseUp(Qt::MouseButton, QPoint)
{
    if (state == Pressed) {
        SetState(Normal);
        T->start();
    }
}

void Tfr_button::PClick()
{
    const bool click = clickArmed && state != Disabled;
    clickArmed = false;
    if (click)
        emit clicked();
}

void Tfr_button::TTimer()
{
    T->stop();
    if (CursorOver(this)) {
        T->start();
        return;
    }
    if (state != Disabled)
        state = Normal;
    P->update();
}

// Mouse input sent to the frame itself (P normally covers it) is handed on
// to P unchanged; P lies at the frame's origin.
void Tfr_button::mousePressEvent(QMouseEvent* e) { ForwardToP(e); }
void Tfr_button::mouseDoubleClickEvent(QMouseEvent* e) { ForwardToP(e); }
void Tfr_button::mouseReleaseEvent(QMouseEvent* e) { ForwardToP(e); }
void Tfr_button::mouseMoveEvent(QMouseEvent* e) { ForwardToP(e); }

void Tfr_button::ForwardToP(QMouseEvent* e)
{
    QMouseEvent copy(e->type(), e->position(), e->scenePosition(), e->globalPosition(), e->button(),
                     e->buttons(), e->modifiers(), e->pointingDevice());
    QApplication::sendEvent(P, &copy);
}
