#include "widgets/Frpanel.h"
#include "widgets/Frbutton.h"
#include "widgets/U_drawing.h"
#include <QPainter>

Tfr_panel::Tfr_panel(QWidget* parent)
    : QWidget(parent)
{
    resize(320, 240);
    BuildStateImages();
}

void Tfr_panel::SetCaption(const QString& text) { lines = SplitCaption(text); }

void Tfr_panel::BuildStateImages()
{
    const int w = std::max(1, width());
    const int h = std::max(1, height());
    StateImage = QImage(w, h, QImage::Format_RGB32);
    StateImage.fill(Qt::black);
    QPainter p(&StateImage);
    GradientFill(p, 0, 0, w, TopBand, RGBColor(206, 211, 218), RGBColor(193, 198, 203), GradientTopToBottom);
    GradientFill(p, 0, TopBand, w, h - BottomBand, RGBColor(181, 188, 198), RGBColor(229, 235, 235), GradientTopToBottom);
    GradientFill(p, 0, h - BottomBand, w, h, RGBColor(182, 184, 184), RGBColor(156, 158, 158), GradientTopToBottom);
    p.setPen(Qt::black);
    p.drawRect(0, 0, w - 1, h - 1);
}

void Tfr_panel::resizeEvent(QResizeEvent*)
{
    BuildStateImages();
    update();
}

void Tfr_panel::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.drawImage(0, 0, StateImage);
    if (lines.isEmpty())
        return;
    QFont f(QStringLiteral("Arial"));
    f.setPointSize(12);
    p.setFont(f);
    p.setPen(state == Hover ? Qt::black : Qt::white);
    const QFontMetrics fm(f);
    const int n = lines.size();
    const int sumH = n * fm.height();
    for (int i = 0; i < n; ++i) {
        const int x = (width() - fm.horizontalAdvance(lines[i])) / 2;
        const int y = (height() - BottomBand) + (BottomBand - sumH) / 2 + (sumH * i) / n;
        p.drawText(x, y + fm.ascent(), lines[i]);
    }
}
