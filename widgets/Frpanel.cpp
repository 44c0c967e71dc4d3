#include "widgets/Frpanel.h"
#include "widgets/CursorOver.h"
#include "widgets/KitFont.h"
#include "widgets/PaintBox.h"
#include "widgets/U_drawing.h"
#include <QPainter>
#include <QTimer>

Tfr_panel::Tfr_panel(QWidget* parent)
    : QWidget(parent)
    , P(new TPaintBox(this))
    , T(new QTimer(this))
{
    P->OnPaint = [this](QPainter& c) { PPaint(c); };
    P->OnMouseMove = [this](QPoint pos) { PMouseMove(pos); };
    T->setInterval(100);
    connect(T, &QTimer::timeout, this, &Tfr_panel::TTimer);
    resize(320, 240);
    P->setGeometry(rect());
    BuildStateImages();
}

void Tfr_panel::SetCaption(const QString& text) { lines = SplitCaption(text); }

void Tfr_panel::BuildStateImages()
{
    const int W = width(), H = height();
    QImage image(W, H, QImage::Format_RGB32);
    if (!image.isNull()) {
        image.fill(Qt::black);
        QPainter p(&image);
        GradientFill(p, 0, 0, W, TopBand, RGBColor(206, 211, 218), RGBColor(193, 198, 203), GradientTopToBottom);
        GradientFill(p, 0, TopBand, W, H - BottomBand, RGBColor(181, 188, 198), RGBColor(229, 235, 235), GradientTopToBottom);
        GradientFill(p, 0, H - BottomBand, W, H, RGBColor(182, 184, 184), RGBColor(156, 158, 158), GradientTopToBottom);
        // The outline: top row, right column, bottom row, left column, each
        // edge pixel once.
        const QColor black(0, 0, 0);
        p.setPen(black);
        p.fillRect(0, 0, W, 1, black);
        p.fillRect(W - 1, 1, 1, H - 1, black);
        p.fillRect(0, H - 1, W - 1, 1, black);
        p.fillRect(0, 1, 1, H - 2, black);
    }
    // Both states share the background; only the caption colour differs.
    StateImages[Hover] = image;
    StateImages[Normal] = image;
}

void Tfr_panel::resizeEvent(QResizeEvent*) { FrameResize(); }

void Tfr_panel::FrameResize()
{
    P->setGeometry(rect());
    BuildStateImages();
    P->update();
}

void Tfr_panel::PPaint(QPainter& canvas)
{
    canvas.drawImage(0, 0, StateImages[state]);
    const int n = lines.size();
    if (n == 0)
        return;
    const QFont font = KitFont();
    canvas.setFont(font);
    canvas.setPen(state == Hover ? QColor(0, 0, 0) : QColor(255, 255, 255));
    const QFontMetrics fm(font);
    const int sumH = n * fm.height();
    const int W = width(), H = height();
    for (int i = 0; i < n; ++i) {
        const int x = (W - fm.horizontalAdvance(lines[i])) / 2;
        const int y = (H - BottomBand) + (BottomBand - sumH) / 2 + (sumH * i) / n;
        canvas.drawText(x, y + fm.ascent(), lines[i]);
    }
}

void Tfr_panel::PMouseMove(QPoint)
{
    if (state == Normal) {
        state = Hover;
        P->update();
        T->start();
    }
}

void Tfr_panel::TTimer()
{
    T->stop();
    if (CursorOver(this)) {
        T->start();
        return;
    }
    state = Normal;
    P->update();
}
