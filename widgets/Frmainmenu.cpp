#include "widgets/Frmainmenu.h"
#include <QAction>
#include <QPainter>

Tfr_mainmenu::Tfr_mainmenu(QWidget* parent)
    : QWidget(parent)
{
    resize(667, 30);
}

Tfr_mainmenu::~Tfr_mainmenu() = default;

void Tfr_mainmenu::SetItems(const TmmitemList& list)
{
    items = list;
    QFont f(QStringLiteral("Arial"));
    f.setPointSize(12);
    const QFontMetrics fm(f);
    itemEdges = {5};
    for (const Tmmitem& it : items)
        itemEdges << itemEdges.last() + fm.horizontalAdvance(it.Name) + 10;
    update();
}

void Tfr_mainmenu::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), QColor(83, 83, 83));
    QFont f(QStringLiteral("Arial"));
    f.setPointSize(12);
    p.setFont(f);
    p.setPen(Qt::white);
    const QFontMetrics fm(f);
    for (int i = 0; i < items.size(); ++i)
        p.drawText(itemEdges[i], (height() - fm.height()) / 2 + fm.ascent(), items[i].Name);
}

void Tfr_mainmenu::mousePressEvent(QMouseEvent*)
{
}
