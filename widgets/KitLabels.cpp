#include "widgets/KitLabels.h"
#include "widgets/LogoPicture.h"
#include <QLabel>

QLabel* PanelLabel(QWidget* panel, const QString& text, const QRect& geometry, int pixelSize,
                   TLabelStyle style)
{
    auto* label = new QLabel(text, panel);
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(pixelSize);
    f.setBold(style == LabelBold);
    f.setItalic(style == LabelItalic);
    label->setFont(f);
    label->setGeometry(geometry);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setAutoFillBackground(false);
    label->setAttribute(Qt::WA_TranslucentBackground);
    label->setForegroundRole(QPalette::WindowText);
    return label;
}

QLabel* LogoImage(QWidget* panel)
{
    const QPixmap logo = LoadLogo();
    auto* image = new QLabel(panel);
    image->setGeometry(15, 17, 105, 105);
    image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    image->setAttribute(Qt::WA_TranslucentBackground);
    image->setPixmap(logo);
    return image;
}
