#include "widgets/Frprogress.h"
#include "widgets/KitFont.h"
#include "widgets/PaintBox.h"
#include "widgets/U_drawing.h"
#include <QPainter>
#include <algorithm>

Tfr_progress::Tfr_progress(QWidget* parent)
    : QWidget(parent)
    , P(new TPaintBox(this))
{
    P->OnPaint = [this](QPainter& c) { PPaint(c); };
    resize(300, 30);
    P->setGeometry(rect());
    BuildStateImages();
}

void Tfr_progress::SetPosition(int value)
{
    value = std::clamp(value, 0, 100);
    if (value == position)
        return;
    position = value;
    P->repaint();
}

void Tfr_progress::BuildStateImages()
{
    const int W = width(), H = height();
    StateImages = QImage(W, H, QImage::Format_RGB32);
    if (StateImages.isNull())
        return;
    StateImages.fill(Qt::black);
    QPainter p(&StateImages);
    GradientFill(p, 0, 0, W, TopBand, RGBColor(206, 211, 218), RGBColor(193, 198, 203), GradientTopToBottom);
    GradientFill(p, 0, TopBand, W, H - BottomBand, RGBColor(181, 188, 198), RGBColor(229, 235, 235), GradientTopToBottom);
    GradientFill(p, 0, H - BottomBand, W, H, RGBColor(182, 184, 184), RGBColor(156, 158, 158), GradientTopToBottom);
}

void Tfr_progress::resizeEvent(QResizeEvent*) { FrameResize(); }

void Tfr_progress::FrameResize()
{
    P->setGeometry(rect());
    BuildStateImages();
    P->update();
}

void Tfr_progress::PPaint(QPainter& canvas)
{
    const int W = width(), H = height();
    canvas.drawImage(0, 0, StateImages);
    const int right = position * (W - 2 * TopBand) / 100 + TopBand;
    if (right > TopBand && H - BottomBand > TopBand)
        canvas.fillRect(TopBand, TopBand, right - TopBand, H - BottomBand - TopBand, QColor(128, 128, 128));
    const QFont font = KitFont();
    canvas.setFont(font);
    canvas.setPen(QColor(0, 0, 0));
    const QFontMetrics fm(font);
    const QString text = QString::number(position) + QLatin1Char('%');
    const int x = (W - fm.horizontalAdvance(text)) / 2;
    const int y = (H - fm.height()) / 2;
    canvas.drawText(x, y + fm.ascent(), text);
}
