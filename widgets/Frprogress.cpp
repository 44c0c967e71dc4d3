#include "widgets/Frprogress.h"
#include "widgets/U_drawing.h"
#include <QPainter>

Tfr_progress::Tfr_progress(QWidget* parent)
    : QWidget(parent)
{
    resize(300, 30);
    BuildStateImages();
}

void Tfr_progress::SetPosition(int value)
{
    value = std::clamp(value, 0, 100);
    if (value == position)
        return;
    position = value;
    repaint();
}

void Tfr_progress::BuildStateImages()
{
    const int w = std::max(1, width());
    const int h = std::max(1, height());
    StateImage = QImage(w, h, QImage::Format_RGB32);
    StateImage.fill(Qt::black);
    QPainter p(&StateImage);
    GradientFill(p, 0, 0, w, 3, RGBColor(206, 211, 218), RGBColor(193, 198, 203), GradientTopToBottom);
    GradientFill(p, 0, 3, w, h - 3, RGBColor(181, 188, 198), RGBColor(229, 235, 235), GradientTopToBottom);
    GradientFill(p, 0, h - 3, w, h, RGBColor(182, 184, 184), RGBColor(156, 158, 158), GradientTopToBottom);
}

void Tfr_progress::resizeEvent(QResizeEvent*)
{
    BuildStateImages();
    update();
}

void Tfr_progress::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.drawImage(0, 0, StateImage);
    const int right = position * (width() - 6) / 100 + 3;
    if (right > 3)
        p.fillRect(QRect(QPoint(3, 3), QPoint(right - 1, height() - 4)), QColor(128, 128, 128));
    QFont f(QStringLiteral("Arial"));
    f.setPointSize(12);
    p.setFont(f);
    p.setPen(Qt::black);
    const QString text = QString::number(position) + QLatin1Char('%');
    const QFontMetrics fm(f);
    p.drawText((width() - fm.horizontalAdvance(text)) / 2, (height() - fm.height()) / 2 + fm.ascent(), text);
}
