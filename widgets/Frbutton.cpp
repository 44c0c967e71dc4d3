#include "widgets/Frbutton.h"
#include "widgets/U_drawing.h"
#include <QCursor>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

QStringList SplitCaption(const QString& text)
{
    QStringList result;
    QString line;
    for (QChar c : text) {
        if (c == QLatin1Char('\n')) {
            result << line;
            line.clear();
        } else {
            line += c;
        }
    }
    if (!line.isEmpty())
        result << line;
    return result;
}

Tfr_button::Tfr_button(QWidget* parent)
    : QWidget(parent)
    , T(new QTimer(this))
{
    resize(200, 40);
    setMouseTracking(true);
    T->setInterval(100);
    connect(T, &QTimer::timeout, this, [this] {
        T->stop();
        if (rect().contains(mapFromGlobal(QCursor::pos()))) {
            T->start();
        } else if (state != Disabled) {
            SetState(Normal);
        }
    });
    BuildStateImages();
}

void Tfr_button::BuildStateImages()
{
    static const TColor colours[4][4] = {
        {RGBColor(236, 237, 240), RGBColor(231, 233, 236), RGBColor(227, 230, 233), RGBColor(244, 246, 246)},
        {RGBColor(206, 211, 218), RGBColor(193, 198, 207), RGBColor(181, 188, 198), RGBColor(229, 235, 235)},
        {RGBColor(255, 255, 255), RGBColor(192, 192, 192), RGBColor(192, 192, 192), RGBColor(255, 255, 255)},
        {RGBColor(255, 255, 255), RGBColor(192, 192, 192), RGBColor(192, 192, 192), RGBColor(255, 255, 255)},
    };
    const int w = std::max(1, width());
    const int h = std::max(1, height());
    for (int s = 0; s < 4; ++s) {
        StateImages[s] = QImage(w, h, QImage::Format_RGB32);
        StateImages[s].fill(Qt::black);
        GradientFill(StateImages[s], 0, 0, w, h / 2, colours[s][0], colours[s][1], GradientTopToBottom);
        GradientFill(StateImages[s], 0, h / 2, w, h, colours[s][2], colours[s][3], GradientTopToBottom);
    }
}

void Tfr_button::SetCaption(const QString& text) { lines = SplitCaption(text); }

void Tfr_button::SetPicture(const QString& path)
{
    QImage img;
    if (!img.load(path))
        return;
    QPixmap pm = QPixmap::fromImage(img);
    pm.setMask(pm.createMaskFromColor(img.pixelColor(0, img.height() - 1)));
    Picture = pm;
    hasPicture = true;
    update();
}

void Tfr_button::SetPictureLayout(int layout)
{
    if (layout < PictureLeft || layout > PictureBelow)
        return;
    pictureLayout = layout;
    update();
}

void Tfr_button::SetEnabled(bool enabled) { SetState(enabled ? Normal : Disabled); }

void Tfr_button::SetState(int s)
{
    state = s;
    update();
}

void Tfr_button::resizeEvent(QResizeEvent*)
{
    BuildStateImages();
    update();
}

void Tfr_button::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.drawImage(0, 0, StateImages[state]);
    QFont f(QStringLiteral("Arial"));
    f.setPointSize(12);
    p.setFont(f);
    p.setPen(state == Disabled ? QColor(128, 128, 128) : QColor(0, 0, 0));
    const QFontMetrics fm(f);
    const int W = width(), H = height();
    const int n = lines.size();
    int maxW = 0, sumH = 0;
    for (const QString& l : lines) {
        maxW = std::max(maxW, fm.horizontalAdvance(l));
        sumH += fm.height();
    }
    int x0 = -1, y0 = (H - sumH) / 2;
    if (hasPicture) {
        const int pw = Picture.width(), ph = Picture.height();
        if (pictureLayout == PictureLeft || pictureLayout == PictureRight) {
            const int A = pw + PictureGap + maxW;
            const int px = pictureLayout == PictureLeft ? (W - A) / 2 : (W - A) / 2 + maxW + PictureGap;
            p.drawPixmap(px, (H - ph) / 2, Picture);
            x0 = pictureLayout == PictureLeft ? (W - A) / 2 + pw + PictureGap : (W - A) / 2;
        } else {
            const int A = ph + PictureGap + sumH;
            const int py = pictureLayout == PictureAbove ? (H - A) / 2 : (H - A) / 2 + PictureGap + sumH;
            p.drawPixmap((W - pw) / 2, py, Picture);
            y0 = pictureLayout == PictureAbove ? (H - A) / 2 + ph + PictureGap : (H - A) / 2;
        }
    }
    for (int i = 0; i < n; ++i) {
        const int wi = fm.horizontalAdvance(lines[i]);
        int x = (W - wi) / 2;
        if (x0 >= 0)
            x = pictureLayout == PictureRight ? x0 + maxW - wi : x0;
        p.drawText(x, y0 + (sumH * i) / n + fm.ascent(), lines[i]);
    }
}

void Tfr_button::mousePressEvent(QMouseEvent*)
{
    if (state == Normal || state == Hover) {
        SetState(Pressed);
        T->start();
    }
}

void Tfr_button::mouseReleaseEvent(QMouseEvent* e)
{
    if (state != Pressed)
        return;
    SetState(Normal);
    T->start();
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()))
        emit clicked();
}

void Tfr_button::mouseMoveEvent(QMouseEvent*)
{
    if (state == Normal) {
        SetState(Hover);
        T->start();
    }
}
